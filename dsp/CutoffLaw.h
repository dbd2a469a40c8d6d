#pragma once

/** The cutoff law that the "Cutoff" knob stands for: 640 Hz at its centre, five
    octaves either way, read from the shared octave table. Two constants and a
    read-only table: any thread may use it, and it takes no lock, so painting and
    host text requests never wait for the audio thread. */
namespace CutoffLaw
{
    constexpr double centreFrequency = 640.0;  // Hz at a normalised value of 0.5
    constexpr double octaveSpan = 5.0;         // octaves from the centre to either end
    constexpr double octaveLimit = 10.0;       // the octave table's reach

    /** Hz for a normalised value, the octaves clamped to the table's reach
        (0.625 Hz .. 655360 Hz); NaN gives 0. */
    double hzForValue (double normalised) noexcept;

    /** The normalised value for a frequency (the inverse, not clamped); a frequency
        at or below 0 Hz gives 0. */
    double valueForHz (double hz) noexcept;
}
