#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <vector>

/** A mouse event on a component, for handlers called directly (no window needed). */
inline juce::MouseEvent mouseEventAt (juce::Component& component, juce::Point<float> position,
                                      juce::ModifierKeys mods = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                             juce::MouseInputSource::defaultTiltY, &component, &component, now, position, now, 1, false);
}

/** Modifier sets of a plain click and of the two pop-up clicks (right button, control). */
namespace Clicks
{
    inline juce::ModifierKeys left()    { return juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier); }
    inline juce::ModifierKeys right()   { return juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier); }
    inline juce::ModifierKeys control() { return juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier
                                                                     | juce::ModifierKeys::ctrlModifier); }
}

/** A parameter as a host sees it: its change gestures counted, and the values it is
    told, in order (value: the last one, or the value when the host started looking). */
struct GestureCounter : juce::AudioProcessorParameter::Listener
{
    explicit GestureCounter (juce::AudioProcessorParameter& p) : parameter (p), value (p.getValue()) { parameter.addListener (this); }
    ~GestureCounter() override { parameter.removeListener (this); }

    void parameterValueChanged (int, float v) override
    {
        ++valueChanges;
        value = v;
        values.push_back (v);
    }
    void parameterGestureChanged (int, bool starting) override { ++(starting ? begins : ends); }

    juce::AudioProcessorParameter& parameter;
    int begins = 0, ends = 0, valueChanges = 0;
    float value;
    std::vector<float> values;
};
