#include "presets/PresetManager.h"
#include "core/ParameterList.h"
#include "presets/LoadPresetListJob.h"
#include "presets/PresetIds.h"
#include "presets/PresetLoadJob.h"
#include "presets/SaveBankJob.h"

#include <VortaneBinaryData.h>

const juce::Identifier PresetManager::presetTag ("Quillmere_Preset");
const juce::Identifier PresetManager::bankTag ("Quillmere_Bank");

namespace
{
    /** The bank that stands in for the list until it is loaded: it holds the embedded
        sample preset, whose tag is not the preset tag, so applying it changes nothing. */
    std::unique_ptr<juce::XmlElement> makePlaceholderBank()
    {
        auto bank = std::make_unique<juce::XmlElement> (SharedBankList::placeholderTag);

        const auto text = juce::String::createStringFromData (VortaneBinaryData::samplePreset_xml,
                                                              VortaneBinaryData::samplePreset_xmlSize);
        if (auto sample = juce::XmlDocument::parse (text))
            bank->addChildElement (sample.release());

        return bank;
    }

    std::unique_ptr<juce::XmlElement> copyOf (const juce::XmlElement* e)
    {
        return e != nullptr ? std::make_unique<juce::XmlElement> (*e) : nullptr;
    }

    juce::File defaultUserBankFile()
    {
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
            .getChildFile ("Quillmere")
            .getChildFile ("Vortane")
            .getChildFile (PresetIds::productName + "Presets.kqb");
    }
}

PresetManager::PresetManager()
    : juce::ThreadPool (juce::SystemStats::getNumCpus()),
      userBankFile (defaultUserBankFile())
{
    banks->modify ([] (juce::XmlElement& list)
                   {
        if (list.getNumChildElements() == 0)
            list.addChildElement (makePlaceholderBank().release()); });

    // The list is filled once per process, by the instance that claims it. Every other
    // instance watches until it is loaded: hosts may build a second instance before
    // they destroy the first, and when the loader goes before it finished, a watcher
    // takes the load over.
    if (banks->claimLoading())
        startedLoading = true;

    if (! banks->isLoaded())
        startTimer (loadDelayMs);

    if (auto first = copyFirstPreset())
        setCurrentPresetInfo (*first);
}

PresetManager::~PresetManager()
{
    stopPresetJobs();

    if (startedLoading.exchange (false))
        banks->abandonLoading();
}

void PresetManager::stopPresetJobs()
{
    stopping = true;
    stopTimer();

    // A running job may queue a save just as the first pass ends; the flag stops any
    // further one. Jobs end promptly when asked (their message-manager waits are
    // cut short), and none may outlive the list and processor it works on.
    while (getNumJobs() > 0)
        removeAllJobs (true, -1);
}

void PresetManager::timerCallback()
{
    stopTimer();

    if (stopping || banks->isLoaded())
        return;

    if (! startedLoading && ! banks->claimLoading())
    {
        startTimer (loadDelayMs);   // another instance is loading it
        return;
    }

    startedLoading = true;
    addJob (new LoadPresetListJob (*this), true);
}

//==============================================================================
std::unique_ptr<juce::XmlElement> PresetManager::findCurrentPreset() const
{
    const auto bankName = getCurrentBank();
    const auto uuid = getCurrentUuid();

    return banks->read ([&] (const juce::XmlElement& list) -> std::unique_ptr<juce::XmlElement>
                        {
        for (auto* bank : list.getChildIterator())
        {
            if (bank->getStringAttribute (PresetIds::bank) != bankName)
                continue;

            for (auto* preset : bank->getChildIterator())
                if (preset->getStringAttribute (PresetIds::uuid) == uuid)
                    return copyOf (preset);

            break;
        }

        if (auto* firstBank = list.getFirstChildElement())
            return copyOf (firstBank->getFirstChildElement());

        return {}; });
}

std::unique_ptr<juce::XmlElement> PresetManager::copyFirstPreset() const
{
    return banks->read ([] (const juce::XmlElement& list) -> std::unique_ptr<juce::XmlElement>
                        {
        if (auto* firstBank = list.getFirstChildElement())
            return copyOf (firstBank->getFirstChildElement());

        return {}; });
}

std::unique_ptr<juce::XmlElement> PresetManager::copyBankList() const
{
    return banks->read ([] (const juce::XmlElement& list)
                        { return std::make_unique<juce::XmlElement> (list); });
}

//==============================================================================
void PresetManager::setCurrentPresetInfo (juce::XmlElement& preset)
{
    auto name = preset.getStringAttribute (PresetIds::name);
    auto bank = preset.getStringAttribute (PresetIds::bank);

    if (bank.isEmpty())
    {
        // Older presets carry their bank as "category".
        bank = preset.getStringAttribute (PresetIds::category);
        if (bank.isNotEmpty())
        {
            preset.removeAttribute (PresetIds::category);
            preset.setAttribute (PresetIds::bank, bank);
        }
    }

    auto uuid = preset.getStringAttribute (PresetIds::uuid);

    {
        const juce::SpinLock::ScopedLockType sl (currentLock);
        currentName = name;
        currentBank = bank;
        selectedBankName = bank;
        currentUuid = uuid;
    }

    presetListeners.call ([&] (Listener& l)
                          { l.currentPresetChanged (name, bank, uuid); });
}

PresetManager::CurrentPreset PresetManager::getCurrentPreset() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return { currentName, currentBank, currentUuid };
}

juce::String PresetManager::getCurrentName() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return currentName;
}

juce::String PresetManager::getCurrentBank() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return currentBank;
}

juce::String PresetManager::getCurrentUuid() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return currentUuid;
}

juce::String PresetManager::getSelectedBankName() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return selectedBankName;
}

int PresetManager::getSelectedBankIndex() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return selectedBankIndex;
}

void PresetManager::setSelectedBank (const SharedBankList::Added& added)
{
    if (added.index < 0)
        return;

    const juce::SpinLock::ScopedLockType sl (currentLock);
    selectedBankName = added.name;
    selectedBankIndex = added.index;
}

//==============================================================================
int PresetManager::splitPairs (juce::StringArray& ids, juce::StringArray& values, const juce::String& text)
{
    return ParameterList::split (text, ids, values);
}

//==============================================================================
void PresetManager::addBank (const juce::XmlElement& bank)
{
    const auto added = banks->modify ([&bank] (juce::XmlElement& list)
                                      { return SharedBankList::appendBank (list, bank); });

    if (added.index < 0)
        return;

    setSelectedBank (added);
    saveBankAsync();
    notifyBankListListeners (juce::ThreadPoolJob::getCurrentThreadPoolJob());
}

void PresetManager::saveBankAsync()
{
    if (! stopping)
        addJob (new SaveBankJob (*this, banks->requestSave()), true);
}

void PresetManager::loadPresetAsync (int presetNumber, int)
{
    if (presetNumber < 0 || stopping)
        return;

    auto preset = banks->read ([presetNumber] (const juce::XmlElement& list) -> std::unique_ptr<juce::XmlElement>
                               {
        const int numBanks = list.getNumChildElements();
        if (numBanks == 0)
            return {};

        const int index = juce::jlimit (0, numBanks - 1, list.getIntAttribute (PresetIds::userBankIndex));
        auto* bank = list.getChildElement (index);

        if (presetNumber >= bank->getNumChildElements())
            return {};

        return copyOf (bank->getChildElement (presetNumber)); });

    if (preset != nullptr)
        addJob (new PresetLoadJob (*this, pendingLoads.add (std::move (preset))), true);
}

void PresetManager::notifyBankListListeners (juce::ThreadPoolJob* job)
{
    if (juce::MessageManager::existsAndIsCurrentThread())
    {
        bankListListeners->listeners.call ([] (BankListListener& l)
                                           { l.bankListChanged(); });
        return;
    }

    if (juce::MessageManager::getInstanceWithoutCreating() == nullptr)
        return;

    // The wait ends when the pool asks the job (or the thread) to stop.
    const auto mml = job != nullptr ? std::make_unique<juce::MessageManagerLock> (job)
                                    : std::make_unique<juce::MessageManagerLock> (juce::Thread::getCurrentThread());
    if (mml->lockWasGained())
        bankListListeners->listeners.call ([] (BankListListener& l)
                                           { l.bankListChanged(); });
}
