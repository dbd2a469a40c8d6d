#include "support/ProcessorFixture.h"
#include "params/QuilParam.h"
#include "params/QuilParamTypes.h"
#include "ui/toolkit/ParamComponent.h"
#include "ui/toolkit/TimerComponent.h"

#include <gtest/gtest.h>

namespace
{
    /** Shows one parameter and repaints when its real value changed. */
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

TEST (ParamComponent, pollsOnlyWhileVisibleAtSixtyHertz)
{
    TestProcessor tp;
    ValueDisplay display (*tp->data.drive);

    EXPECT_FALSE (display.isTimerRunning());

    display.setVisible (true);
    EXPECT_TRUE (display.isTimerRunning());
    EXPECT_EQ (display.getTimerInterval(), 1000 / 60);

    display.setVisible (false);
    EXPECT_FALSE (display.isTimerRunning());
}

TEST (ParamComponent, changeWhileHiddenShowsOnFirstTickAfterBecomingVisible)
{
    TestProcessor tp;
    auto& drive = *tp->data.drive;
    ValueDisplay display (drive);
    display.setVisible (true);
    display.timerCallback();
    ASSERT_EQ (display.updates, 1);

    display.setVisible (false);
    drive.setRealValueNotifyingHost (0.6f);
    EXPECT_FALSE (display.isTimerRunning());
    EXPECT_NE (display.shown, drive.getRealValue());

    display.setVisible (true);
    display.timerCallback();

    EXPECT_EQ (display.updates, 2);
    EXPECT_DOUBLE_EQ (display.shown, drive.getRealValue());
}

TEST (ParamComponent, unchangedValueCausesNoUpdateAfterTheFirstPoll)
{
    TestProcessor tp;
    ValueDisplay display (*tp->data.drive);

    display.timerCallback();
    display.timerCallback();
    display.timerCallback();

    EXPECT_EQ (display.updates, 1);
}

TEST (TimerComponent, runsAtItsRateOnlyWhileVisible)
{
    Meter meter;
    EXPECT_FALSE (meter.isTimerRunning());

    meter.setVisible (true);
    EXPECT_EQ (meter.getTimerInterval(), 1000 / 30);

    meter.setVisible (false);
    EXPECT_FALSE (meter.isTimerRunning());
}
