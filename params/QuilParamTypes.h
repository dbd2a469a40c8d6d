#pragma once

#include "params/QuilParam.h"

class VortaneAudioProcessor;

/** Value-text form shared by the continuous parameters: the number with d decimals,
    then cut to three significant places (four below 100, one more for a sign). */
juce::String formatParamValue (double x, int decimals);
juce::String formatParamValue (float x);

/** Common base of the continuous parameters. */
class QuilParamFloat : public QuilParam
{
public:
    using QuilParam::QuilParam;
};

/** "Cutoff": shows hertz through the processor's cutoff law. */
class QuilParamFrequencyHz : public QuilParamFloat
{
public:
    QuilParamFrequencyHz (const juce::String& name, const juce::String& label,
                          const juce::String& id, double defaultRealValue,
                          VortaneAudioProcessor* processor);

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;

private:
    VortaneAudioProcessor* processor;
};

/** "Resonance": shows the real value times ten (or a hundred). */
class QuilParamPercentUnbounded : public QuilParamFloat
{
public:
    using QuilParamFloat::QuilParamFloat;

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;

    bool displayTimesTen = true;
};

/** Cutoff and Type modulation depths: cubic display curve times a display scale. */
class QuilParamModulationRange : public QuilParamFloat
{
public:
    using QuilParamFloat::QuilParamFloat;

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;

    double displayScale = 1.0;
};

/** The other modulation depths: cubic display curve in percent. */
class QuilParamModHiRes : public QuilParamFloat
{
public:
    using QuilParamFloat::QuilParamFloat;

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;
};

/** A parameter with its own display record (range, steps, legend names, unit). */
class QuilParamGrittle : public QuilParamFloat
{
public:
    QuilParamGrittle (const juce::String& name, const juce::String& label);

    juce::String getLabel() const override;
    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;

    void setDisplayRange (double start, double end);

    double gStart = 0.0, gEnd = 1.0, gLength = 1.0;
    float gStartF = 0.0f, gEndF = 1.0f, gLengthF = 1.0f;
    int gSteps = -1;
    juce::StringArray gNames;
    juce::String gUnit;
};

/** "In" and "Out": levels from silence to +12 dB, 0 dB at 0.75. */
class QuilParamGrittleAmp12 : public QuilParamGrittle
{
public:
    QuilParamGrittleAmp12 (const juce::String& name, const juce::String& label);

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;

    /** The level law: 28 v^2 / (27 - 20 v^2); 0 -> 0, 0.75 -> 1, 1 -> 4. */
    static double levelForValue (double v) noexcept;
};

/** "Drive": percent. */
class QuilParamGrittlePercent : public QuilParamGrittle
{
public:
    QuilParamGrittlePercent (const juce::String& name, const juce::String& label);

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;
};

/** "Type": 1.00 (LP) .. 2.00 (BP) .. 3.00 (HP). */
class QuilParamFilterTypeSVF3 : public QuilParamGrittle
{
public:
    QuilParamFilterTypeSVF3 (const juce::String& name, const juce::String& label);

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;
};

/** "Power": two texts. */
class QuilParamOnOff : public QuilParam
{
public:
    using QuilParam::QuilParam;

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;

    juce::String onText { "On" }, offText { "Off" };
};

/** "Drive Mode": a name per step. */
class QuilParamNamedSelector : public QuilParam
{
public:
    using QuilParam::QuilParam;

    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;

    juce::StringArray names;
};

/** A stereo mode of one destination and control input: "Mono", "Stereo (linked)"
    or "Stereo (unlinked)". Switching to linked mirrors the left depth into the right. */
class QuilParamStereoMod : public QuilParam
{
public:
    QuilParamStereoMod (const juce::String& name, QuilParam* leftDepth, QuilParam* rightDepth);

    void setValue (float newNormalised) override;
    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;

    /** The mode as 0 (mono), 1 (linked) or 2 (unlinked). */
    int getMode() const noexcept { return (int) getRealValue(); }

    QuilParam* const left;
    QuilParam* const right;
};
