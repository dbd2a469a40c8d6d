#pragma once

#include <juce_core/juce_core.h>

class PresetManager;

/** Writes the user banks (those from "userBankIndex" on) to the user's bank file.
    Saves in the process run one at a time, each from a snapshot of the list taken
    when it runs; one whose request a written snapshot already covers does nothing. */
class SaveBankJob : public juce::ThreadPoolJob
{
public:
    SaveBankJob (PresetManager& owner, juce::int64 requestNumber);
    ~SaveBankJob() override;

    JobStatus runJob() override;

private:
    PresetManager& manager;
    const juce::File userBankFile;
    const juce::int64 request;

    JUCE_DECLARE_NON_COPYABLE (SaveBankJob)
};
