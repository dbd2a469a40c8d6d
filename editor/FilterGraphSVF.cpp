#include "editor/FilterGraphSVF.h"

#include <cmath>

namespace
{
    float unitOrZero (float v) noexcept
    {
        return std::isfinite (v) ? juce::jlimit (0.0f, 1.0f, v) : 0.0f;
    }
}

void FilterGraphSVF::buildPath (juce::Path& open, juce::Path& closed, Inputs in, juce::Rectangle<float> graph) const
{
    const float c = unitOrZero (in.cutoff), r = unitOrZero (in.resonance);
    const float t = unitOrZero (in.type), d = unitOrZero (in.slope);

    open.clear();
    closed.clear();

    const float x = graph.getX(), w = graph.getWidth();
    const float hh = graph.getHeight() / 2.0f;
    const float mid = graph.getY() + hh, bottom = graph.getBottom();

    // Low side at mid height for low-pass, on the floor from band-pass on; the high side the other way round.
    const float yLow = mid + juce::jmin (1.0f, 2.0f * t) * hh;
    const float yHigh = bottom - juce::jmax (0.0f, 2.0f * t - 1.0f) * hh;
    const float yPeak = mid - r * hh;

    const float xc = x + c * w;
    const float s = (2.0f - d) * 0.2f * w;    // half-width of the slopes
    const float k = (0.5f - 0.475f * r) * s;  // a higher resonance pulls the controls in: a narrower peak

    open.startNewSubPath (x, bottom);
    open.lineTo (x, yLow);
    open.lineTo (xc - s, yLow);
    open.cubicTo (xc - k, yLow, xc - k, yPeak, xc, yPeak);
    open.cubicTo (xc + k, yPeak, xc + k, yHigh, xc + s, yHigh);
    open.lineTo (x + w, yHigh);
    open.lineTo (x + w, bottom);

    closed = open;
    closed.closeSubPath();
}
