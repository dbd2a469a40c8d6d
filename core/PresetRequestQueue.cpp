#include "core/PresetRequestQueue.h"

PresetRequestQueue::PresetRequestQueue (Target t) : target (std::move (t))
{
    startTimer (intervalMs);
}

PresetRequestQueue::~PresetRequestQueue()
{
    stopTimer();
}

bool PresetRequestQueue::push (int presetNumber, int bank) noexcept
{
    return requests.push ({ presetNumber, bank });
}

void PresetRequestQueue::deliverPending()
{
    Request r;
    while (requests.pop (r))
        if (target)
            target (r.presetNumber, r.bank);
}

void PresetRequestQueue::setTarget (Target newTarget)
{
    target = std::move (newTarget);
}

void PresetRequestQueue::timerCallback()
{
    deliverPending();
}
