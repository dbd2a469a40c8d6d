#pragma once

#include <juce_events/juce_events.h>
#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>

#include "core/LockFreeQueue.h"

/** Carries preset requests (controller 119) from the audio thread to the message
    thread: the audio thread only pushes two numbers into a lock-free ring, and a
    timer on the message thread hands them on in the order they arrived. When the
    ring is full, the newest request waits in one slot behind it (each replacing the
    one before, which it supersedes anyway), so the last request is never lost. */
class PresetRequestQueue : private juce::Timer
{
public:
    using Target = std::function<void (int presetNumber, int bank)>;

    explicit PresetRequestQueue (Target target);
    ~PresetRequestQueue() override;

    /** Audio thread (one thread at a time): no allocation, no lock. */
    void push (int presetNumber, int bank) noexcept;

    /** Message thread: hands every waiting request to the target, oldest first. */
    void deliverPending();

    /** Replaces the target (message thread). */
    void setTarget (Target newTarget);

    static constexpr int intervalMs = 50;  // a preset a twentieth of a second after its controller is in time; fewer wake-ups idle

private:
    struct Request
    {
        int presetNumber;
        int bank;
    };

    void timerCallback() override;

    static constexpr std::int64_t noRequest = std::numeric_limits<std::int64_t>::min();
    static std::int64_t pack (int presetNumber, int bank) noexcept;
    static Request unpack (std::int64_t packed) noexcept;

    LockFreeQueue<Request, 64> requests;
    std::atomic<std::int64_t> overflow { noRequest };
    Target target;

    JUCE_DECLARE_NON_COPYABLE (PresetRequestQueue)
};
