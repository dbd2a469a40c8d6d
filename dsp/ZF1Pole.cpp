#include "dsp/ZF1Pole.h"
#include "dsp/DriveShaper.h"

ZF1Pole::ZF1Pole (const LookupTable& prewarp) noexcept : FilterBaseClass (prewarp)
{
    reset();
}

void ZF1Pole::connect (const double* inputValue, const double* controlValue,
                       double* outputValue, double* highPassValue) noexcept
{
    input = inputValue;
    control = controlValue;
    output = outputValue;
    highPassOutput = highPassValue;
}

void ZF1Pole::process()
{
    if (input == nullptr || control == nullptr || output == nullptr || highPassOutput == nullptr)
        return;

    const double x = *input;
    const double g = table->lookup (*control);
    const double lowPass = (g * x + state) / (1.0 + g);
    const double highPass = x - lowPass;

    *highPassOutput = highPass;
    *output = driveShape (state, mode, g, highPass);
}
