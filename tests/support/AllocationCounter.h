#pragma once

#include <cstddef>

/** Counts heap allocations made by the current thread while an instance lives
    (the test binary replaces the global operator new). Sanitizer builds keep
    their own operator new: there the counter is unavailable and counts nothing,
    and tests that rely on it skip (VORTANE_SKIP_WITHOUT_ALLOCATION_COUNTER). */
class AllocationCounter
{
public:
    AllocationCounter();
    ~AllocationCounter();

    std::size_t count() const;

   #if VORTANE_NO_ALLOC_COUNTER
    static constexpr bool available = false;
   #else
    static constexpr bool available = true;
   #endif

private:
    std::size_t startCount;
};

#define VORTANE_SKIP_WITHOUT_ALLOCATION_COUNTER() \
    if (! AllocationCounter::available) GTEST_SKIP() << "allocation counter not available in this build"
