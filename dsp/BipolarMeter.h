#pragma once

#include "dsp/DSPCap.h"

#include <atomic>

/** The signed control-signal sample of largest magnitude in a host block. */
class BipolarMeter : private DSPCap
{
public:
    void connect (std::atomic<float>* value_) noexcept { valueOut = value_; }

    void process() override
    {
        if (valueOut != nullptr)
            valueOut->store ((float) value, std::memory_order_relaxed);
    }

    double value = 0.0;

private:
    std::atomic<float>* valueOut = nullptr;
};
