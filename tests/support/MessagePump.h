#pragma once

#include <juce_events/juce_events.h>

#include <functional>

/** Runs the message loop for a while, so that timers fire and posted calls run. */
inline void pumpMessages (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

/** Runs the message loop until the condition holds or the time is up; returns the condition.
    The limit only ends a wait that would never end: sanitizers slow everything down. */
inline bool pumpUntil (const std::function<bool()>& condition, int timeoutMilliseconds = 10000)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMilliseconds;

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        pumpMessages (5);
    }

    return true;
}
