#include "core/PresetRequestQueue.h"

PresetRequestQueue::PresetRequestQueue (Target t) : target (std::move (t))
{
    startTimer (intervalMs);
}

PresetRequestQueue::~PresetRequestQueue()
{
    stopTimer();
}

std::int64_t PresetRequestQueue::pack (int presetNumber, int bank) noexcept
{
    return (std::int64_t) (((std::uint64_t) (std::uint32_t) presetNumber << 32) | (std::uint32_t) bank);
}

PresetRequestQueue::Request PresetRequestQueue::unpack (std::int64_t packed) noexcept
{
    return { (int) (std::int32_t) (std::uint32_t) ((std::uint64_t) packed >> 32), (int) (std::int32_t) (std::uint32_t) packed };
}

void PresetRequestQueue::push (int presetNumber, int bank) noexcept
{
    // Once a request waits behind the ring, later ones must not overtake it in the ring.
    if (overflow.load() == noRequest && requests.push ({ presetNumber, bank }))
        return;

    overflow.store (pack (presetNumber, bank));
}

void PresetRequestQueue::deliverPending()
{
    const auto deliver = [this] (const Request& r)
    {
        if (target)
            target (r.presetNumber, r.bank);
    };

    Request r;
    while (requests.pop (r))
        deliver (r);

    // Everything in the ring was pushed before the waiting request.
    const auto waiting = overflow.exchange (noRequest);
    if (waiting != noRequest)
        deliver (unpack (waiting));
}

void PresetRequestQueue::setTarget (Target newTarget)
{
    target = std::move (newTarget);
}

void PresetRequestQueue::timerCallback()
{
    deliverPending();
}
