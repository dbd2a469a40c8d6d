#pragma once

#include <juce_core/juce_core.h>

class PresetManager;

/** Fills the shared bank list once per process: the embedded factory banks, then the
    user's banks (the file is created when missing), then the default user bank when
    there is none. Everything is read first and put into the list in one step, so a
    job that is stopped half-way leaves the placeholder for the next instance. */
class LoadPresetListJob : public juce::ThreadPoolJob
{
public:
    explicit LoadPresetListJob (PresetManager& owner);
    ~LoadPresetListJob() override;

    JobStatus runJob() override;

private:
    PresetManager& manager;
    const juce::File userBankFile;

    JUCE_DECLARE_NON_COPYABLE (LoadPresetListJob)
};
