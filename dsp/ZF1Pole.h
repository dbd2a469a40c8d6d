#pragma once

#include "dsp/FilterBaseClass.h"

/** Zero-delay-feedback one-pole: low-pass and high-pass from one prewarped gain.
    The voice runs this computation inline on both channels at once and keeps only its
    state here; process() serves a caller that connects its own values. */
class ZF1Pole : public FilterBaseClass
{
public:
    explicit ZF1Pole (const LookupTable& prewarp) noexcept;

    /** One sample from *input with the control value *control (the table argument);
        writes the result to *output and the high-pass to *highPassOutput. */
    void process() override;
    void reset() override { state = 0.0; }

    void connect (const double* inputValue, const double* controlValue,
                  double* outputValue, double* highPassValue) noexcept;

    int mode = 1;
    double state = 0.0;

private:
    const double* input = nullptr;
    const double* control = nullptr;
    double* output = nullptr;
    double* highPassOutput = nullptr;
};
