#pragma once

// A plain scalar model of the whole signal path: one sample and one channel at a time,
// every step in the order the filter voice is defined by. It shares no code with the
// engine (only the processor's data block, to read the same parameters), so that the
// engine's two-channel, chunked, pipelined form can be checked against it bit for bit.
// Powers are the explicit products the engine uses too (x^5 = x2 * x2 * x and so on):
// the order of rounding is part of the result.

#include "core/ProcessorData.h"
#include "params/QuilParamTypes.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace reference
{
    using Table = std::array<double, 4001>;

    /** f at every entry, each the nearest double to its value with ten decimal places. */
    template <typename Function>
    Table tenPlaceTable (Function f)
    {
        Table t {};
        for (int i = 0; i < 4001; ++i)
        {
            char text[64];
            std::snprintf (text, sizeof text, "%.10f", f (i));
            t[(size_t) i] = std::strtod (text, nullptr);
        }
        return t;
    }

    /** tan(pi/2 x) for x = -1 .. 1, with the values at -+0.9999 at the (infinite) ends. */
    inline const Table& prewarpTable()
    {
        static const Table table = tenPlaceTable ([] (int i) { return i == 0 ? -6366.1976713121 : i == 4000 ? 6366.1976713121
                                                                           : std::tan (M_PI / 2.0 * (-1.0 + 0.0005 * i)); });
        return table;
    }

    /** 2^x for x = -10 .. 10. */
    inline const Table& octaveTable()
    {
        static const Table table = tenPlaceTable ([] (int i) { return std::pow (2.0, -10.0 + 0.005 * i); });
        return table;
    }

    /** p = (x + x0) * s; linear between entries i and i + 1 (i itself at the top). */
    inline double lookUp (const Table& t, double x, double x0, double s)
    {
        const double p = (x + x0) * s;
        const int i = (int) std::trunc (p);
        const int j = i == 4000 ? i : i + 1;
        return t[(size_t) i] + (t[(size_t) j] - t[(size_t) i]) * (p - std::trunc (p));
    }

    inline double prewarp (double x) { return lookUp (prewarpTable(), x, 1.0, 2000.0); }
    inline double octave (double x)  { return lookUp (octaveTable(), x, 10.0, 200.0); }

    /** A linear ramp to the latest target over a fixed number of advances. */
    struct Smoother
    {
        double current = 0.0, target = 0.0, step = 0.0, inverseLength = 0.01;
        int countdown = 0, length = 100;

        double advance()
        {
            if (countdown <= 0)
                return target;
            --countdown;
            return current += step;
        }

        void retarget (double v)
        {
            if (v != target)
            {
                target = v;
                countdown = length;
                step = (v - current) * inverseLength;
            }
        }
    };

    /** The oversampling low-pass: sixteen direct-form-I sections, one sample at a time. */
    struct IirStage
    {
        static constexpr double b1[16] = { 1.9446458, 1.5540232, 0.97595432, 0.40746891, -0.063381692, -0.42548373, -0.69633037,
                                           -0.89763757, -1.0475865, -1.1596928, -1.2435661, -1.3059118, -1.3513817, -1.3831247, -1.403249, -1.4130066 };
        static constexpr double b2[16] = { 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.99999976, 1.0000009, 0.99999796, 1.000003, 0.99999698,
                                           1.000002, 0.99999934 };
        static constexpr double c1[16] = { -0.10057879, -0.037846167, 0.076390972, 0.22427535, 0.38734787, 0.55078992, 0.70487637, 0.84452594,
                                           0.96747193, 1.0758351, 1.1639541, 1.2516223, 1.3048864, 1.3750241, 1.4148346, 1.4585557 };
        static constexpr double c2[16] = { -0.0074303941, -0.041986871, -0.1050506, -0.18700685, -0.27793089, -0.3698802, -0.45768621, -0.53868506,
                                           -0.61183943, -0.67846233, -0.7350836, -0.79529738, -0.83504896, -0.89078399, -0.93089506, -0.97731148 };

        double x1[16] {}, x2[16] {}, y1[16] {}, y2[16] {};

        double process (double in)
        {
            double x = in * 0.00015379536;
            for (int i = 0; i < 16; ++i)
            {
                const double y = x + b1[i] * x1[i] + b2[i] * x2[i] + c1[i] * y1[i] + c2[i] * y2[i];
                x2[i] = x1[i];
                x1[i] = x;
                y2[i] = y1[i];
                y1[i] = y;
                x = y;
            }
            return x;
        }
    };

    /** "Cold": rises to 1.5 at u ~ 1.7083, folds back above, flat below u ~ -0.9583. */
    inline double cold (double u)
    {
        const double t = std::clamp (u - 0.250000906467479, -1.208332426865855, 1.708334239800812);
        const double a = 0.5480535820147318 * t;
        const double a2 = a * a;
        const double a4 = a2 * a2;
        return t + 0.25 - a4 * a2 * a;
    }

    /** "Hot": +1 at u = 1.5 and -1 at u = -1.125, flat beyond. */
    inline double hot (double u)
    {
        if (u >= 0.0)
        {
            const double v = std::clamp (u, 0.0, 1.5);
            return v - 0.14814814814 * (v * v * v);
        }

        const double v = std::clamp (u, -1.125, 0.0);
        const double v2 = v * v;
        const double v4 = v2 * v2;
        const double v8 = v4 * v4;
        return v - 0.04330493 * (v8 * v);
    }

    /** The level law of "In" and "Out": 28 v^2 / (27 - 20 v^2), unity at 0.75. */
    inline double level (double v)
    {
        const double v2 = v * v;
        return 4.0 * v2 / (3.857142857142857 - 2.857142857142857 * v2);
    }

    /** The zero-delay-feedback one-pole: returns its integrator's new output for x. */
    inline double onePole (double& state, double g, double x)
    {
        const double highPass = x - (g * x + state) / (1.0 + g);
        const double y = state + g * highPass;
        state = g * highPass + y;
        return y;
    }

    inline double finiteOrZero (float x) { return std::isfinite (x) ? (double) x : 0.0; }

    class Voice
    {
    public:
        explicit Voice (const ProcessorData& d) : data (d) {}

        void prepare (double fs, int blockSize)
        {
            inverseSampleRate = 1.0 / fs;
            fadeStep = 20.0 * (1.0 / fs);
            centreOverNyquist = 2.0 * 640.0 / fs;
            releaseCoefficient = std::min (1.0, 1000.0 / (150.0 * (fs / blockSize)));

            auto restart = [fs] (Smoother& s)
            {
                s.length = (int) (fs * 0.05);
                s.inverseLength = 1.0 / std::trunc (fs * 0.05);
                s.current = s.target;
                s.countdown = 0;
            };
            for (auto& s : main)
                restart (s);
            for (auto& destination : depth)
                for (auto& input : destination)
                    for (auto& s : input)
                        restart (s);
        }

        /** Controller 120: the filter's integrators start again from zero. */
        void resetFilter() { s1[0] = s1[1] = s2[0] = s2[1] = 0.0; }

        void render (juce::AudioBuffer<float>& buffer, int startSample, int numSamples)
        {
            retargetAll();

            if (startSample == 0)
                for (int side = 0; side < 2; ++side)
                    inputPeak[side] = outputPeak[side] = cvHeld[side] = 0.0;

            // Main inputs first, then the side chain; CV 2 is the side chain's last channel.
            const int mainIn = data.mainInputChannels.load();
            const int cv1Channel = mainIn, cv2Channel = mainIn + data.sideChainChannels.load() - 1;
            const bool stereoOut = data.mainOutputChannels.load() == 2;

            auto read = [&] (int ch, int i) { return ch < buffer.getNumChannels() ? finiteOrZero (buffer.getSample (ch, i)) : 0.0; };

            for (int i = startSample; i < startSample + numSamples; ++i)
            {
                const double cv[2] = { read (cv1Channel, i), read (cv2Channel, i) };
                const double input[2] = { read (0, i), read (mainIn == 2 && stereoOut ? 1 : 0, i) };

                double values[7];   // Cutoff, Resonance, Type, In, Out, Drive, Drive Mode
                for (int p = 0; p < 7; ++p)
                    values[p] = main[p].advance();

                double wet[2];
                for (int side = 0; side < 2; ++side)
                {
                    double sum[numDestinations] {};
                    for (int cvInput = 0; cvInput < 2; ++cvInput)
                        for (int dest = 0; dest < numDestinations; ++dest)
                        {
                            const double l = depth[dest][cvInput][0].advance(), r = depth[dest][cvInput][1].advance();
                            const int mode = stereoMode[dest][cvInput];
                            sum[dest] += (side == 0 || mode == 0 ? l : mode == 1 ? -l : r) * cv[cvInput];
                        }

                    auto modulated = [&] (int dest, int p, double top) { return std::clamp (sum[dest] + values[p], 0.0, top); };
                    const double cutoff = modulated (destCutoff, 0, 1.0), resonance = modulated (destResonance, 1, 1.1);
                    const double type = modulated (destType, 2, 1.0), in = modulated (destIn, 3, 1.0);
                    const double out = modulated (destOut, 4, 1.0), drive = modulated (destDrive, 5, 1.0);

                    const double gained = level (in) * input[side];
                    inputPeak[side] = std::max (inputPeak[side], std::fabs (gained));
                    if (std::fabs (cvHeld[side]) < std::fabs (cv[side]))
                        cvHeld[side] = cv[side];

                    // Cutoff 640 Hz * 2^(+-5 octaves), at most the host's Nyquist frequency,
                    // as a fraction of the filter rate's (four times the host's).
                    const double octaves = std::clamp (std::clamp (2.0 * cutoff - 1.0, -1.0, 1.0) * 5.0, -10.0, 10.0);
                    const double frequency = 0.25 * std::clamp (octave (octaves) * centreOverNyquist, 0.0, 1.0);

                    typeIndex = (int) std::trunc (2.0 * type);
                    typeFraction = 2.0 * type - std::trunc (2.0 * type);
                    g = prewarp (frequency);
                    k = 2.0 - 2.0 * resonance + g;
                    denominator = k * g + 1.0;
                    saturation = 6.0 * frequency * 0.148148148148;
                    limit = std::sqrt (0.37500000000037503 / frequency);

                    // Zero-stuffed to 4x (gain 4 keeps the level), filtered, decimated keeping
                    // the first of every four samples.
                    double filtered = 0.0;
                    for (int n = 0; n < 4; ++n)
                    {
                        const double y = filterStep (side, outerUp[side].process (n == 0 ? 4.0 * gained : 0.0), drive, values[6]);
                        const double down = outerDown[side].process (y);
                        if (n == 0)
                            filtered = down;
                    }

                    wet[side] = level (out) * filtered;
                    outputPeak[side] = std::max (outputPeak[side], std::fabs (wet[side]));

                    const double shown[] = { in, cutoff, resonance, type, std::clamp (drive, 0.0, 1.0), out };
                    for (int v = 0; v < 6; ++v)
                        displayValues[2 * v + side] = shown[v];
                }

                fade = std::clamp (power > 0.5 ? fade + fadeStep : fade - fadeStep, 0.0, 1.0);

                if (stereoOut)
                {
                    for (int ch = 0; ch < std::min (2, buffer.getNumChannels()); ++ch)
                        buffer.setSample (ch, i, (float) ((1.0 - fade) * input[ch] + fade * wet[ch]));
                }
                else if (buffer.getNumChannels() > 0)
                {
                    // A mono output carries the average of the two sides.
                    const double dry = (input[0] + input[1]) * 0.5, mixedWet = (wet[0] + wet[1]) * 0.5;
                    buffer.setSample (0, i, (float) ((1.0 - fade) * dry + fade * mixedWet));
                }
            }

            if (startSample + numSamples == buffer.getNumSamples())
                for (int side = 0; side < 2; ++side)
                {
                    publish (meterLevel[0][side], inputPeak[side], inputLevel[side], inputClip[side]);
                    publish (meterLevel[1][side], outputPeak[side], outputLevel[side], outputClip[side]);
                    cvLevel[side] = (float) cvHeld[side];
                }
        }

        // What the voice publishes at the end of a host block.
        float inputLevel[2] {}, outputLevel[2] {}, cvLevel[2] {};
        bool inputClip[2] {}, outputClip[2] {};
        double displayValues[12] {};

    private:
        /** Parameter values within their ranges; one that is no number keeps the old one. */
        void retargetAll()
        {
            auto read = [] (const QuilParam* p, auto&& use)
            {
                if (const double v = p->getRealValue(); std::isfinite (v))
                    use (std::clamp (v, p->getRangeStart(), p->getRangeEnd()));
            };

            const QuilParam* mains[] = { data.cutoff, data.resonance, data.type, data.in, data.out, data.drive, data.driveMode };
            for (int p = 0; p < 7; ++p)
                read (mains[p], [&] (double v) { main[p].retarget (v); });
            read (data.power, [&] (double v) { power = v; });

            // Depths below a quarter follow a cubic (16 v^3).
            for (int dest = 0; dest < numDestinations; ++dest)
                for (int cvInput = 0; cvInput < 2; ++cvInput)
                {
                    read (data.stereoMode[dest][cvInput], [&] (double v) { stereoMode[dest][cvInput] = (int) v; });
                    for (int side = 0; side < 2; ++side)
                        read (data.depth[dest][cvInput][side],
                              [&] (double v) { depth[dest][cvInput][side].retarget ((-0.25 < v && v < 0.25) ? 16.0 * (v * v * v) : v); });
                }
        }

        /** One filter-rate sample: input clipper, saturating state-variable filter, type
            morph, then the drive chain at sixteen times the host rate. */
        double filterStep (int ch, double x, double a, double m)
        {
            x = std::clamp (x, -1.25, 1.25);
            const double x2 = x * x;
            const double clipped = x - 0.08192000838 * (x2 * x2 * x);

            const double hp = (clipped - (k * s1[ch] + s2[ch])) / denominator;
            const double v = std::clamp (s1[ch] + g * hp, -limit, limit);
            const double bp = v * (1.0 - saturation * (v * v));
            s1[ch] = g * hp + bp;

            const double u = std::clamp (s2[ch] + g * bp, -limit, limit);
            const double lp = u * (1.0 - saturation * (u * u));
            s2[ch] = g * bp + lp;

            const double outputs[4] = { lp, bp, hp, 0.0 };
            const double y = outputs[typeIndex] + typeFraction * (outputs[typeIndex + 1] - outputs[typeIndex]);

            // Low cut before the shaper and low boost after it, with one-poles from
            // 120 Hz ("Cold") to 30 Hz ("Hot").
            const double onePoleGain = prewarp ((120.0 - 90.0 * m) * inverseSampleRate);
            const double z = y - 0.75 * a * onePole (preState[ch], onePoleGain, y);
            const double gain = 1.0 + 31.0 * (a * a);

            double shaped = 0.0;
            for (int n = 0; n < 4; ++n)
            {
                const double q = gain * innerUp[ch].process (n == 0 ? 4.0 * z : 0.0);
                const double down = innerDown[ch].process (m >= 0.5 ? hot (q) : cold (q));
                if (n == 0)
                    shaped = down;
            }

            const double w = shaped + 2.0 * a * onePole (postState[ch], onePoleGain, shaped);
            const double b = 1.0 - a;
            return w * (1.0 - (0.85 - 0.1 * m) * (1.0 - b * b * b));
        }

        void publish (double& meter, double peak, float& shown, bool& clip) const
        {
            meter = meter > peak ? meter + (peak - meter) * releaseCoefficient : peak;
            shown = (float) std::min (meter, (double) std::numeric_limits<float>::max());
            clip = clip || peak > 1.0;
        }

        const ProcessorData& data;

        double inverseSampleRate = 1.0 / 44100.0, centreOverNyquist = 2.0 * 640.0 / 44100.0;
        double fadeStep = 20.0 / 44100.0, fade = 0.0, power = 0.0, releaseCoefficient = 1.0;

        Smoother main[7];                       // Cutoff, Resonance, Type, In, Out, Drive, Drive Mode
        Smoother depth[numDestinations][2][2];  // [destination][control input][side]
        int stereoMode[numDestinations][2] {};
        IirStage outerUp[2], outerDown[2], innerUp[2], innerDown[2];

        // The filter's coefficients for the side being rendered.
        int typeIndex = 0;
        double typeFraction = 0.0, g = 0.0, k = 0.0, denominator = 1.0, saturation = 0.0, limit = 0.0;

        double s1[2] {}, s2[2] {}, preState[2] {}, postState[2] {};
        double inputPeak[2] {}, outputPeak[2] {}, cvHeld[2] {}, meterLevel[2][2] {};
    };
}
