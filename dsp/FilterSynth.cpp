#include "dsp/FilterSynth.h"
#include "midi/MidiCCListener.h"

namespace
{
    constexpr int bankController = 118;
    constexpr int presetController = 119;
    constexpr int resetController = 120;

    // value / 127 as a float: 127 gives exactly 1.0f.
    constexpr float controllerScale = 0.007874015718698502f;
}

FilterSynth::FilterSynth (MidiCCListener* listener) : ccListener (listener) {}

FilterSynth::~FilterSynth() = default;

void FilterSynth::handleMidiEvent (const juce::MidiMessage& m)
{
    const auto* raw = m.getRawData();

    // The framework takes controller 120 for "all sound off" and never passes it
    // on; here it resets the filter.
    if (m.getRawDataSize() >= 3 && (raw[0] & 0xf0) == 0xb0 && raw[1] == resetController)
    {
        handleController ((raw[0] & 0x0f) + 1, resetController, raw[2]);
        return;
    }

    juce::Synthesiser::handleMidiEvent (m);
}

void FilterSynth::handleController (int midiChannel, int controllerNumber, int controllerValue)
{
    // Data bytes of a well-formed message are 7-bit; a host may still pass any
    // byte, and the controller number indexes the map.
    if (ccListener != nullptr && controllerNumber >= 0 && controllerNumber < MidiCCListener::numControllers)
    {
        const int value = juce::jlimit (0, 127, controllerValue);

        ccListener->learnController (controllerNumber);

        const int mapped = ccListener->getMappedParameter (controllerNumber);
        if (mapped != -1)
            ccListener->ccMappedValueChanged (mapped, (float) value * controllerScale);

        switch (controllerNumber)
        {
            case resetController: ccListener->resetVoices(); break;
            case presetController: ccListener->presetSelectRequested (value, ccListener->storedBank.load()); break;
            case bankController: ccListener->storedBank.store (value); break;
            default: break;
        }
    }

    juce::Synthesiser::handleController (midiChannel, controllerNumber, controllerValue);
}
