#include "params/QuilParam.h"

QuilParam::QuilParam (const juce::String& name, const juce::String& label,
                      const juce::String& id, double defaultRealValue)
    : juce::AudioProcessorParameterWithID (juce::ParameterID (id.isNotEmpty() ? id : name, 1), name,
                                           juce::AudioProcessorParameterWithIDAttributes().withLabel (label)),
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

float QuilParam::getValue() const               { return toNormalised (getRealValue()); }
void QuilParam::setValue (float n)              { value.store ((double) toReal (n), std::memory_order_relaxed); }
float QuilParam::getDefaultValue() const        { return toNormalised (defaultValue); }
juce::String QuilParam::getLabel() const        { return label; }
int QuilParam::getNumSteps() const              { return numSteps; }
bool QuilParam::isDiscrete() const              { return numSteps >= 2; }
bool QuilParam::isBoolean() const               { return numSteps == 2; }
bool QuilParam::isAutomatable() const           { return automatable; }
bool QuilParam::isMetaParameter() const         { return meta; }

juce::String QuilParam::cutToLength (const juce::String& text, int maximumLength)
{
    return maximumLength > 0 ? text.substring (0, maximumLength) : text;
}

juce::String QuilParam::getText (float n, int maximumLength) const
{
    return cutToLength (juce::String (toReal (n), decimalPlaces), maximumLength);
}

float QuilParam::getValueForText (const juce::String& text) const
{
    return ((float) text.getDoubleValue() - rangeStartF) / rangeLengthF;
}

void QuilParam::setRealValueNotifyingHost (float realValue)
{
    if ((float) getRealValue() == realValue)
        return;

    setValueNotifyingHost (toNormalised (realValue));
}

void QuilParam::setRealValueAsGesture (float realValue)
{
    if ((float) getRealValue() == realValue)
        return;

    beginChangeGesture();
    setValueNotifyingHost (toNormalised (realValue));
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
