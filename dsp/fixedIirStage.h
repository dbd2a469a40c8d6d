#pragma once

#include "dsp/Double2.h"

#include <utility>

/** The oversampling low-pass: sixteen second-order sections in cascade, direct form I,
    with fixed coefficients; both channels at once. At its own rate it is flat to 0.228
    of its Nyquist frequency and stops at least 95 dB from 0.25 upward, so one stage serves
    as a 4x interpolator (fed one 4x-scaled sample and three zeros) or a 4x decimator (fed
    four samples, one output kept).

    Every section computes y = x + b1 x[n-1] + b2 x[n-2] + c1 y[n-1] + c2 y[n-2], summed
    left to right. A run of samples is processed as a pipeline: at time step t, section i
    works on sample t - i, so the sixteen sections of one step are independent and the
    processor can overlap them; the arithmetic of each section and sample is unchanged.
    The state is never cleared. */
class fixedIirStage
{
public:
    static constexpr int numSections = 16;
    static constexpr int latencySteps = numSections - 1;

    /** Filters numSamples values in place (numSamples a multiple of 4). */
    void process (Double2* samples, int numSamples) noexcept
    {
        runSteps (samples, 0, numSamples + latencySteps, numSamples);
    }

    /** Runs time steps [firstStep, endStep) of a run of numSamples values (a multiple of
        4) held in place in samples. Step t reads samples[t] (for t < numSamples) and
        writes the finished samples[t - 15]; so a caller may produce the input just in
        time, and the run is complete after step numSamples + 14. */
    void runSteps (Double2* samples, int firstStep, int endStep, int numSamples) noexcept
    {
        int t = firstStep;
        const int steadyEnd = endStep < numSamples ? endStep : numSamples;

        // Steps 15 .. numSamples - 1 have every section busy; the others fill or drain.
        for (; t < endStep && (t < latencySteps || t >= numSamples); ++t)
            partialStep (samples, t, numSamples);

        for (; t < steadyEnd && (t & 3) != 0; ++t)
            fullStepAnyPhase (samples, t);

        for (; t + 4 <= steadyEnd; t += 4)
        {
            fullStep<0> (samples, t);
            fullStep<1> (samples, t + 1);
            fullStep<2> (samples, t + 2);
            fullStep<3> (samples, t + 3);
        }

        for (; t < steadyEnd; ++t)
            fullStepAnyPhase (samples, t);

        for (; t < endStep; ++t)
            partialStep (samples, t, numSamples);
    }

private:
    struct Section { double b1, b2, c1, c2; };

    static constexpr double inputGain = 0.00015379536;

    static constexpr Section sections[numSections] = {
        {  1.9446458,    1.0,        -0.10057879,   -0.0074303941 },
        {  1.5540232,    1.0,        -0.037846167,  -0.041986871 },
        {  0.97595432,   1.0,         0.076390972,  -0.1050506 },
        {  0.40746891,   1.0,         0.22427535,   -0.18700685 },
        { -0.063381692,  1.0,         0.38734787,   -0.27793089 },
        { -0.42548373,   1.0,         0.55078992,   -0.3698802 },
        { -0.69633037,   1.0,         0.70487637,   -0.45768621 },
        { -0.89763757,   1.0,         0.84452594,   -0.53868506 },
        { -1.0475865,    1.0,         0.96747193,   -0.61183943 },
        { -1.1596928,    0.99999976,  1.0758351,    -0.67846233 },
        { -1.2435661,    1.0000009,   1.1639541,    -0.7350836 },
        { -1.3059118,    0.99999796,  1.2516223,    -0.79529738 },
        { -1.3513817,    1.000003,    1.3048864,    -0.83504896 },
        { -1.3831247,    0.99999698,  1.3750241,    -0.89078399 },
        { -1.403249,     1.000002,    1.4148346,    -0.93089506 },
        { -1.4130066,    0.99999934,  1.4585557,    -0.97731148 } };

    /** One section on one sample, from its input history x, x1, x2 and output history. */
    static Double2 sectionOutput (const Section& s, Double2 x, Double2 x1, Double2 x2,
                                  Double2 y1, Double2 y2) noexcept
    {
        Double2 y = x + Double2 (s.b1) * x1;
        y = y + Double2 (s.b2) * x2;
        y = y + Double2 (s.c1) * y1;
        return y + Double2 (s.c2) * y2;
    }

    template <int I, int P>
    void fullSection() noexcept
    {
        // Section I works on sample n = t - I; sample m sits in slot m & 3 of its signal.
        constexpr int now = (P - I) & 3, one = (P - I - 1) & 3, two = (P - I - 2) & 3;
        constexpr Section s = sections[I];

        Double2 y = ring[I][now] + Double2 (s.b1) * ring[I][one];

        // Multiplying by exactly 1.0 returns its operand unchanged: skip it.
        if constexpr (s.b2 == 1.0)
            y = y + ring[I][two];
        else
            y = y + Double2 (s.b2) * ring[I][two];

        y = y + Double2 (s.c1) * ring[I + 1][one];
        ring[I + 1][now] = y + Double2 (s.c2) * ring[I + 1][two];
    }

    template <int P, int... I>
    void allSections (std::integer_sequence<int, I...>) noexcept
    {
        (fullSection<I, P>(), ...);
    }

    template <int P>
    void fullStep (Double2* samples, int t) noexcept
    {
        ring[0][P] = samples[t] * Double2 (inputGain);
        allSections<P> (std::make_integer_sequence<int, numSections>());
        samples[t - latencySteps] = ring[numSections][(P - latencySteps) & 3];
    }

    void fullStepAnyPhase (Double2* samples, int t) noexcept
    {
        switch (t & 3)
        {
            case 0:  fullStep<0> (samples, t); break;
            case 1:  fullStep<1> (samples, t); break;
            case 2:  fullStep<2> (samples, t); break;
            default: fullStep<3> (samples, t); break;
        }
    }

    /** A step at the start or end of a run, where only some sections have a sample. */
    void partialStep (Double2* samples, int t, int numSamples) noexcept
    {
        const int first = t - numSamples + 1 > 0 ? t - numSamples + 1 : 0;
        const int last = t < latencySteps ? t : latencySteps;

        if (first == 0)
            ring[0][t & 3] = samples[t] * Double2 (inputGain);

        for (int i = first; i <= last; ++i)
        {
            const int n = t - i;
            ring[i + 1][n & 3] = sectionOutput (sections[i], ring[i][n & 3], ring[i][(n - 1) & 3], ring[i][(n - 2) & 3],
                                                ring[i + 1][(n - 1) & 3], ring[i + 1][(n - 2) & 3]);
        }

        if (last == latencySteps)
            samples[t - latencySteps] = ring[numSections][(t - latencySteps) & 3];
    }

    // ring[0] holds the scaled input, ring[i + 1] the output of section i; four slots
    // each, which leaves the slot being overwritten free of readers within a step.
    alignas (16) Double2 ring[numSections + 1][4];
};
