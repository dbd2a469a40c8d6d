#include "ui/toolkit/ParamComponent.h"

ParamComponent::ParamComponent() = default;

ParamComponent::~ParamComponent()
{
    stopTimer();
}

void ParamComponent::timerCallback()
{
    updateFromParameters();
}

void ParamComponent::visibilityChanged()
{
    if (isVisible())
        startTimerHz (rate);
    else
        stopTimer();
}
