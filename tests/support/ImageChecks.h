#pragma once

#include <juce_gui_basics/juce_gui_basics.h>
#include <gtest/gtest.h>

/** Pixel checks on rendered components and drawings. */
namespace ImageChecks
{
    inline juce::Image snapshot (juce::Component& c, float scale = 1.0f) { return c.createComponentSnapshot (c.getLocalBounds(), true, scale); }

    /** Draws into a transparent image of the given size. */
    inline juce::Image draw (int w, int h, const std::function<void (juce::Graphics&)>& paint)
    {
        juce::Image image (juce::Image::ARGB, w, h, true);
        juce::Graphics g (image);
        paint (g);
        return image;
    }

    /** Pixels of an area (the whole image by default) that pass a test. */
    inline int count (const juce::Image& image, const std::function<bool (juce::Colour)>& test,
                      juce::Rectangle<int> area = {})
    {
        area = area.isEmpty() ? image.getBounds() : area;
        int n = 0;
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                n += test (image.getPixelAt (x, y)) ? 1 : 0;
        return n;
    }

    /** Pixels drawn with at least half coverage. */
    inline int inked (const juce::Image& image, juce::Rectangle<int> area = {})
    {
        return count (image, [] (juce::Colour c) { return c.getAlpha() >= 128; }, area);
    }

    inline bool same (const juce::Image& a, const juce::Image& b)
    {
        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    return false;
        return a.getBounds() == b.getBounds();
    }

    /** The colours agree channel by channel within the tolerance (alpha ignored). */
    inline ::testing::AssertionResult near (juce::Colour actual, juce::Colour expected, int tolerance)
    {
        const auto off = [&] (juce::uint8 a, juce::uint8 e) { return std::abs (a - e) > tolerance; };
        if (off (actual.getRed(), expected.getRed()) || off (actual.getGreen(), expected.getGreen()) || off (actual.getBlue(), expected.getBlue()))
            return ::testing::AssertionFailure() << actual.toDisplayString (true) << " is not near " << expected.toDisplayString (true);
        return ::testing::AssertionSuccess();
    }

    /** A pixel visibly shows the colour (edge pixels keep it at lower alpha). */
    inline ::testing::AssertionResult shows (const juce::Image& image, juce::Point<int> p, juce::Colour colour, int tolerance = 3)
    {
        const auto c = image.getPixelAt (p.x, p.y);
        if (c.getAlpha() <= 100)
            return ::testing::AssertionFailure() << "pixel " << c.toDisplayString (true) << " is almost clear";
        return near (c, colour, tolerance);
    }
}
