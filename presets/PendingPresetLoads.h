#pragma once

#include <juce_core/juce_core.h>
#include <deque>
#include <memory>
#include <vector>

/** The presets that controller 119 asked for and that no job has applied yet, in the
    order of the requests. The pool's jobs race for the message-manager lock, so the
    job that wins it applies every waiting request up to its own, oldest first: every
    request applies, and none overtakes an earlier one.

    Used by the message thread and the pool's threads, never by the audio thread. */
class PendingPresetLoads
{
public:
    /** Keeps a preset; returns its request number (1, 2, 3 ...). */
    juce::uint64 add (std::unique_ptr<juce::XmlElement> preset);

    /** Removes and returns, oldest first, every waiting preset whose request number is
        up to request; empty when another job has taken them already. */
    std::vector<std::unique_ptr<juce::XmlElement>> takeUpTo (juce::uint64 request);

private:
    struct Load
    {
        juce::uint64 request;
        std::unique_ptr<juce::XmlElement> preset;
    };

    juce::CriticalSection lock;
    std::deque<Load> waiting;
    juce::uint64 lastRequest = 0;
};
