#include "params/QuilParamTypes.h"
#include "core/VortaneAudioProcessor.h"

juce::String formatParamValue (double x, int decimals) { return juce::String (x, decimals); }
juce::String formatParamValue (float x)                { return juce::String (x, 3); }

//==============================================================================
QuilParamFrequencyHz::QuilParamFrequencyHz (const juce::String& name, const juce::String& label,
                                            const juce::String& id, double def, VortaneAudioProcessor* p)
    : QuilParamFloat (name, label, id, def), processor (p) {}

juce::String QuilParamFrequencyHz::getText (float n, int) const
{
    return juce::String (processor->valueToHz (n), 1) + "Hz";
}

float QuilParamFrequencyHz::getValueForText (const juce::String& text) const
{
    return QuilParam::getValueForText (text);
}

juce::String QuilParamPercentUnbounded::getText (float n, int m) const          { return QuilParam::getText (n, m); }
float QuilParamPercentUnbounded::getValueForText (const juce::String& t) const  { return QuilParam::getValueForText (t); }
juce::String QuilParamModulationRange::getText (float n, int m) const           { return QuilParam::getText (n, m); }
float QuilParamModulationRange::getValueForText (const juce::String& t) const   { return QuilParam::getValueForText (t); }
juce::String QuilParamModHiRes::getText (float n, int m) const                  { return QuilParam::getText (n, m); }
float QuilParamModHiRes::getValueForText (const juce::String& t) const          { return QuilParam::getValueForText (t); }

//==============================================================================
QuilParamGrittle::QuilParamGrittle (const juce::String& name, const juce::String& label)
    : QuilParamFloat (name, label, {}, 0.0) {}

void QuilParamGrittle::setDisplayRange (double start, double end)
{
    gStart = start; gEnd = end; gLength = end - start;
    gStartF = (float) start; gEndF = (float) end; gLengthF = (float) gLength;
}

juce::String QuilParamGrittle::getLabel() const                          { return gUnit; }
juce::String QuilParamGrittle::getText (float n, int m) const            { return QuilParam::getText (n, m); }
float QuilParamGrittle::getValueForText (const juce::String& t) const    { return QuilParam::getValueForText (t); }

double QuilParamGrittleAmp12::levelForValue (double v) noexcept
{
    return 4.0 * v * v / (3.857142857142857 - 2.857142857142857 * v * v);
}

QuilParamGrittleAmp12::QuilParamGrittleAmp12 (const juce::String& name, const juce::String& label)
    : QuilParamGrittle (name, label)
{
    setDefaultRealValue (0.75, true);
    gNames = { "-inf", "-23", "-9", "0", "12" };
    gSteps = 0;
    gUnit = label;
}

juce::String QuilParamGrittleAmp12::getText (float n, int m) const           { return QuilParam::getText (n, m); }
float QuilParamGrittleAmp12::getValueForText (const juce::String& t) const   { return QuilParam::getValueForText (t); }

QuilParamGrittlePercent::QuilParamGrittlePercent (const juce::String& name, const juce::String& label)
    : QuilParamGrittle (name, label)
{
    gNames = { "0", "25", "50", "75", "100" };
    gSteps = 0;
}

juce::String QuilParamGrittlePercent::getText (float n, int m) const         { return QuilParam::getText (n, m); }
float QuilParamGrittlePercent::getValueForText (const juce::String& t) const { return QuilParam::getValueForText (t); }

QuilParamFilterTypeSVF3::QuilParamFilterTypeSVF3 (const juce::String& name, const juce::String& label)
    : QuilParamGrittle (name, label)
{
    setDisplayRange (1.0, 3.0);
    gSteps = 0;
    gNames = { "LP", "BP", "HP" };
}

juce::String QuilParamFilterTypeSVF3::getText (float n, int m) const         { return QuilParam::getText (n, m); }
float QuilParamFilterTypeSVF3::getValueForText (const juce::String& t) const { return QuilParam::getValueForText (t); }

juce::String QuilParamOnOff::getText (float n, int m) const                  { return cutToLength (n > 0.0f ? onText : offText, m); }
float QuilParamOnOff::getValueForText (const juce::String& t) const          { return t.getDoubleValue() > 0.0 ? 1.0f : 0.0f; }

juce::String QuilParamNamedSelector::getText (float n, int) const
{
    const int i = (int) (n * rangeEndF);
    return juce::isPositiveAndBelow (i, names.size()) ? names[i] : juce::String();
}

float QuilParamNamedSelector::getValueForText (const juce::String& t) const
{
    return juce::jlimit (0.0f, 1.0f, (float) t.getDoubleValue() / rangeEndF);
}

//==============================================================================
QuilParamStereoMod::QuilParamStereoMod (const juce::String& name, QuilParam* l, QuilParam* r)
    : QuilParam (name, name, name, 0.0), left (l), right (r)
{
    setRange (0.0, 2.0);
    setNumSteps (3);
    setMeta (true);
}

void QuilParamStereoMod::setValue (float n)
{
    QuilParam::setValue (n);
    if (n == 1.0f && left != nullptr && right != nullptr)
        right->setValue (1.0f - left->getValue());
}

juce::String QuilParamStereoMod::getText (float n, int) const
{
    switch ((int) toReal (n))
    {
        case 1:  return "Stereo (linked)";
        case 2:  return "Stereo (unlinked)";
        default: return "Mono";
    }
}

float QuilParamStereoMod::getValueForText (const juce::String& t) const { return QuilParam::getValueForText (t); }
