#pragma once

#include "editor/VortaneSliderLegendButton.h"

class QuilParamGrittle;

/** The clickable step names beside a level slider, one per step name of its
    parameter, spread over the span from the minimum at the bottom to the maximum
    at the top. The legend itself takes no clicks; its labels do. */
class VortaneSliderLegend : public juce::Component
{
public:
    /** param: the slider's parameter, whose step names the labels show;
        textOnLeft: the legend stands left of its slider; lastButtonAlternative: the
        last label is drawn in the alternative colours. Builds the labels. */
    VortaneSliderLegend (QuilParamGrittle& param, bool textOnLeft, bool lastButtonAlternative);
    ~VortaneSliderLegend() override;

    /** Makes the labels again from the parameter's step names (none for fewer than two). */
    virtual void rebuildButtons();

    /** The height over which the label centres are spread (the panel sets it before layout). */
    void setSpan (float newSpan) noexcept { span = newSpan; }
    float getSpan() const noexcept { return span; }

    void resized() override;

    const juce::OwnedArray<VortaneSliderLegendButton>& getButtons() const noexcept { return buttons; }

protected:
    void addButton (const juce::String& text, bool onLeft, bool alternative, double value);

    QuilParamGrittle& param;
    juce::OwnedArray<VortaneSliderLegendButton> buttons;
    float span = 30.0f;
    bool textOnLeft, lastButtonAlternative;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneSliderLegend)
};
