#include "presets/SaveBankJob.h"
#include "presets/PresetManager.h"

SaveBankJob::SaveBankJob (PresetManager& owner, juce::int64 requestNumber)
    : juce::ThreadPoolJob ("SaveBank"),
      manager (owner),
      userBankFile (owner.getUserBankFile()),
      request (requestNumber)
{
}

SaveBankJob::~SaveBankJob() = default;

juce::ThreadPoolJob::JobStatus SaveBankJob::runJob()
{
    if (! shouldExit())
        manager.banks->save (userBankFile, request);

    return jobHasFinished;
}
