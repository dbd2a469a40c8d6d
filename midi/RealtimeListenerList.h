#pragma once

#include <juce_core/juce_core.h>
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

/** A listener list that the audio thread can walk without locks or waiting while
    the message thread adds and removes listeners.

    Changes replace the whole array (copy on write) and swap it in atomically.
    A walker counts itself in while it walks; a change waits until no other
    thread is walking before it frees the old array and returns, so a removed
    listener is never called once remove() has returned. Only changes wait, and
    only for the duration of one walk. */
template <typename ListenerType>
class RealtimeListenerList
{
public:
    RealtimeListenerList() = default;

    ~RealtimeListenerList()
    {
        delete current.load();
    }

    /** Message thread. Adds a listener at the end, once. */
    void add (ListenerType* listener)
    {
        if (listener == nullptr)
            return;

        const juce::ScopedLock sl (changeLock);
        auto next = copyOfCurrent();
        if (std::find (next->begin(), next->end(), listener) == next->end())
        {
            next->push_back (listener);
            install (std::move (next));
        }
    }

    /** Message thread. Removes every occurrence of a listener. */
    void remove (ListenerType* listener)
    {
        const juce::ScopedLock sl (changeLock);
        auto next = copyOfCurrent();
        next->erase (std::remove (next->begin(), next->end(), listener), next->end());
        install (std::move (next));
    }

    /** Any thread, including the audio thread: calls f for each listener, first
        to last. No allocation and no lock. */
    template <typename Callback>
    void call (Callback&& f) const
    {
        const WalkScope walk (*this);

        if (const auto* array = current.load (std::memory_order_seq_cst))
            for (auto* l : *array)
                f (*l);
    }

    int size() const
    {
        const WalkScope walk (*this);
        const auto* array = current.load();
        return array != nullptr ? (int) array->size() : 0;
    }

private:
    using Array = std::vector<ListenerType*>;

    // The lists this thread is walking, innermost last: a listener may change a
    // list from inside its callback, and waiting for our own walk would never end.
    struct ThreadWalks
    {
        static constexpr int capacity = 16;
        const void* lists[capacity] {};
        int depth = 0;

        int countOf (const void* list) const noexcept
        {
            int n = 0;
            for (int i = 0; i < juce::jmin (depth, capacity); ++i)
                n += lists[i] == list ? 1 : 0;
            return n;
        }
    };

    static ThreadWalks& threadWalks() noexcept
    {
        thread_local ThreadWalks walks;
        return walks;
    }

    struct WalkScope
    {
        explicit WalkScope (const RealtimeListenerList& l) noexcept : list (l)
        {
            list.walkers.fetch_add (1, std::memory_order_seq_cst);
            auto& walks = threadWalks();
            if (walks.depth < ThreadWalks::capacity)
                walks.lists[walks.depth] = &list;
            ++walks.depth;
        }

        ~WalkScope()
        {
            --threadWalks().depth;
            list.walkers.fetch_sub (1, std::memory_order_seq_cst);
        }

        const RealtimeListenerList& list;
    };

    std::unique_ptr<Array> copyOfCurrent() const
    {
        const auto* array = current.load();
        return std::make_unique<Array> (array != nullptr ? *array : Array());
    }

    void install (std::unique_ptr<Array> next)
    {
        std::unique_ptr<Array> previous (current.exchange (next.release(), std::memory_order_seq_cst));

        const int ownWalks = threadWalks().countOf (this);

        while (walkers.load (std::memory_order_seq_cst) > ownWalks)
            std::this_thread::yield();

        // A walk further up this thread's stack may still read the old array:
        // keep it until the list is destroyed.
        if (ownWalks > 0)
            retired.push_back (std::move (previous));
    }

    std::atomic<Array*> current { nullptr };
    mutable std::atomic<int> walkers { 0 };
    juce::CriticalSection changeLock;
    std::vector<std::unique_ptr<Array>> retired;

    JUCE_DECLARE_NON_COPYABLE (RealtimeListenerList)
};
