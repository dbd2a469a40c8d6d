#include "ui/toolkit/ParamComponent.h"
#include "ui/toolkit/TimerComponent.h"

#include <gtest/gtest.h>

namespace
{
    struct ValueDisplay : public ParamComponent
    {
        void updateFromParameters() override { ++polls; }
        int polls = 0;
    };

    struct Meter : public TimerComponent
    {
        Meter() : TimerComponent (30) {}
        void timerCallback() override {}
    };
}

// Widgets poll their parameters on these timers: hidden ones cost nothing.
TEST (ComponentBases, timersRunAtTheirRateOnlyWhileVisibleAndAParamComponentPollsOnEachTick)
{
    ValueDisplay display;
    Meter meter;

    for (auto [timer, rate] : { std::pair<juce::Timer*, int> { &display, 60 }, { &meter, 30 } })
    {
        auto& component = dynamic_cast<juce::Component&> (*timer);
        EXPECT_FALSE (timer->isTimerRunning());
        component.setVisible (true);
        EXPECT_EQ (timer->getTimerInterval(), 1000 / rate);
        component.setVisible (false);
        EXPECT_FALSE (timer->isTimerRunning());
        component.setVisible (true);
        EXPECT_TRUE (timer->isTimerRunning());
    }

    display.timerCallback();
    EXPECT_EQ (display.polls, 1);
}
