#pragma once

#include "ui/toolkit/BasicControl.h"
#include "ui/toolkit/ModulationMeter.h"
#include "core/ModulationStyle.h"

/** One column of the modulation pop-up: a vertical, bipolar slider for how strongly
    one control input modulates one destination, with a left and a right depth, a
    stereo-mode switch, typed entry and a meter of the input's live level.

    Stereo modes: 0 mono (one bar edits the left depth), 1 linked (the right half
    shows the left depth negated and moves it the other way), 2 unlinked (each half
    edits its own depth). The switch's step to unlinked starts the right depth as the
    mirror of the left one (the stereo mode's own rule), so the sound carries on; from
    then on the right half shows and edits the right depth as the host holds it. The
    control's own parameter is the left depth. */
class ModulationSliderStereo : public BasicControl
{
public:
    /** The parts of the column a press can land on. */
    enum Part
    {
        leftBar = 0,
        rightBar,
        leftText,
        rightText,
        modeSwitch,
        noPart
    };

    /** right and mode may be null (mono only); meter null: no meter, full-width bars.
        names holds the column titles' stems, one per column index. */
    ModulationSliderStereo (QuilParam& left, QuilParam* right, QuilParam* mode, const ModulationStyle& style,
                            int column, const juce::StringArray& names, const std::atomic<float>* meter);
    ~ModulationSliderStereo() override;

    void mouseMove (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;
    void paint (juce::Graphics&) override;
    void resized() override;
    void parentHierarchyChanged() override;

    void updateFromParameters() override;
    void updateGraphics() override;
    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;
    void textEditorFocusLost (juce::TextEditor&) override;

    int getMode() const noexcept { return mode; }
    Part getHoveredPart() const noexcept { return hovered; }
    const juce::String& getLeftText() const noexcept { return valueText; }
    const juce::String& getRightText() const noexcept { return rightValueText; }
    const juce::String& getTitle() const noexcept { return title; }
    juce::Rectangle<float> getSliderArea() const noexcept { return sliderArea; }
    juce::Rectangle<int> getModeSwitchArea() const noexcept { return modeSwitchArea; }
    juce::Rectangle<int> getLeftTextArea() const noexcept { return leftTextArea; }
    juce::Rectangle<int> getRightTextArea() const noexcept { return rightTextArea; }
    ModulationMeter& getMeter() noexcept { return meter; }
    QuilTextEditor& getRightEditor() noexcept { return rightEditor; }

private:
    Part partAt (juce::Point<int> p) const;
    QuilParam& parameterOf (Part part) const;
    void stepMode();
    void takeColours();
    juce::Path makeModeGlyph() const;

    QuilParam& left;
    int column;
    const ModulationStyle& style;
    juce::Path background, barField, leftField, rightField, leftValueBar, rightValueBar, modeGlyph;
    static constexpr float cornerRadius = 2.0f;
    QuilParam* modeParameter;
    juce::Rectangle<float> sliderArea { 0.0f, 20.0f, 35.0f, 128.0f };
    juce::Rectangle<int> titleArea { 0, 0, 35, 20 };
    juce::Rectangle<int> modeSwitchArea;
    juce::Rectangle<float> barArea;
    juce::Rectangle<float> meterArea { 2.0f, 21.0f, 2.0f, 126.0f };
    juce::Rectangle<int> leftCaptionArea, rightCaptionArea, leftTextArea, rightTextArea;
    int mode = -1;
    bool stereo = false, inverted = false, split = false;
    bool dragInverted = false;  // the drag under way moves the left depth from the linked half
    const bool hasMeter;
    const juce::String title;
    ModulationRowColours colours;
    ModulationMeter meter;
    QuilParam* right;
    float rightValue = 0.0f;
    float rightRestore = 0.0f;  // where a double-click on the right default goes back to
    juce::String rightValueText;
    QuilTextEditor rightEditor;
    Part hovered = noPart;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModulationSliderStereo)
};
