#include "editor/VortaneSliderLegend.h"
#include "params/QuilParamGrittle.h"

VortaneSliderLegend::VortaneSliderLegend (QuilParamGrittle& parameter, bool onLeft, bool lastAlternative)
    : param (parameter), textOnLeft (onLeft), lastButtonAlternative (lastAlternative)
{
    setInterceptsMouseClicks (false, true);
    VortaneSliderLegend::rebuildButtons();
}

VortaneSliderLegend::~VortaneSliderLegend() = default;

void VortaneSliderLegend::addButton (const juce::String& text, bool onLeft, bool alternative, double value)
{
    auto* button = buttons.add (new VortaneSliderLegendButton (param, text, onLeft, alternative, (float) value));
    addAndMakeVisible (button);
}

void VortaneSliderLegend::rebuildButtons()
{
    removeAllChildren();
    buttons.clear();

    const int n = param.gNames.size();
    if (n < 2)
        return;

    for (int i = 0; i < n; ++i)
        addButton (param.gNames[i], textOnLeft, lastButtonAlternative && i == n - 1,
                   param.getRangeStart() + (double) i / (double) (n - 1) * param.getRangeLength());

    resized();
}

void VortaneSliderLegend::resized()
{
    const int n = buttons.size();
    if (n < 2 || getHeight() < 1)
        return;

    // The minimum sits at the bottom, centred span + 10 down; the maximum at the top, 10 down.
    const float step = span / (float) (n - 1);
    for (int i = 0; i < n; ++i)
        buttons[i]->setBounds (0, (int) (span + 10.0f - ((float) i + 0.5f) * step), getWidth(), (int) step);
}
