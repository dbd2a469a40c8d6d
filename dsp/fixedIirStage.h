#pragma once

#include "dsp/Double2.h"

#include <utility>

/** The oversampling low-pass: sixteen second-order sections in cascade, direct form I,
    with fixed coefficients; both channels at once. At its own rate it is flat to 0.228
    of its Nyquist frequency and stops at least 95 dB from 0.25 upward, so one stage serves
    as a 4x interpolator (fed one 4x-scaled sample and three zeros) or a 4x decimator (fed
    four samples, one output kept).

    Every section computes y = x + b1 x[n-1] + b2 x[n-2] + c1 y[n-1] + c2 y[n-2], summed
    left to right. Samples travel through the cascade in blocks of four, as a pipeline:
    at time step t, section i filters block t - i, so the sixteen sections of one step are
    independent and the processor can overlap them. The arithmetic of every section and
    sample is the same as filtering one sample at a time. The state is never cleared. */
class fixedIirStage
{
public:
    static constexpr int numSections = 16;
    static constexpr int blockLength = 4;
    /** Steps from a block entering section 0 to it leaving section 15. */
    static constexpr int latencySteps = numSections - 1;

    fixedIirStage() noexcept;

    /** Filters numSamples values in place (a multiple of blockLength). */
    void process (Double2* samples, int numSamples) noexcept
    {
        const int numBlocks = numSamples / blockLength;
        runSteps (samples, 0, numBlocks + latencySteps, numBlocks);
    }

    /** Runs time steps [firstStep, endStep) over a run of numBlocks blocks held in place
        in samples. Step t reads block t (for t < numBlocks) and writes the finished block
        t - 15; so a caller may produce the input just in time, and the run is complete
        after step numBlocks + 14. */
    void runSteps (Double2* samples, int firstStep, int endStep, int numBlocks) noexcept
    {
        for (int t = firstStep; t < endStep; ++t)
        {
            if (t >= latencySteps && t < numBlocks)
                fullStep (samples, t, std::make_integer_sequence<int, numSections>());
            else
                partialStep (samples, t, numBlocks, std::make_integer_sequence<int, numSections>());
        }
    }

private:
    struct Section
    {
        double b1, b2, c1, c2;
    };
    struct History
    {
        Double2 x1, x2, y1, y2;
    };

    static constexpr double inputGain = 0.00015379536;

    static constexpr Section sections[numSections] = {
        { 1.9446458, 1.0, -0.10057879, -0.0074303941 },
        { 1.5540232, 1.0, -0.037846167, -0.041986871 },
        { 0.97595432, 1.0, 0.076390972, -0.1050506 },
        { 0.40746891, 1.0, 0.22427535, -0.18700685 },
        { -0.063381692, 1.0, 0.38734787, -0.27793089 },
        { -0.42548373, 1.0, 0.55078992, -0.3698802 },
        { -0.69633037, 1.0, 0.70487637, -0.45768621 },
        { -0.89763757, 1.0, 0.84452594, -0.53868506 },
        { -1.0475865, 1.0, 0.96747193, -0.61183943 },
        { -1.1596928, 0.99999976, 1.0758351, -0.67846233 },
        { -1.2435661, 1.0000009, 1.1639541, -0.7350836 },
        { -1.3059118, 0.99999796, 1.2516223, -0.79529738 },
        { -1.3513817, 1.000003, 1.3048864, -0.83504896 },
        { -1.3831247, 0.99999698, 1.3750241, -0.89078399 },
        { -1.403249, 1.000002, 1.4148346, -0.93089506 },
        { -1.4130066, 0.99999934, 1.4585557, -0.97731148 }
    };

    /** Section I over one block. */
    template <int I>
    void filterBlock (const Double2* in, Double2* out) noexcept
    {
        const Double2* c = coefficients[I];
        History& h = history[I];
        Double2 x1 = h.x1, x2 = h.x2, y1 = h.y1, y2 = h.y2;

        for (int k = 0; k < blockLength; ++k)
        {
            const Double2 x = in[k];
            Double2 y = x + c[0] * x1;

            // Multiplying by exactly 1.0 returns its operand unchanged: skip it.
            if constexpr (sections[I].b2 == 1.0)
                y = y + x2;
            else
                y = y + c[1] * x2;

            y = y + c[2] * y1;
            y = y + c[3] * y2;

            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            out[k] = y;
        }

        h = { x1, x2, y1, y2 };
    }

    /** Section I's share of step t: block t - I from its input to its output. */
    template <int I>
    void sectionStep (Double2* samples, int t) noexcept
    {
        if constexpr (I == 0)
        {
            Double2 scaled[blockLength];
            for (int k = 0; k < blockLength; ++k)
                scaled[k] = samples[blockLength * t + k] * Double2 (inputGain);
            filterBlock<0> (scaled, blocks[1]);
        }
        else if constexpr (I == numSections - 1)
        {
            filterBlock<I> (blocks[I], samples + blockLength * (t - latencySteps));
        }
        else
        {
            filterBlock<I> (blocks[I], blocks[I + 1]);
        }
    }

    // The last section goes first: each section reads the block its predecessor wrote
    // in the previous step before the predecessor overwrites it.
    template <int... I>
    void fullStep (Double2* samples, int t, std::integer_sequence<int, I...>) noexcept
    {
        (sectionStep<numSections - 1 - I> (samples, t), ...);
    }

    /** A step at the start or end of a run, where only some sections have a block. */
    template <int... I>
    void partialStep (Double2* samples, int t, int numBlocks, std::integer_sequence<int, I...>) noexcept
    {
        const int first = t - numBlocks + 1 > 0 ? t - numBlocks + 1 : 0;
        const int last = t < latencySteps ? t : latencySteps;

        ((numSections - 1 - I >= first && numSections - 1 - I <= last
              ? sectionStep<numSections - 1 - I> (samples, t)
              : void()),
         ...);
    }

    // Coefficients as run-time data, one copy per lane, so that the compiler reads them
    // as memory operands instead of rebuilding constants.
    Double2 coefficients[numSections][4];
    History history[numSections];
    Double2 blocks[numSections][blockLength];  // blocks[i]: the input of section i
};
