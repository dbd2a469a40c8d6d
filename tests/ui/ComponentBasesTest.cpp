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
            if (updates > 0 && param.getRealValue() == shown)
                return;
            shown = param.getRealValue();
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

TEST (ComponentBases, timersRunAtTheirRateOnlyWhileVisibleAndAChangeWhileHiddenShowsOnTheFirstTick)
{
    TestProcessor tp;
    auto& drive = *tp->data.drive;
    ValueDisplay display (drive);
    Meter meter;

    for (auto [timer, rate] : { std::pair<juce::Timer*, int> { &display, 60 }, { &meter, 30 } })
    {
        auto& component = dynamic_cast<juce::Component&> (*timer);
        EXPECT_FALSE (timer->isTimerRunning());
        component.setVisible (true);
        EXPECT_EQ (timer->getTimerInterval(), 1000 / rate);
        component.setVisible (false);
        EXPECT_FALSE (timer->isTimerRunning());
    }

    display.setVisible (true);
    display.timerCallback();
    ASSERT_EQ (display.updates, 1);
    display.setVisible (false);
    drive.setRealValueNotifyingHost (0.6f);
    display.setVisible (true);
    display.timerCallback();
    display.timerCallback();
    EXPECT_EQ (display.updates, 2);
    EXPECT_DOUBLE_EQ (display.shown, drive.getRealValue());
}
