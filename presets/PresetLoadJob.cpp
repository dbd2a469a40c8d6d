#include "presets/PresetLoadJob.h"
#include "presets/PresetManager.h"

#include <juce_events/juce_events.h>

PresetLoadJob::PresetLoadJob (PresetManager& owner, juce::uint64 requestNumber)
    : juce::ThreadPoolJob ("PresetLoader"),
      manager (owner),
      request (requestNumber)
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

    // Taken with the lock held, so that no other job applies between these.
    if (mml.lockWasGained() && ! shouldExit())
        for (const auto& preset : manager.pendingLoads.takeUpTo (request))
            manager.restoreStateFromXml (preset.get(), false);

    return jobHasFinished;
}
