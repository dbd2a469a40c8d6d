#include "core/VortaneAudioProcessor.h"
#include "dsp/CutoffLaw.h"
#include "dsp/FilterVoice.h"
#include "params/QuilParam.h"

namespace
{
    int channelsOf (const juce::AudioProcessor& p, bool isInput, int busIndex)
    {
        if (auto* bus = p.getBus (isInput, busIndex))
            return bus->getNumberOfChannels();
        return 0;
    }
}

VortaneAudioProcessor::VortaneAudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withInput ("Side Chain", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      PrefsFile ("Vortane")
{
    synth.addSound (new noSound());
    synth.addVoice (new FilterVoice (&data));

    createParameters();

    loadPrefs();

    if (auto first = copyFirstPreset())
        restoreStateFromXml (first.get(), true);

    paramUndo.clearUndoHistory();
}

VortaneAudioProcessor::~VortaneAudioProcessor()
{
    // Preset jobs call back into this object: they end before anything of it goes.
    stopPresetJobs();

    // The voices go first, under the audio lock, so that nothing renders into a
    // half-destroyed processor; the bases and members follow in reverse order.
    const juce::ScopedLock sl (getAudioLock());
    synth.clearVoices();
}

//==============================================================================
bool VortaneAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto mono = juce::AudioChannelSet::mono();
    const auto stereo = juce::AudioChannelSet::stereo();

    const auto sideChain = layouts.inputBuses.size() > 1 ? layouts.inputBuses[1] : juce::AudioChannelSet();
    if (sideChain != mono && sideChain != stereo)
        return false;

    const auto in = layouts.getMainInputChannelSet();
    const auto out = layouts.getMainOutputChannelSet();

    return (in == mono && out == mono)
        || (in == stereo && out == stereo)
        || (in == mono && out == stereo);
}

void VortaneAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    // A rate that is not positive would make every rate-dependent coefficient
    // meaningless: keep the last good set-up instead.
    if (! (sampleRate > 0.0) || ! std::isfinite (sampleRate))
        return;

    setLatencySamples (0);

    data.sampleRate.store (sampleRate);
    data.blockSize.store (samplesPerBlock);

    const juce::ScopedLock sl (getAudioLock());
    synth.setCurrentPlaybackSampleRate (sampleRate);

    for (int i = 0; i < synth.getNumVoices(); ++i)
        if (auto* voice = dynamic_cast<FilterVoice*> (synth.getVoice (i)))
            voice->prepare (sampleRate, samplesPerBlock);
}

void VortaneAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    juce::ScopedNoDenormals noDenormals;

    data.mainInputChannels.store (channelsOf (*this, true, 0), std::memory_order_relaxed);
    data.sideChainChannels.store (channelsOf (*this, true, 1), std::memory_order_relaxed);
    data.mainOutputChannels.store (channelsOf (*this, false, 0), std::memory_order_relaxed);

    const int numSamples = buffer.getNumSamples();
    const int bufferChannels = buffer.getNumChannels();
    for (int ch = getTotalNumInputChannels(); ch < juce::jmin (getTotalNumOutputChannels(), bufferChannels); ++ch)
        buffer.clear (ch, 0, numSamples);

    if (bufferChannels > 0)
        synth.renderNextBlock (buffer, midi, 0, numSamples);
}

//==============================================================================
double VortaneAudioProcessor::valueToHz (double v) const noexcept
{
    // Lock-free: the law needs no voice, only whether one exists.
    if (data.liveVoices.load (std::memory_order_relaxed) == 0)
        return 0.0;

    return CutoffLaw::hzForValue (v);
}

//==============================================================================
//==============================================================================
void VortaneAudioProcessor::prefsLoaded (juce::XmlElement* prefs)
{
    if (prefs != nullptr)
        rotaryKnobs = prefs->getBoolAttribute ("rotary", true);
}

void VortaneAudioProcessor::ccMappedValueChanged (int parameterIndex, float value)
{
    const auto& params = getParameters();
    if ((unsigned) parameterIndex < (unsigned) params.size())
        if (auto* p = dynamic_cast<QuilParam*> (params[parameterIndex]))
            p->setValueAsGesture (value);
}

void VortaneAudioProcessor::presetSelectRequested (int presetNumber, int bank)
{
    // Called on the audio thread: loading is the message thread's business.
    presetRequests.push (presetNumber, bank);
}

void VortaneAudioProcessor::resetVoices()
{
    const juce::ScopedLock sl (getAudioLock());
    for (int i = 0; i < synth.getNumVoices(); ++i)
        if (auto* voice = dynamic_cast<FilterVoice*> (synth.getVoice (i)))
            voice->resetFilter();
}

//==============================================================================
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VortaneAudioProcessor();
}
