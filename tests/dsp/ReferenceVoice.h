#pragma once

// A plain scalar model of the whole signal path: one sample at a time, one channel at a
// time, every step in the order the filter voice is defined by. It shares no code with
// the engine (only the processor's data block, to read the same parameters), so that the
// engine's restructured, two-channel form can be checked against it bit for bit.
//
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

    /** The value with ten decimal places, as the nearest double. */
    inline double tenPlaces (double v)
    {
        char text[64];
        std::snprintf (text, sizeof text, "%.10f", v);
        return std::strtod (text, nullptr);
    }

    inline const Table& prewarpTable()
    {
        static const Table table = []
        {
            Table t {};
            for (int i = 0; i < 4001; ++i)
                t[(size_t) i] = tenPlaces (std::tan (M_PI / 2.0 * (-1.0 + 0.0005 * i)));
            t[0] = -6366.1976713121;
            t[4000] = 6366.1976713121;
            return t;
        }();
        return table;
    }

    inline const Table& octaveTable()
    {
        static const Table table = []
        {
            Table t {};
            for (int i = 0; i < 4001; ++i)
                t[(size_t) i] = tenPlaces (std::pow (2.0, -10.0 + 0.005 * i));
            return t;
        }();
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

    struct Smoother
    {
        double current = 0.0, target = 0.0, step = 0.0, inverseLength = 0.01;
        int countdown = 0, length = 100;

        double advance()
        {
            if (countdown > 0)
            {
                --countdown;
                current += step;
                return current;
            }
            return target;
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

    /** Sixteen direct-form-I sections, one sample at a time. */
    struct IirStage
    {
        static constexpr double b1[16] = { 1.9446458, 1.5540232, 0.97595432, 0.40746891, -0.063381692, -0.42548373,
                                           -0.69633037, -0.89763757, -1.0475865, -1.1596928, -1.2435661, -1.3059118,
                                           -1.3513817, -1.3831247, -1.403249, -1.4130066 };
        static constexpr double b2[16] = { 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.99999976, 1.0000009,
                                           0.99999796, 1.000003, 0.99999698, 1.000002, 0.99999934 };
        static constexpr double c1[16] = { -0.10057879, -0.037846167, 0.076390972, 0.22427535, 0.38734787, 0.55078992,
                                           0.70487637, 0.84452594, 0.96747193, 1.0758351, 1.1639541, 1.2516223,
                                           1.3048864, 1.3750241, 1.4148346, 1.4585557 };
        static constexpr double c2[16] = { -0.0074303941, -0.041986871, -0.1050506, -0.18700685, -0.27793089, -0.3698802,
                                           -0.45768621, -0.53868506, -0.61183943, -0.67846233, -0.7350836, -0.79529738,
                                           -0.83504896, -0.89078399, -0.93089506, -0.97731148 };

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

    /** The linear integrator update of the one-poles (mode 1). */
    inline double driveShape (double& state, double g, double hp)
    {
        const double v = state + g * hp;
        const double y = v;
        state = g * hp + y;
        return y;
    }

    inline double cold (double u)
    {
        const double t = std::clamp (u - 0.250000906467479, -1.208332426865855, 1.708334239800812);
        const double a = 0.5480535820147318 * t;
        const double a2 = a * a;
        const double a4 = a2 * a2;
        return t + 0.25 - a4 * a2 * a;
    }

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

    /** 4 v^2 / (3.857142857142857 - 2.857142857142857 v^2). */
    inline double level (double v)
    {
        const double v2 = v * v;
        return 4.0 * v2 / (3.857142857142857 - 2.857142857142857 * v2);
    }

    inline double finiteOrZero (float x) { return std::isfinite (x) ? (double) x : 0.0; }

    class Voice
    {
    public:
        explicit Voice (const ProcessorData& d) : data (d)
        {
            const double fs = d.sampleRate.load();
            sampleRate = fs;
            inverseSampleRate = 1.0 / fs;
            fadeStep = 20.0 * (1.0 / fs);
            centreOverNyquist = 2.0 * 640.0 / fs;
        }

        void prepare (double fs, int blockSize)
        {
            sampleRate = fs;
            inverseSampleRate = 1.0 / fs;
            fadeStep = 20.0 * (1.0 / fs);

            const int n = (int) (fs * 0.05);
            const double inverse = 1.0 / std::trunc (fs * 0.05);
            for (auto* s : allSmoothers())
            {
                s->length = n;
                s->inverseLength = inverse;
                s->current = s->target;
                s->countdown = 0;
            }

            centreOverNyquist = 2.0 * 640.0 / fs;
            releaseCoefficient = std::min (1.0, 1000.0 / (150.0 * (fs / blockSize)));
        }

        void resetFilter()
        {
            for (int ch = 0; ch < 2; ++ch)
                s1[ch] = s2[ch] = 0.0;
            for (auto& v : perSample)
                v[0] = v[1] = 0.0;
            updateParameterTargets();
        }

        void updateParameterTargets()
        {
            main[0].retarget (data.cutoff->getRealValue());
            main[1].retarget (data.resonance->getRealValue());
            main[2].retarget (data.type->getRealValue());
            main[3].retarget (data.in->getRealValue());
            main[4].retarget (data.out->getRealValue());
            main[5].retarget (data.drive->getRealValue());
            main[6].retarget (data.driveMode->getRealValue());

            power = std::clamp (data.power->getRealValue(), 0.0, 1.0);

            for (int side = 0; side < 2; ++side)
                for (int input = 0; input < 2; ++input)
                    for (int dest : { destIn, destCutoff, destResonance, destType, destDrive, destOut })
                    {
                        const double v = data.depth[dest][input][side]->getRealValue();
                        const double shaped = (-0.25 < v && v < 0.25) ? 16.0 * (v * v * v) : v;
                        depth[dest][input][side].retarget (shaped);
                    }
        }

        void render (juce::AudioBuffer<float>& buffer, int startSample, int numSamples)
        {
            updateParameterTargets();

            if (startSample == 0)
                for (int side = 0; side < 2; ++side)
                    inputPeak[side] = outputPeak[side] = cvHeld[side] = 0.0;

            const int mainIn = data.mainInputChannels.load();
            const int sideChain = data.sideChainChannels.load();
            const int mainOut = data.mainOutputChannels.load();

            const int inRChannel = mainIn == 1 ? 0 : 1;
            const int cv1Channel = mainIn == 1 ? 1 : 2;
            int cv2Channel = 3;
            if (mainIn == 1 && sideChain == 2) cv2Channel = 2;
            if (mainIn != 1 && sideChain == 1) cv2Channel = 2;
            if (mainIn == 1 && sideChain == 1) cv2Channel = 1;

            auto read = [&] (int ch, int i) { return ch < buffer.getNumChannels() ? finiteOrZero (buffer.getSample (ch, i)) : 0.0; };

            for (int i = startSample; i < startSample + numSamples; ++i)
            {
                double input[2] = { read (0, i), read (inRChannel, i) };
                cvSample[0] = read (cv1Channel, i);
                cvSample[1] = read (cv2Channel, i);
                if (mainOut != 2)
                    input[1] = input[0];

                const double c = main[0].advance();
                const double r = main[1].advance();
                const double t = main[2].advance();
                const double aIn = main[3].advance();
                const double aOut = main[4].advance();
                const double d = main[5].advance();
                const double m = main[6].advance();

                double wet[2];

                for (int side = 0; side < 2; ++side)
                {
                    double cvSum[numDestinations] {};

                    for (int cvInput = 0; cvInput < 2; ++cvInput)
                        for (int dest : { destCutoff, destResonance, destType, destIn, destOut, destDrive })
                        {
                            const double dL = depth[dest][cvInput][0].advance();
                            const double dR = depth[dest][cvInput][1].advance();
                            const int mode = (int) data.stereoMode[dest][cvInput]->getRealValue();
                            double amount = dL;
                            if (side == 1)
                                amount = mode == 0 ? dL : mode == 1 ? -dL : dR;
                            cvSum[dest] += amount * cvSample[cvInput];
                        }

                    const double cutoffMod = std::clamp (cvSum[destCutoff] + c, 0.0, 1.0);
                    const double resonanceMod = std::clamp (cvSum[destResonance] + r, 0.0, 1.1);
                    const double typeMod = std::clamp (cvSum[destType] + t, 0.0, 1.0);
                    const double inMod = std::clamp (cvSum[destIn] + aIn, 0.0, 1.0);
                    const double outMod = std::clamp (cvSum[destOut] + aOut, 0.0, 1.0);
                    const double driveMod = std::clamp (cvSum[destDrive] + d, 0.0, 1.0);

                    const double gainedInput = level (inMod) * input[side];

                    inputPeak[side] = std::max (inputPeak[side], std::fabs (gainedInput));
                    if (std::fabs (cvHeld[side]) < std::fabs (cvSample[side]))
                        cvHeld[side] = cvSample[side];

                    const double x = std::clamp (std::clamp (2.0 * cutoffMod - 1.0, -1.0, 1.0) * 5.0, -10.0, 10.0);
                    const double ratio = octave (x);
                    const double w = std::clamp (ratio * centreOverNyquist, 0.0, 1.0);
                    const double normalisedFrequency = 0.25 * w;

                    double u[4];
                    for (int n = 0; n < 4; ++n)
                        u[n] = outerUp[side].process (n == 0 ? 4.0 * gainedInput : 0.0);

                    typeIndex[side] = (int) std::trunc (2.0 * typeMod);
                    typeFraction[side] = 2.0 * typeMod - std::trunc (2.0 * typeMod);
                    g[side] = prewarp (normalisedFrequency);
                    k[side] = 2.0 - 2.0 * resonanceMod + g[side];
                    denominator[side] = k[side] * g[side] + 1.0;
                    saturationCoefficient[side] = 6.0 * normalisedFrequency;
                    saturationLimit[side] = std::sqrt (0.37500000000037503 / normalisedFrequency);

                    double y[4];
                    for (int n = 0; n < 4; ++n)
                        y[n] = filterStep (side, u[n], driveMod, m);

                    const double filtered = outerDown[side].process (y[0]);
                    for (int n = 1; n < 4; ++n)
                        outerDown[side].process (y[n]);

                    wet[side] = level (outMod) * filtered;
                    outputPeak[side] = std::max (outputPeak[side], std::fabs (wet[side]));

                    const double values[] = { input[side], cvSample[side], wet[side], gainedInput, filtered, cutoffMod,
                                              normalisedFrequency, resonanceMod, typeMod, inMod, outMod, driveMod };
                    for (size_t v = 0; v < perSample.size(); ++v)
                        perSample[v][(size_t) side] = values[v];
                }

                if (power > 0.5)
                    fade += fadeStep;
                else
                    fade -= fadeStep;
                fade = std::clamp (fade, 0.0, 1.0);

                if (mainOut == 2)
                {
                    for (int ch = 0; ch < 2; ++ch)
                        if (ch < buffer.getNumChannels())
                            buffer.setSample (ch, i, (float) ((1.0 - fade) * input[ch] + fade * wet[ch]));
                }
                else if (buffer.getNumChannels() > 0)
                {
                    const double dry = (input[0] + input[1]) * 0.5;
                    const double mixedWet = (wet[0] + wet[1]) * 0.5;
                    buffer.setSample (0, i, (float) ((1.0 - fade) * dry + fade * mixedWet));
                }
            }

            if (startSample + numSamples == buffer.getNumSamples())
                finishBlock();
        }

        double lastWet (int side) const { return perSample[2][(size_t) side]; }

        // What the voice publishes at the end of a host block.
        float inputLevel[2] {}, outputLevel[2] {}, cvLevel[2] {};
        bool inputClip[2] {}, outputClip[2] {};
        double displayValues[12] {};

    private:
        double filterStep (int ch, double x, double a, double m)
        {
            x = std::clamp (x, -1.25, 1.25);
            const double x2 = x * x;
            const double clipped = x - 0.08192000838 * (x2 * x2 * x);

            const double hp = (clipped - (k[ch] * s1[ch] + s2[ch])) / denominator[ch];
            const double limit = saturationLimit[ch];
            const double c = saturationCoefficient[ch] * 0.148148148148;

            const double v = std::clamp (s1[ch] + g[ch] * hp, -limit, limit);
            const double bp = v * (1.0 - c * (v * v));
            s1[ch] = g[ch] * hp + bp;

            const double u = std::clamp (s2[ch] + g[ch] * bp, -limit, limit);
            const double lp = u * (1.0 - c * (u * u));
            s2[ch] = g[ch] * bp + lp;

            const double out[4] = { lp, bp, hp, 0.0 };
            const int i = typeIndex[ch];
            const double y = out[i] + typeFraction[ch] * (out[i + 1] - out[i]);

            // Drive chain.
            const double onePoleFrequency = (120.0 - 90.0 * m) * inverseSampleRate;

            const double g1 = prewarp (onePoleFrequency);
            const double lp1 = (g1 * y + preState[ch]) / (1.0 + g1);
            const double r1 = driveShape (preState[ch], g1, y - lp1);

            const double z = y - 0.75 * a * r1;

            double q[4];
            for (int n = 0; n < 4; ++n)
                q[n] = innerUp[ch].process (n == 0 ? 4.0 * z : 0.0);

            const double gain = 1.0 + 31.0 * (a * a);
            double s[4];
            for (int n = 0; n < 4; ++n)
                s[n] = m >= 0.5 ? hot (gain * q[n]) : cold (gain * q[n]);

            const double dd = innerDown[ch].process (s[0]);
            for (int n = 1; n < 4; ++n)
                innerDown[ch].process (s[n]);

            const double g2 = prewarp (onePoleFrequency);
            const double lp2 = (g2 * dd + postState[ch]) / (1.0 + g2);
            const double r2 = driveShape (postState[ch], g2, dd - lp2);

            const double w = dd + 2.0 * a * r2;
            const double b = 1.0 - a;
            return w * (1.0 - (0.85 - 0.1 * m) * (1.0 - b * b * b));
        }

        void finishBlock()
        {
            for (int side = 0; side < 2; ++side)
            {
                meterLevel[0][side] = meterLevel[0][side] > inputPeak[side]
                                          ? meterLevel[0][side] + (inputPeak[side] - meterLevel[0][side]) * releaseCoefficient
                                          : inputPeak[side];
                meterLevel[1][side] = meterLevel[1][side] > outputPeak[side]
                                          ? meterLevel[1][side] + (outputPeak[side] - meterLevel[1][side]) * releaseCoefficient
                                          : outputPeak[side];
                const double largest = std::numeric_limits<float>::max();
                inputLevel[side] = (float) std::min (meterLevel[0][side], largest);
                outputLevel[side] = (float) std::min (meterLevel[1][side], largest);
                inputClip[side] = inputClip[side] || inputPeak[side] > 1.0;
                outputClip[side] = outputClip[side] || outputPeak[side] > 1.0;
                cvLevel[side] = (float) cvHeld[side];
            }

            // In, Cutoff, Resonance, Type, Drive, Out; perSample holds them at 9, 5, 7, 8, 11, 10.
            const int order[6] = { 9, 5, 7, 8, 11, 10 };
            for (int i = 0; i < 6; ++i)
                for (int side = 0; side < 2; ++side)
                    displayValues[2 * i + side] = i == 4 ? std::clamp (perSample[11][(size_t) side], 0.0, 1.0)
                                                         : perSample[(size_t) order[i]][(size_t) side];
        }

        std::array<Smoother*, 31> allSmoothers()
        {
            std::array<Smoother*, 31> all {};
            size_t n = 0;
            for (auto& s : main)
                all[n++] = &s;
            for (auto& dest : depth)
                for (auto& input : dest)
                    for (auto& s : input)
                        all[n++] = &s;
            return all;
        }

        const ProcessorData& data;

        double sampleRate = 44100.0, inverseSampleRate = 1.0 / 44100.0;
        double fadeStep = 20.0 / 44100.0, fade = 0.0, power = 0.0;
        double centreOverNyquist = 2.0 * 640.0 / 44100.0;
        double releaseCoefficient = 0.019349962207105064;

        Smoother main[7];                       // Cutoff, Resonance, Type, In, Out, Drive, Drive Mode
        Smoother depth[numDestinations][2][2];  // [destination][control input][side]

        IirStage outerUp[2], outerDown[2], innerUp[2], innerDown[2];

        int typeIndex[2] {};
        double typeFraction[2] {}, denominator[2] {}, k[2] {}, g[2] {};
        double saturationCoefficient[2] {}, saturationLimit[2] {};
        double s1[2] {}, s2[2] {};
        double preState[2] {}, postState[2] {};

        double cvSample[2] {};
        // input, cv, wet, gainedInput, filtered, cutoffMod, normalisedFrequency,
        // resonanceMod, typeMod, inMod, outMod, driveMod, each L and R
        std::array<std::array<double, 2>, 12> perSample {};

        double inputPeak[2] {}, outputPeak[2] {}, cvHeld[2] {};
        double meterLevel[2][2] {};
    };
}
