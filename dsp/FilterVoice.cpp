#include "dsp/FilterVoice.h"
#include "core/ProcessorData.h"

FilterVoice::FilterVoice (ProcessorData* d) : data (d) {}

FilterVoice::~FilterVoice() = default;

void FilterVoice::prepare (double, int) {}

void FilterVoice::resetFilter() { updateParameterTargets(); }

void FilterVoice::updateParameterTargets() {}

void FilterVoice::renderNextBlock (juce::AudioBuffer<float>& buffer, int startSample, int numSamples)
{
    // Until the filter engine lands, the voice passes the main input through.
    const int inputs = data->mainInputChannels.load();
    const int outputs = data->mainOutputChannels.load();
    const int channels = buffer.getNumChannels();

    if (channels == 0 || inputs == 0)
        return;

    if (outputs >= 2 && inputs == 1 && channels > 1)
        buffer.copyFrom (1, startSample, buffer, 0, startSample, numSamples);
}
