#pragma once

#include <juce_gui_basics/juce_gui_basics.h>
#include <utility>

/** Counts a visible component's repaint requests without a window (repaint() tells
    the component's cached image first). The component owns the counter. */
struct RepaintCounter : juce::CachedComponentImage
{
    static RepaintCounter& attachTo (juce::Component& c)
    {
        auto* counter = new RepaintCounter();
        c.setCachedComponentImage (counter);
        counter->count = 0;   // attaching repaints once
        return *counter;
    }

    int take() { return std::exchange (count, 0); }   // the repaints since the last call

    void paint (juce::Graphics&) override {}
    bool invalidateAll() override                            { ++count; return true; }
    bool invalidate (const juce::Rectangle<int>&) override   { ++count; return true; }
    void releaseResources() override {}
    int count = 0;
};
