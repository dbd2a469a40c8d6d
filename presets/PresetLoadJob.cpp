#include "presets/PresetLoadJob.h"
#include "presets/PresetManager.h"

#include <juce_events/juce_events.h>

PresetLoadJob::PresetLoadJob (PresetManager& owner, std::unique_ptr<juce::XmlElement> presetToApply,
                              juce::uint64 requestNumber)
    : juce::ThreadPoolJob ("PresetLoader"),
      preset (std::move (presetToApply)),
      manager (owner),
      request (requestNumber)
{
}

PresetLoadJob::~PresetLoadJob() = default;

bool PresetLoadJob::isSuperseded() const noexcept
{
    return manager.latestPresetLoad.load() != request;
}

juce::ThreadPoolJob::JobStatus PresetLoadJob::runJob()
{
    if (shouldExit() || isSuperseded() || juce::MessageManager::getInstanceWithoutCreating() == nullptr)
        return jobHasFinished;

    // The wait ends when the pool asks this job to stop (the message thread may be
    // waiting for the pool while it destroys the processor).
    const juce::MessageManagerLock mml (this);

    // Checked again with the lock held: a later load may have been queued, or may
    // even have been applied already, while this one waited.
    if (mml.lockWasGained() && ! shouldExit() && ! isSuperseded())
        manager.restoreStateFromXml (preset.get(), false);

    return jobHasFinished;
}
