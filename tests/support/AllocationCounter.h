#pragma once

#include <cstddef>

/** Counts heap allocations made by the current thread while an instance lives
    (the test binary replaces the global operator new). */
class AllocationCounter
{
public:
    AllocationCounter();
    ~AllocationCounter();

    std::size_t count() const;

private:
    std::size_t startCount;
};
