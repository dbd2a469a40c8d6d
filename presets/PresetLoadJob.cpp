#include "presets/PresetLoadJob.h"
#include "presets/PresetManager.h"

#include <juce_events/juce_events.h>

PresetLoadJob::PresetLoadJob (PresetManager& owner, std::unique_ptr<juce::XmlElement> presetToApply)
    : juce::ThreadPoolJob ("PresetLoader"),
      preset (std::move (presetToApply)),
      manager (owner)
{
}

PresetLoadJob::~PresetLoadJob() = default;

juce::ThreadPoolJob::JobStatus PresetLoadJob::runJob()
{
    if (shouldExit() || juce::MessageManager::getInstanceWithoutCreating() == nullptr)
        return jobHasFinished;

    // The wait ends when the pool asks this job to stop (the message thread may be
    // waiting for the pool while it destroys the processor).
    const juce::MessageManagerLock mml (this);

    if (mml.lockWasGained() && ! shouldExit())
        manager.restoreStateFromXml (preset.get(), false);

    return jobHasFinished;
}
