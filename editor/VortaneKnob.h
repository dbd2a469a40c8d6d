#pragma once

#include "ui/toolkit/BasicKnob.h"
#include "ui/toolkit/ModulationReadout.h"

#include <atomic>
#include <vector>

class QuilParamFrequencyHz;

/** The product's rotary control (cutoff, resonance, filter type): a ring-shaped cap
    whose notch turns with the value, a scale of short segments that light up below the
    value and swell around it, two thin arcs for the left and right channels' current
    modulation, and the value text as number and unit. Geometry is rebuilt only when
    the size or a polled value changes; paint only fills paths. */
class VortaneKnob : public BasicKnob
{
public:
    /** parameter        the knob's parameter; outlives the knob.
        modulationLeft,
        modulationRight  the destination's modulated values as the engine last used them
                         (ProcessorData::displayValues); null reads as 0.
        rotaryFlag       the shared knob drag-mode flag (true = rotary), read at mouse-down.
        numSegments      N, the scale's segment count (at least 2).
        compact          A: the compact radii, thinner segments and the number shown with
                         one decimal up to 99.499.
        darkCap          B: the dark cap colours (ids 0x2226002..5) rather than the light ones.
        alertSegments    K: how many top segments are drawn in the alert colour.
        textAboveUnit    C: number and unit stacked about the centre (else the unit below).
        drawUnit         D: draw the unit under the number.

        The panel builds: Cutoff (41, false, false, 0, true, true), Resonance
        (45, true, true, 5, false, false), Type (43, true, true, 0, true, false). */
    VortaneKnob (QuilParam& parameter,
                 const std::atomic<double>* modulationLeft, const std::atomic<double>* modulationRight,
                 const bool* rotaryFlag, int numSegments,
                 bool compact, bool darkCap, int alertSegments, bool textAboveUnit, bool drawUnit);
    ~VortaneKnob() override;

    bool hitTest (int x, int y) override;
    void paint (juce::Graphics&) override;
    void resized() override;
    void updateFromParameters() override;
    void updateGraphics() override;

    /** The number as drawn: with the compact option one decimal up to 99.499, else whole. */
    juce::String getDisplayedNumber() const;

    float getLeftModulation() const noexcept { return modulationPosition[0]; }
    float getRightModulation() const noexcept { return modulationPosition[1]; }
    double getDisplayFrequency() const noexcept { return displayHz; }

protected:
    virtual void computeRadii();
    virtual void updateColours();

private:
    void buildCap();
    void buildSheen();
    void layOutText();
    void buildDot (float theta);

    std::vector<juce::Path> segments;
    juce::Path cap, sheen, rotatedCap, dot, dotOutline, modulationArc[2];
    juce::Rectangle<float> valueRect, unitRect;

    const float notchHalfAngle = 0.4f;
    const int numSegments;
    float outerRadius = 0.0f, innerRadius = 0.0f, capRadius = 0.0f, ringRadius = 0.0f, notchRadius = 0.0f;
    float centre = 0.0f;
    const float skew = 0.011f;  // in half-turns
    float thickness;

    juce::ColourGradient capGradient, sheenGradient;
    juce::Colour alertColour, accentColour, modulationColour;
    const juce::Colour unitColour { 0xFFB8B8B9 };

    const int lastAccentIndex;
    const bool compact, darkCap, textAboveUnit, drawUnit;

    juce::Path hitPath;

    ModulationReadout modulation;
    float modulationPosition[2] {};  // the read-outs over the parameter's range
    double displayHz = 0.0;
    QuilParamFrequencyHz* const frequencyParameter;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneKnob)
};
