#pragma once

#include "ui/toolkit/BasicControl.h"
#include "ui/toolkit/CtrlGestRound.h"

/** A knob: a BasicControl whose drag is rotary or vertical as the shared knob-mode flag
    says. The mode is read at mouse-down and kept for the whole drag. Draws a plain
    generic knob; the product's knob draws its own. */
class BasicKnob : public BasicControl
{
public:
    /** rotaryFlag: the knob-mode preference (true = rotary), owned elsewhere and read
        at every mouse-down; null means always vertical. rotaryAngleScale: the rotary
        gesture's angle factor. */
    BasicKnob (QuilParam& parameter, const bool* rotaryFlag,
               float rotaryAngleScale = CtrlGestRound::oneTurnPerRange);
    ~BasicKnob() override;

    void mouseDown (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;

    CtrlGestRound& getRotaryGesture() const noexcept { return *rotaryGesture; }
    bool isRotary() const noexcept { return rotaryFlag != nullptr && *rotaryFlag; }

protected:
    const bool* rotaryFlag;
    std::unique_ptr<CtrlGestRound> rotaryGesture;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BasicKnob)
};
