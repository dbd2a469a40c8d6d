#pragma once

#include "ui/toolkit/ParamComponent.h"

class QuilParam;

/** One label of a slider legend: a step name and a small mark pointing at the
    slider. A click sets the parameter to the step's value as one change gesture;
    the label of the current value is highlighted. */
class VortaneSliderLegendButton : public ParamComponent
{
public:
    /** param: the slider's parameter; text: the step name; textOnLeft: the label
        stands left of its slider (text right-aligned, mark pointing right);
        alternativeColours: drawn in the alert colours (the top of the drive scale);
        value: the real value that a click sets. */
    VortaneSliderLegendButton (QuilParam& param, const juce::String& text, bool textOnLeft,
                               bool alternativeColours, float value);
    ~VortaneSliderLegendButton() override;

    void mouseDown (const juce::MouseEvent&) override;
    void updateFromParameters() override;
    void resized() override;
    void paint (juce::Graphics&) override;

    const juce::String& getText() const noexcept { return text; }
    float getStepValue() const noexcept { return value; }
    bool isSelected() const noexcept { return selected; }
    const juce::GlyphArrangement& getGlyphs() const noexcept { return glyphs; }

private:
    /** The real value after its round trip through the parameter's normalised value
        differs from the step by a rounding error; that still counts as this step. */
    bool showsStep() const noexcept;

    juce::String text;
    float value;
    QuilParam* param;
    bool selected;
    juce::Path mark;
    juce::GlyphArrangement glyphs;
    bool textOnLeft;
    juce::Justification justification;
    juce::uint32 textColour = 0, secondColour = 0, selectedColour = 0;
    juce::Rectangle<int> textArea;
    bool alternativeColours;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneSliderLegendButton)
};
