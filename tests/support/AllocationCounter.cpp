#include "support/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
    thread_local std::size_t allocations = 0;
    thread_local int activeCounters = 0;
}

#if ! VORTANE_NO_ALLOC_COUNTER
namespace
{
    void* allocate (std::size_t size)
    {
        if (activeCounters > 0)
            ++allocations;

        if (void* p = std::malloc (size == 0 ? 1 : size))
            return p;

        throw std::bad_alloc();
    }

    void* allocateAligned (std::size_t size, std::align_val_t al)
    {
        if (activeCounters > 0)
            ++allocations;

        const auto alignment = static_cast<std::size_t> (al);
        const auto rounded = (size + alignment - 1) / alignment * alignment;
        if (void* p = std::aligned_alloc (alignment, rounded == 0 ? alignment : rounded))
            return p;

        throw std::bad_alloc();
    }
}

#endif

AllocationCounter::AllocationCounter() : startCount (allocations) { ++activeCounters; }
AllocationCounter::~AllocationCounter() { --activeCounters; }
std::size_t AllocationCounter::count() const { return allocations - startCount; }

#if ! VORTANE_NO_ALLOC_COUNTER

void* operator new (std::size_t size)                                    { return allocate (size); }
void* operator new[] (std::size_t size)                                  { return allocate (size); }
void* operator new (std::size_t size, const std::nothrow_t&) noexcept    { try { return allocate (size); } catch (...) { return nullptr; } }
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept  { try { return allocate (size); } catch (...) { return nullptr; } }
void* operator new (std::size_t size, std::align_val_t al)               { return allocateAligned (size, al); }
void* operator new[] (std::size_t size, std::align_val_t al)             { return allocateAligned (size, al); }
void operator delete (void* p) noexcept                                  { std::free (p); }
void operator delete[] (void* p) noexcept                                { std::free (p); }
void operator delete (void* p, std::size_t) noexcept                     { std::free (p); }
void operator delete[] (void* p, std::size_t) noexcept                   { std::free (p); }
void operator delete (void* p, std::align_val_t) noexcept                { std::free (p); }
void operator delete[] (void* p, std::align_val_t) noexcept              { std::free (p); }
void operator delete (void* p, std::size_t, std::align_val_t) noexcept   { std::free (p); }
void operator delete[] (void* p, std::size_t, std::align_val_t) noexcept { std::free (p); }
#endif
