#pragma once

#include <juce_core/juce_core.h>

class PresetManager;

/** Applies, while holding the message-manager lock, every preset load that the
    manager has queued up to and including this one, oldest first; those an earlier
    job has applied already are not applied again. Applies nothing when asked to stop
    first. */
class PresetLoadJob : public juce::ThreadPoolJob
{
public:
    PresetLoadJob (PresetManager& owner, juce::uint64 request);
    ~PresetLoadJob() override;

    JobStatus runJob() override;

private:
    PresetManager& manager;
    const juce::uint64 request;

    JUCE_DECLARE_NON_COPYABLE (PresetLoadJob)
};
