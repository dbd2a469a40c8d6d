#include "params/QuilParam.h"

#include <cmath>

QuilParam::QuilParam (const juce::String& paramName, const juce::String& paramLabel,
                      const juce::String& id, double defaultRealValue)
    : juce::AudioProcessorParameterWithID (juce::ParameterID (id.isNotEmpty() ? id : paramName, 1), paramName,
                                           juce::AudioProcessorParameterWithIDAttributes().withLabel (paramLabel)),
      value (defaultRealValue),
      defaultValue (defaultRealValue)
{
}

QuilParam::~QuilParam() = default;

float QuilParam::toNormalised (double realValue) const noexcept
{
    return ((float) realValue - rangeStartF) / rangeLengthF;
}

float QuilParam::toReal (float normalised) const noexcept
{
    return normalised * rangeLengthF + rangeStartF;
}

float QuilParam::getValue() const { return toNormalised (getRealValue()); }

// A NaN from a host or a broken preset would reach the filter as a NaN coefficient;
// the parameter keeps its value instead.
void QuilParam::setValue (float n)
{
    if (! std::isnan (n))
        value.store ((double) toReal (n), std::memory_order_relaxed);
}

float QuilParam::getDefaultValue() const { return toNormalised (defaultValue); }
juce::String QuilParam::getLabel() const { return label; }
int QuilParam::getNumSteps() const { return numSteps; }
bool QuilParam::isDiscrete() const { return numSteps >= 2; }
bool QuilParam::isBoolean() const { return numSteps == 2; }
bool QuilParam::isAutomatable() const { return automatable; }
bool QuilParam::isMetaParameter() const { return meta; }

juce::String QuilParam::cutToLength (const juce::String& text, int maximumLength)
{
    return maximumLength > 0 ? text.substring (0, maximumLength) : text;
}

juce::String QuilParam::getText (float n, int maximumLength) const
{
    return cutToLength (juce::String (toReal (n), decimalPlaces), maximumLength);
}

double QuilParam::valueForText (const juce::String& text) const
{
    return (text.getDoubleValue() - (double) rangeStartF) / (double) rangeLengthF;
}

float QuilParam::getValueForText (const juce::String& text) const
{
    const double v = valueForText (text);

    if (std::isnan (v))
    {
        const float current = getValue();
        return std::isnan (current) ? getDefaultValue() : juce::jlimit (0.0f, 1.0f, current);
    }

    return (float) juce::jlimit (0.0, 1.0, v);
}

bool QuilParam::isOwnText (const juce::String& typed, const juce::String& ownText)
{
    return ownText.isNotEmpty() && typed.trim().equalsIgnoreCase (ownText);
}

void QuilParam::setRealValueNotifyingHost (float realValue)
{
    if (std::isnan (realValue) || (float) getRealValue() == realValue)
        return;

    setValueNotifyingHost (toNormalised (realValue));
}

void QuilParam::setRealValueAsGesture (float realValue)
{
    if (std::isnan (realValue) || (float) getRealValue() == realValue)
        return;

    setValueAsGesture (toNormalised (realValue));
}

void QuilParam::setValueAsGesture (float newNormalised)
{
    beginChangeGesture();
    setValueNotifyingHost (newNormalised);
    endChangeGesture();
}

void QuilParam::setRange (double start, double end)
{
    rangeStart = start;
    rangeEnd = end;
    rangeLength = end - start;
    rangeStartF = (float) start;
    rangeEndF = (float) end;
    rangeLengthF = (float) rangeLength;
}

void QuilParam::setDefaultRealValue (double newDefault, bool alsoSetValue)
{
    defaultValue = newDefault;
    if (alsoSetValue)
        value.store (newDefault);
}

void QuilParam::setLocked (bool shouldBeLocked)
{
    locked.store (shouldBeLocked);
    callLockListeners();
}

void QuilParam::callLockListeners()
{
    const juce::ScopedLock sl (listenerLock);
    for (int i = listeners.size(); --i >= 0;)
        if (i < listeners.size())
            if (auto* l = listeners.getUnchecked (i))
                l->parameterLockChanged (this);
}

void QuilParam::addListener (Listener* l)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.addIfNotAlreadyThere (l);
}

void QuilParam::removeListener (Listener* l)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.removeFirstMatchingValue (l);
}
