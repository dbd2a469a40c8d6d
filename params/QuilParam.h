#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <atomic>

/** The maker's parameter: stores a real (plain) value and default as doubles and
    maps them onto the host's normalised 0..1 value through a float range.

    The real value and the lock flag are atomics: the audio thread reads them
    while the host, the interface, learnt MIDI controllers and preset loads write. */
class QuilParam : public juce::AudioProcessorParameterWithID
{
public:
    /** Told after a parameter's lock flag has been set. */
    struct Listener
    {
        virtual ~Listener() = default;
        virtual void parameterLockChanged (QuilParam* param) = 0;
    };

    QuilParam (const juce::String& name, const juce::String& label,
               const juce::String& id, double defaultRealValue);
    ~QuilParam() override;

    //==============================================================================
    float getValue() const override;
    void setValue (float newNormalised) override;
    float getDefaultValue() const override;
    juce::String getLabel() const override;
    int getNumSteps() const override;
    bool isDiscrete() const override;
    bool isBoolean() const override;
    juce::String getText (float normalised, int maximumLength) const override;

    /** The typed text as a normalised value, always finite and within 0..1: hosts
        and the interface take it as it comes. A text that reads as NaN keeps the
        current value; everything else is clamped. Subclasses read text in valueForText. */
    float getValueForText (const juce::String& text) const final;

    bool isAutomatable() const override;
    bool isMetaParameter() const override;

    //==============================================================================
    /** Sets the real value and notifies the host; nothing happens when unchanged or NaN. */
    virtual void setRealValueNotifyingHost (float realValue);
    /** The same inside a begin/end change gesture (used by controls and undo). */
    virtual void setRealValueAsGesture (float realValue);
    /** A normalised value inside a begin/end change gesture, told to the host even when
        unchanged (learnt controllers; the real-value form ends here too). */
    virtual void setValueAsGesture (float newNormalised);

    double getRealValue() const noexcept { return value.load (std::memory_order_relaxed); }
    double getDefaultRealValue() const noexcept { return defaultValue; }

    /** Normalised value for a real value, through the float range. */
    float toNormalised (double realValue) const noexcept;
    /** Real value for a normalised value, through the float range (computed in float). */
    float toReal (float normalised) const noexcept;

    void setRange (double start, double end);
    void setDefaultRealValue (double newDefault, bool alsoSetValue);
    void setNumSteps (int steps) noexcept { numSteps = steps; }
    void setDecimalPlaces (int places) noexcept { decimalPlaces = places; }
    void setAutomatable (bool shouldBe) noexcept { automatable = shouldBe; }
    void setMeta (bool shouldBe) noexcept { meta = shouldBe; }

    double getRangeStart() const noexcept { return rangeStart; }
    double getRangeEnd() const noexcept { return rangeEnd; }
    double getRangeLength() const noexcept { return rangeLength; }
    int getDecimalPlaces() const noexcept { return decimalPlaces; }

    //==============================================================================
    void setLocked (bool shouldBeLocked);
    bool isLocked() const noexcept { return locked.load (std::memory_order_relaxed); }

    void addListener (Listener* l);
    void removeListener (Listener* l);
    using juce::AudioProcessorParameter::addListener;  // the host-side listeners stay reachable
    using juce::AudioProcessorParameter::removeListener;
    /** Tells every own listener, last to first, under the listener lock. */
    void callLockListeners();

    /** Cuts a text to its first maximumLength characters when maximumLength > 0. */
    static juce::String cutToLength (const juce::String& text, int maximumLength);

protected:
    /** The class's own reading of a typed text, before getValueForText makes it safe:
        may be out of range or non-finite. Here: the number less the range start,
        over the range length (text without a number reads as 0). */
    virtual double valueForText (const juce::String& text) const;

    /** True when a typed text is one of the parameter's own texts (trimmed, any case). */
    static bool isOwnText (const juce::String& typed, const juce::String& ownText);

    std::atomic<double> value;
    double defaultValue;
    double rangeStart = 0.0, rangeEnd = 1.0, rangeLength = 1.0;
    float rangeStartF = 0.0f, rangeEndF = 1.0f, rangeLengthF = 1.0f;
    int numSteps = 0;

    juce::CriticalSection listenerLock;
    juce::Array<Listener*> listeners;

    int decimalPlaces = 2;
    bool automatable = true;
    bool meta = false;
    std::atomic<bool> locked { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuilParam)
};
