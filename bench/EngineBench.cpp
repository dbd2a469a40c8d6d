// Ten seconds of stereo noise with a modulated side chain, at 48 kHz in 64-sample blocks,
// through the real processor and through the scalar reference model. Prints each as a
// share of real time on one core, their ratio, and whether the two outputs are identical.

#include "dsp/ReferenceVoice.h"
#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 64;
    constexpr double seconds = 10.0;
    constexpr int numBlocks = (int) (sampleRate * seconds) / blockSize;

    /** The ten seconds of input: main L/R noise, CV 1 and 2 slow sines with noise. */
    struct Material
    {
        Material() : input (4, numBlocks * blockSize)
        {
            SignalGenerator random (7);
            for (int i = 0; i < input.getNumSamples(); ++i)
            {
                input.setSample (0, i, (float) (0.5 * random.noise()));
                input.setSample (1, i, (float) (0.5 * random.noise()));
                input.setSample (2, i, (float) (0.8 * SignalGenerator::sine (2.0, sampleRate, i) + 0.05 * random.noise()));
                input.setSample (3, i, (float) (0.8 * SignalGenerator::sine (3.3, sampleRate, i) + 0.05 * random.noise()));
            }
        }

        juce::AudioBuffer<float> input;
    };

    const Material& material()
    {
        static const Material m;
        return m;
    }

    void configure (ProcessorData& data)
    {
        setReal (data.cutoff, 0.55);
        setReal (data.resonance, 0.7);
        setReal (data.type, 0.3);
        setReal (data.drive, 0.5);
        setReal (data.driveMode, 0.0);
        setReal (data.in, 0.75);
        setReal (data.out, 0.75);
        setReal (data.stereoMode[destCutoff][0], 1.0);
        setReal (data.depth[destCutoff][0][0], 0.4);
        setReal (data.depth[destResonance][1][0], 0.3);
        setReal (data.depth[destType][1][0], 0.5);
        setReal (data.depth[destDrive][0][0], 0.3);
    }

    /** Renders the ten seconds through one of the two paths; returns a checksum of the output. */
    template <typename Render>
    unsigned long long renderAll (Render&& render, juce::AudioBuffer<float>& block)
    {
        const auto& in = material().input;
        unsigned long long checksum = 1469598103934665603ull;

        for (int b = 0; b < numBlocks; ++b)
        {
            for (int ch = 0; ch < 4; ++ch)
                block.copyFrom (ch, 0, in, ch, b * blockSize, blockSize);

            render (block);

            for (int ch = 0; ch < 2; ++ch)
            {
                const auto* bytes = reinterpret_cast<const unsigned char*> (block.getReadPointer (ch));
                for (size_t i = 0; i < sizeof (float) * blockSize; ++i)
                    checksum = (checksum ^ bytes[i]) * 1099511628211ull;
            }
        }

        return checksum;
    }

    struct Result
    {
        double secondsPerRun = 0.0;  // the fastest repetition: the least disturbed by other load
        unsigned long long checksum = 0;

        void add (double elapsed, unsigned long long sum)
        {
            if (secondsPerRun == 0.0 || elapsed < secondsPerRun)
                secondsPerRun = elapsed;
            checksum = sum;
        }
    };

    Result engineResult, referenceResult;

    void engine (benchmark::State& state)
    {
        TestProcessor processor (2, 2, 2, sampleRate, blockSize);
        configure (processor->data);
        juce::AudioBuffer<float> block (4, blockSize);
        juce::MidiBuffer midi;

        for (auto _ : state)
        {
            const auto start = std::chrono::steady_clock::now();
            const auto sum = renderAll ([&] (auto& b)
                                        { processor->processBlock (b, midi); },
                                        block);
            const double elapsed = std::chrono::duration<double> (std::chrono::steady_clock::now() - start).count();
            engineResult.add (elapsed, sum);
            state.counters["percentOfRealTime"] = 100.0 * elapsed / seconds;
        }
    }

    void scalarReference (benchmark::State& state)
    {
        TestProcessor processor (2, 2, 2, sampleRate, blockSize);
        configure (processor->data);
        processor->data.mainInputChannels = 2;
        processor->data.sideChainChannels = 2;
        processor->data.mainOutputChannels = 2;

        reference::Voice model (processor->data);
        model.prepare (sampleRate, blockSize);
        juce::AudioBuffer<float> block (4, blockSize);

        for (auto _ : state)
        {
            const auto start = std::chrono::steady_clock::now();
            const auto sum = renderAll ([&] (auto& b)
                                        {
                juce::ScopedNoDenormals noDenormals;
                model.render (b, 0, blockSize); },
                                        block);
            const double elapsed = std::chrono::duration<double> (std::chrono::steady_clock::now() - start).count();
            referenceResult.add (elapsed, sum);
            state.counters["percentOfRealTime"] = 100.0 * elapsed / seconds;
        }
    }
}

// One iteration each: every iteration starts from a fresh processor, so that both paths
// render the same ten seconds and their outputs can be compared.
BENCHMARK (engine)->Iterations (1)->Repetitions (5)->Unit (benchmark::kMillisecond)->ReportAggregatesOnly (false);
BENCHMARK (scalarReference)->Iterations (1)->Repetitions (3)->Unit (benchmark::kMillisecond);

int main (int argc, char** argv)
{
    // The processor reads and writes its preferences under HOME: keep the real one untouched.
    std::string home = "/tmp/vortane-bench-home-XXXXXX";
    if (mkdtemp (home.data()) == nullptr)
        return 2;
    setenv ("HOME", home.c_str(), 1);

    benchmark::Initialize (&argc, argv);

    {
        juce::ScopedJuceInitialiser_GUI juce;
        material();
        benchmark::RunSpecifiedBenchmarks();
    }

    benchmark::Shutdown();
    juce::File (home).deleteRecursively();

    if (engineResult.secondsPerRun > 0.0 && referenceResult.secondsPerRun > 0.0)
    {
        std::printf ("\n10 s of stereo audio at 48 kHz, 64-sample blocks (fastest run of each):\n");
        std::printf ("  engine:           %6.2f %% of one core\n", 100.0 * engineResult.secondsPerRun / seconds);
        std::printf ("  scalar reference: %6.2f %% of one core\n", 100.0 * referenceResult.secondsPerRun / seconds);
        std::printf ("  speed-up:         %6.2f x\n", referenceResult.secondsPerRun / engineResult.secondsPerRun);
        std::printf ("  outputs bit-identical: %s\n", engineResult.checksum == referenceResult.checksum ? "yes" : "NO");
    }

    return 0;
}
