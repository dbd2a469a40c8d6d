#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Counts a visible component's repaint requests without a window: repaint()
    reaches a component's cached image first. The component owns the counter. */
struct RepaintCounter : juce::CachedComponentImage
{
    static RepaintCounter& attachTo (juce::Component& c)
    {
        auto* counter = new RepaintCounter();
        c.setCachedComponentImage (counter);
        counter->count = 0;   // attaching repaints once
        return *counter;
    }

    void paint (juce::Graphics&) override {}
    bool invalidateAll() override                            { ++count; return true; }
    bool invalidate (const juce::Rectangle<int>&) override   { ++count; return true; }
    void releaseResources() override {}

    /** The repaints asked for since the last call. */
    int take() { return std::exchange (count, 0); }

    int count = 0;
};
