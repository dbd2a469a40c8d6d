#pragma once

#include <juce_graphics/juce_graphics.h>

/** Small geometry helpers. Every resource path is filled with the non-zero winding
    rule, so shapes that must add up are built with the same orientation and holes
    with the opposite one. Clockwise means clockwise on screen (y downwards). */
namespace PathTools
{
    void addPolygon (juce::Path& path, std::initializer_list<juce::Point<float>> points, bool clockwise = true);
    void addRoundedBox (juce::Path& path, juce::Rectangle<float> r, float corner, bool clockwise = true);
    void addCircle (juce::Path& path, juce::Point<float> centre, float radius, bool clockwise = true);
    void addEllipse (juce::Path& path, juce::Rectangle<float> r, bool clockwise = true);
    /** A ring between two radii (solid band, hole in the middle). */
    void addRing (juce::Path& path, juce::Point<float> centre, float outerRadius, float innerRadius);

    /** The outline of a stroke, each sub-path turned clockwise so that strokes that
        overlap add up. */
    juce::Path strokeOutline (const juce::Path& centreLine, float thickness,
                              juce::PathStrokeType::JointStyle joint = juce::PathStrokeType::mitered,
                              juce::PathStrokeType::EndCapStyle cap = juce::PathStrokeType::butt);

    /** The same path with every sub-path turned clockwise. */
    juce::Path allClockwise (const juce::Path& path);

    /** Moves the path's bounds to (0, 0) and scales them to exactly width × height. */
    juce::Path fitExactly (const juce::Path& path, float width, float height);

    /** The framework's binary path data of a path with the non-zero winding rule. */
    juce::MemoryBlock toPathData (const juce::Path& path);

    /** SVG path data ("M … Z"). */
    juce::String toSvgPathData (const juce::Path& path, int decimals = 3);
}
