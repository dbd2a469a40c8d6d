#include "presets/LoadPresetListJob.h"
#include "presets/BankFile.h"
#include "presets/PresetManager.h"

LoadPresetListJob::LoadPresetListJob (PresetManager& owner)
    : juce::ThreadPoolJob ("LoadPresetList"),
      manager (owner),
      userBankFile (owner.getUserBankFile())
{
}

LoadPresetListJob::~LoadPresetListJob() = default;

juce::ThreadPoolJob::JobStatus LoadPresetListJob::runJob()
{
    if (shouldExit())
        return jobHasFinished;

    auto factoryBanks = BankFile::readEmbeddedFactoryBanks();
    if (shouldExit())
        return jobHasFinished;

    auto user = BankFile::readUserFile (userBankFile);
    if (shouldExit())
        return jobHasFinished;

    // A file that could not be taken in whole is never written over.
    if (user.keepFileAsItIs)
        manager.banks->keepUserFileAsItIs();

    const auto lastUserBank = manager.banks->publish (std::move (factoryBanks), std::move (user.banks));
    manager.setSelectedBank (lastUserBank);
    manager.startedLoading = false;

    // Writes back renamed banks, or the default bank into a new file.
    manager.saveBankAsync();
    manager.notifyBankListListeners (this);
    return jobHasFinished;
}
