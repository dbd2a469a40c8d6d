#include "core/LockFreeQueue.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

TEST (LockFreeQueue, refusesWhenFullAndKeepsOrder)
{
    LockFreeQueue<int, 4> queue;
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE (queue.push (i));
    EXPECT_FALSE (queue.push (99));

    int v = -1;
    for (int i = 0; i < 4; ++i)
    {
        ASSERT_TRUE (queue.pop (v));
        EXPECT_EQ (v, i);
    }
    EXPECT_FALSE (queue.pop (v));
}

TEST (LockFreeQueue, manyProducersLoseNothingAndKeepEachProducersOrder)
{
    struct Item { int producer, sequence; };
    constexpr int producers = 4, perProducer = 20000;
    LockFreeQueue<Item, 64> queue;

    std::vector<std::thread> threads;
    for (int p = 0; p < producers; ++p)
        threads.emplace_back ([&queue, p]
        {
            for (int s = 0; s < perProducer; ++s)
                while (! queue.push ({ p, s }))
                    std::this_thread::yield();
        });

    std::vector<int> next (producers, 0);
    int received = 0;
    while (received < producers * perProducer)
    {
        Item item {};
        if (! queue.pop (item))
        {
            std::this_thread::yield();
            continue;
        }

        ASSERT_EQ (item.sequence, next[(size_t) item.producer]);
        ++next[(size_t) item.producer];
        ++received;
    }

    for (auto& t : threads)
        t.join();
}
