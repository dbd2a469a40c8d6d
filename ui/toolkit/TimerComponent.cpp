#include "ui/toolkit/TimerComponent.h"

TimerComponent::TimerComponent (int rateHz) : rate (rateHz) {}

TimerComponent::~TimerComponent()
{
    stopTimer();
}

void TimerComponent::visibilityChanged()
{
    if (isVisible())
        startTimerHz (rate);
    else
        stopTimer();
}
