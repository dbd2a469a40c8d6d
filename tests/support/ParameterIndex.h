#pragma once

#include "core/VortaneAudioProcessor.h"
#include "params/QuilParam.h"

#include <vector>

/** The processor's parameter indices, as hosts number them. */
enum ParamIndex { power = 0, in = 1, cutoff = 2, resonance = 3, type = 4, drive = 5, driveMode = 6, out = 7,
                  inCv1Stereo = 8, typeCv2Stereo = 17, outCv2Stereo = 19,
                  inCv1Left = 20, cutoffCv1Left = 21, typeCv1Left = 23,
                  driveCv2Right = 42, numParams = 44 };

inline QuilParam& quilParam (juce::AudioProcessor& p, int index)
{
    return *dynamic_cast<QuilParam*> (p.getParameters()[index]);
}

/** A real gesture, as a control makes it. */
inline void gesture (juce::AudioProcessor& p, int index, float normalised)
{
    auto& prm = quilParam (p, index);
    prm.beginChangeGesture();
    prm.setValueNotifyingHost (normalised);
    prm.endChangeGesture();
}

/** Records the parameter indices a controller map reports. */
struct MappingRecorder : MidiCCListener::Listener
{
    void midiMappingChanged (int index) override { indices.push_back (index); }
    std::vector<int> indices;
};
