#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include "core/PresetRequestQueue.h"
#include "core/ProcessorData.h"
#include "dsp/FilterSynth.h"
#include "midi/MidiCCListener.h"
#include "midi/PrefsFile.h"
#include "params/QuilParamUndo.h"
#include "params/StereoMirrorNotices.h"
#include "presets/PresetManager.h"

/** The plug-in's processor: owns the buses, parameters, synthesiser (the filter
    engine), undo history and the data block shared with the editor, and joins the
    preset manager, the controller map and the preferences file. */
class VortaneAudioProcessor : public juce::AudioProcessor,
                              public PresetManager,
                              public MidiCCListener,
                              public PrefsFile
{
public:
    VortaneAudioProcessor();
    ~VortaneAudioProcessor() override;

    //==============================================================================
    const juce::String getName() const override { return "Vortane"; }

    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlock;

    double getTailLengthSeconds() const override { return 36000.0; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return false; }
    bool isMidiEffect() const override { return false; }

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override { return true; }

    // Hosts list the one program by name (VST3 program list, LV2 preset label):
    // it must not be empty.
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return "Default"; }
    void changeProgramName (int, const juce::String&) override {}

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    //==============================================================================
    // PresetManager
    std::unique_ptr<juce::XmlElement> createStateXml (bool withHostState) override;
    void restoreStateFromXml (const juce::XmlElement* preset, bool hostState) override;

    // PrefsFile
    void prefsLoaded (juce::XmlElement* prefs) override;

    // MidiCCListener
    void ccMappedValueChanged (int parameterIndex, float value) override;
    void presetSelectRequested (int presetNumber, int bank) override;
    void resetVoices() override;

    //==============================================================================
    /** Frequency in hertz that a normalised "Cutoff" value stands for; 0 for NaN or
        while the engine has no voice. Any thread, takes no lock (see CutoffLaw). */
    double valueToHz (double normalisedValue) const noexcept;

    /** The audio lock: the synthesiser's recursive lock. */
    const juce::CriticalSection& getAudioLock() const noexcept { return synth.getLock(); }

    ProcessorData data;
    bool rotaryKnobs = true;
    juce::UndoManager undoManager;
    QuilParamUndo paramUndo { &undoManager };
    StereoMirrorNotices stereoMirrors;
    FilterSynth synth { this };

    /** Controller 119's requests, carried from the audio thread to the preset manager. */
    PresetRequestQueue presetRequests { [this] (int presetNumber, int bank)
                                        { loadPresetAsync (presetNumber, bank); } };

private:
    void createParameters();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneAudioProcessor)
};
