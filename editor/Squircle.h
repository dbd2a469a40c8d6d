#pragma once

#include <juce_graphics/juce_graphics.h>

/** The rounded square (a squircle) filling a width × height box from (0, 0): four
    cubics through the edges' midpoints. The knob takes clicks only inside it and the
    filter graph is clipped to it. */
inline juce::Path makeSquircle (float w, float h)
{
    juce::Path p;
    p.startNewSubPath (w * 0.5f, 0.0f);
    p.cubicTo (0.775f * w, 0.0f, w, 0.225f * h, w, h * 0.5f);
    p.cubicTo (w, 0.775f * h, 0.775f * w, h, w * 0.5f, h);
    p.cubicTo (0.225f * w, h, 0.0f, 0.775f * h, 0.0f, h * 0.5f);
    p.cubicTo (0.0f, 0.225f * h, 0.225f * w, 0.0f, w * 0.5f, 0.0f);
    p.closeSubPath();
    return p;
}
