#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <type_traits>

/** A bounded queue that any number of threads may push to and one thread pops
    from, without locks or allocation (a ring of cells, each with a sequence
    number that says whose turn it is). Used to hand work from the audio thread
    and the host's threads to the message thread. A full queue refuses the item. */
template <typename Item, std::size_t capacity>
class LockFreeQueue
{
    static_assert (capacity >= 2 && (capacity & (capacity - 1)) == 0, "capacity must be a power of two");
    static_assert (std::is_trivially_copyable_v<Item>, "items are copied between threads");

public:
    LockFreeQueue() noexcept
    {
        for (std::size_t i = 0; i < capacity; ++i)
            cells[i].sequence.store (i, std::memory_order_relaxed);
    }

    /** Any thread. False when the queue is full. */
    bool push (const Item& item) noexcept
    {
        auto pos = pushPosition.load (std::memory_order_relaxed);

        for (;;)
        {
            auto& cell = cells[pos & mask];
            const auto sequence = cell.sequence.load (std::memory_order_acquire);
            const auto difference = (std::intptr_t) sequence - (std::intptr_t) pos;

            if (difference == 0)
            {
                if (pushPosition.compare_exchange_weak (pos, pos + 1, std::memory_order_relaxed))
                {
                    cell.item = item;
                    cell.sequence.store (pos + 1, std::memory_order_release);
                    return true;
                }
            }
            else if (difference < 0)
            {
                return false;
            }
            else
            {
                pos = pushPosition.load (std::memory_order_relaxed);
            }
        }
    }

    /** The one consuming thread. False when the queue is empty. */
    bool pop (Item& item) noexcept
    {
        const auto pos = popPosition.load (std::memory_order_relaxed);
        auto& cell = cells[pos & mask];
        const auto sequence = cell.sequence.load (std::memory_order_acquire);

        if ((std::intptr_t) sequence - (std::intptr_t) (pos + 1) < 0)
            return false;

        item = cell.item;
        popPosition.store (pos + 1, std::memory_order_relaxed);
        cell.sequence.store (pos + capacity, std::memory_order_release);
        return true;
    }

private:
    static constexpr std::size_t mask = capacity - 1;

    struct Cell
    {
        std::atomic<std::size_t> sequence { 0 };
        Item item {};
    };

    std::array<Cell, capacity> cells;
    alignas (64) std::atomic<std::size_t> pushPosition { 0 };
    alignas (64) std::atomic<std::size_t> popPosition { 0 };
};
