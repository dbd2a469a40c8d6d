#pragma once

#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <cmath>
#include <complex>
#include <vector>

/** Renders a steady sine through a real processor and measures the output's amplitude
    at the sine's frequency (a single-bin Fourier sum over whole periods). */
class ToneMeasurement
{
public:
    explicit ToneMeasurement (TestProcessor& p, int samplesPerBlock = 480) : processor (p), blockSize (samplesPerBlock) {}

    /** Output amplitude / input amplitude at frequency, in dB, for output channel 0. */
    double gainDb (double frequency, double amplitude = 0.05, double settleSeconds = 0.15, double measureSeconds = 0.2)
    {
        const double fs = processor->getSampleRate();
        const auto output = render (frequency, amplitude, settleSeconds, measureSeconds);

        // A whole number of periods.
        const auto periods = std::floor ((double) output.size() * frequency / fs);
        const auto length = (size_t) std::llround (periods * fs / frequency);

        std::complex<double> sum;
        for (size_t i = 0; i < length && i < output.size(); ++i)
        {
            const double phase = 2.0 * juce::MathConstants<double>::pi * frequency * (double) (start + (long long) i) / fs;
            sum += output[i] * std::complex<double> (std::cos (phase), -std::sin (phase));
        }

        const double measured = 2.0 * std::abs (sum) / (double) length;
        return 20.0 * std::log10 (measured / amplitude);
    }

    /** Renders a sine on every main input channel (side chain silent); returns the part of
        output channel 0 after the settling time. */
    std::vector<double> render (double frequency, double amplitude, double settleSeconds, double measureSeconds)
    {
        const double fs = processor->getSampleRate();
        const auto settle = (long long) (settleSeconds * fs);
        const auto total = settle + (long long) (measureSeconds * fs);
        const int mainInputs = processor->getBus (true, 0)->getNumberOfChannels();

        std::vector<double> kept;
        juce::MidiBuffer midi;
        start = position + settle;

        for (long long done = 0; done < total; done += blockSize)
        {
            auto buffer = processor.makeBuffer (blockSize);
            for (int ch = 0; ch < mainInputs; ++ch)
                SignalGenerator::fillSine (buffer, ch, amplitude, frequency, fs, position);

            processor->processBlock (buffer, midi);

            for (int i = 0; i < blockSize; ++i)
                if (position + i >= start)
                    kept.push_back (buffer.getSample (0, i));

            position += blockSize;
        }

        return kept;
    }

private:
    TestProcessor& processor;
    int blockSize;
    long long position = 0;
    long long start = 0;
};
