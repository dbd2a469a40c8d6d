#include "support/ProcessorFixture.h"
#include "params/QuilParam.h"
#include "params/QuilParamTypes.h"
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

namespace
{
    /** Shows one parameter and counts the polls that found a new real value. */
    struct ParamValueDisplay : public ParamComponent
    {
        explicit ParamValueDisplay (QuilParam& p) : param (p) {}

        void updateFromParameters() override
        {
            const auto v = param.getRealValue();

            if (polled && v == shown)
                return;

            polled = true;
            shown = v;
            ++updates;
        }

        QuilParam& param;
        double shown = 0.0;
        int updates = 0;
    };
}

TEST (ParamComponent, aChangeWhileHiddenShowsOnTheFirstTickAfterBecomingVisibleAndNoSoonerOrAgain)
{
    TestProcessor tp;
    auto& drive = *tp->data.drive;
    ParamValueDisplay display (drive);
    display.setVisible (true);
    display.timerCallback();
    display.timerCallback();
    ASSERT_EQ (display.updates, 1);

    display.setVisible (false);
    drive.setRealValueNotifyingHost (0.6f);
    EXPECT_NE (display.shown, drive.getRealValue());

    display.setVisible (true);
    display.timerCallback();
    display.timerCallback();

    EXPECT_EQ (display.updates, 2);
    EXPECT_DOUBLE_EQ (display.shown, drive.getRealValue());
}
