#include "ui/toolkit/BasicButton.h"
#include "params/QuilParam.h"

BasicButton::BasicButton (QuilParam& paramToUse, bool toggle)
    : cachedValue ((juce::int32) paramToUse.getRealValue()),
      cachedNormalised (paramToUse.getValue()),
      param (&paramToUse),
      toggleMode (toggle)
{
    setWantsKeyboardFocus (true);
    setRepaintsOnMouseActivity (true);
    updateFromParameters();
}

BasicButton::~BasicButton() = default;

juce::String BasicButton::getTooltip()
{
    return param->getName (100);
}

void BasicButton::mouseDown (const juce::MouseEvent& e)
{
    // A right-click or control-click belongs to MIDI learning.
    if ((e.mods.getRawFlags() & 0x22) != 0)
        return;

    double next;

    if (toggleMode)
    {
        next = std::abs ((double) cachedValue - param->getRangeEnd()) < 1.0e-5 ? param->getRangeStart()
                                                                               : param->getRangeEnd();
    }
    else
    {
        next = cachedValue + 1;
        if (next > param->getNumSteps() - 1)
            next = 0;
    }

    // Begins and ends its gesture inside this call: nothing is left open for mouse-up.
    param->setRealValueAsGesture ((float) next);
}

void BasicButton::updateFromParameters()
{
    const double v = param->getRealValue() + (toggleMode ? 0.0 : 0.5);

    if ((juce::int32) v != cachedValue)
    {
        cachedValue = (juce::int32) v;
        cachedNormalised = param->getValue();
        repaint();
    }
}

void BasicButton::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (cachedNormalised > 0.0f ? 0xFFADD8E6 : 0xFF00008B));
    g.fillRoundedRectangle (getLocalBounds().toFloat(), 1.5f);
}
