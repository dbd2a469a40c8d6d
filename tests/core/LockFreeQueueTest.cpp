// The queue that hands work to the message thread: bounded, ordered, and losing nothing
// when several threads push at once.
#include "core/LockFreeQueue.h"

#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

TEST (LockFreeQueue, refusesWhenFullKeepsOrderAndLosesNothingFromManyProducers)
{
    LockFreeQueue<int, 4> small;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (small.push (i), i < 4) << i;
    for (int i = 0, v = -1; i < 5; ++i)
        EXPECT_TRUE (small.pop (v) ? v == i : i == 4) << i;
    if (HasFailure())
        return;   // a broken hand-over would leave the producers below spinning for ever

    struct Item { int producer, sequence; };
    constexpr int producers = 4, perProducer = 20000;
    LockFreeQueue<Item, 64> queue;
    std::atomic<bool> stop { false };

    std::vector<std::thread> threads;
    for (int p = 0; p < producers; ++p)
        threads.emplace_back ([&queue, &stop, p]
        {
            for (int s = 0; s < perProducer; ++s)
                while (! queue.push ({ p, s }))
                {
                    if (stop.load())
                        return;
                    std::this_thread::yield();
                }
        });

    // Each producer's items arrive in its order; on the first that does not, or after
    // a generous time, the producers are stopped and the counts tell.
    std::vector<int> next (producers, 0);
    int received = 0, wrong = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds (30);
    while (received < producers * perProducer && wrong == 0 && std::chrono::steady_clock::now() < deadline)
    {
        Item item {};
        if (! queue.pop (item))
        {
            std::this_thread::yield();
            continue;
        }
        wrong += (unsigned) item.producer >= (unsigned) producers || item.sequence != next[(size_t) item.producer]++;
        ++received;
    }

    stop = true;
    for (auto& t : threads)
        t.join();
    EXPECT_EQ (wrong, 0);
    EXPECT_EQ (received, producers * perProducer);
}
