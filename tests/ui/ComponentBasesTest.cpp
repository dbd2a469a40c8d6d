#include "support/ProcessorFixture.h"
#include "params/QuilParam.h"
#include "params/QuilParamTypes.h"
#include "ui/toolkit/ParamComponent.h"
#include "ui/toolkit/TimerComponent.h"

#include <gtest/gtest.h>

namespace
{
    /** Shows one parameter and counts the polls that found a new real value. */
    struct ValueDisplay : public ParamComponent
    {
        explicit ValueDisplay (QuilParam& p) : param (p) {}

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

    struct Meter : public TimerComponent
    {
        Meter() : TimerComponent (30) {}
        void timerCallback() override {}
    };
}

TEST (ComponentBases, timersRunAtTheirRateOnlyWhileVisible)
{
    TestProcessor tp;
    ValueDisplay display (*tp->data.drive);
    Meter meter;

    for (auto [timer, rate] : { std::pair<juce::Timer*, int> { &display, 60 }, { &meter, 30 } })
    {
        auto& component = dynamic_cast<juce::Component&> (*timer);
        EXPECT_FALSE (timer->isTimerRunning());

        component.setVisible (true);
        EXPECT_TRUE (timer->isTimerRunning());
        EXPECT_EQ (timer->getTimerInterval(), 1000 / rate);

        component.setVisible (false);
        EXPECT_FALSE (timer->isTimerRunning());
    }
}

TEST (ParamComponent, aChangeWhileHiddenShowsOnTheFirstTickAfterBecomingVisibleAndNoSoonerOrAgain)
{
    TestProcessor tp;
    auto& drive = *tp->data.drive;
    ValueDisplay display (drive);
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
