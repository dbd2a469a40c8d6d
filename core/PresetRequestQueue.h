#pragma once

#include <juce_events/juce_events.h>
#include <functional>

#include "core/LockFreeQueue.h"

/** Carries preset requests (controller 119) from the audio thread to the message
    thread: the audio thread only pushes two numbers into a lock-free ring, and a
    timer on the message thread hands them on in the order they arrived. */
class PresetRequestQueue : private juce::Timer
{
public:
    using Target = std::function<void (int presetNumber, int bank)>;

    explicit PresetRequestQueue (Target target);
    ~PresetRequestQueue() override;

    /** Audio thread: no allocation, no lock. False when the ring is full. */
    bool push (int presetNumber, int bank) noexcept;

    /** Message thread: hands every waiting request to the target, oldest first. */
    void deliverPending();

    /** Replaces the target (message thread). */
    void setTarget (Target newTarget);

    static constexpr int intervalMs = 15;

private:
    struct Request
    {
        int presetNumber;
        int bank;
    };

    void timerCallback() override;

    LockFreeQueue<Request, 64> requests;
    Target target;

    JUCE_DECLARE_NON_COPYABLE (PresetRequestQueue)
};
