#include "support/AllocationCounter.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace
{
    thread_local std::size_t allocations = 0;
    thread_local int activeCounters = 0;
}

AllocationCounter::AllocationCounter() : startCount (allocations) { ++activeCounters; }
AllocationCounter::~AllocationCounter() { --activeCounters; }
std::size_t AllocationCounter::count() const { return allocations - startCount; }

#if ! VORTANE_NO_ALLOC_COUNTER
// The library's other forms (arrays, nothrow) call these; its aligned sized delete
// calls the aligned one.
void* operator new (std::size_t size)
{
    allocations += activeCounters > 0 ? 1 : 0;
    if (void* p = std::malloc (size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void* operator new (std::size_t size, std::align_val_t al)
{
    allocations += activeCounters > 0 ? 1 : 0;
    const auto alignment = static_cast<std::size_t> (al);
    if (void* p = std::aligned_alloc (alignment, std::max (alignment, (size + alignment - 1) / alignment * alignment)))
        return p;
    throw std::bad_alloc();
}

void operator delete (void* p) noexcept                   { std::free (p); }
void operator delete (void* p, std::size_t) noexcept      { std::free (p); }
void operator delete (void* p, std::align_val_t) noexcept { std::free (p); }
#endif
