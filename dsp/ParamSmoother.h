#pragma once

/** A linear ramp toward a parameter's latest value. A new target restarts the ramp from
    wherever the value is; once the ramp has run its length the target itself is used. */
struct ParamSmoother
{
    double current = 0.0;
    double target = 0.0;
    double step = 0.0;
    double inverseLength = 0.01;
    int countdown = 0;
    int length = 100;

    double advance() noexcept
    {
        if (countdown > 0)
        {
            --countdown;
            current += step;
            return current;
        }

        return target;
    }

    void setTarget (double newTarget) noexcept
    {
        if (newTarget != target)
        {
            target = newTarget;
            countdown = length;
            step = (newTarget - current) * inverseLength;
        }
    }

    /** New ramp length in advances; the value snaps to the target. */
    void setLength (int numAdvances, double inverse) noexcept
    {
        length = numAdvances;
        inverseLength = inverse;
        current = target;
        countdown = 0;
    }

    bool isRamping() const noexcept { return countdown > 0; }

    /** Advances numValues times, writing each value. */
    void fill (double* dest, int numValues) noexcept
    {
        int i = 0;

        for (; i < numValues && countdown > 0; ++i)
            dest[i] = advance();

        for (; i < numValues; ++i)
            dest[i] = target;
    }
};
