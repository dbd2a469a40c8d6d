#include "ui/toolkit/SegmentedStereoMeter.h"

SegmentedStereoMeter::SegmentedStereoMeter (const std::atomic<float>* level1, const std::atomic<float>* level2,
                                            std::atomic<bool>* clip1, std::atomic<bool>* clip2)
    : StereoMeter (level1, level2, clip1, clip2)
{
}

SegmentedStereoMeter::~SegmentedStereoMeter() = default;

void SegmentedStereoMeter::resized()
{
    colourTable.refreshColours();
    unlit = findColour (unlitColourId);
    bottom = findColour (bottomColourId);
    top = findColour (topColourId);

    const juce::Point<float> origin (5.0f, 5.0f);
    buildStrip (strips[0], origin, -tiltDegrees);
    buildStrip (strips[1], origin.translated (stripSpacing, 0.0f), tiltDegrees);
}

void SegmentedStereoMeter::buildStrip (Strip& strip, juce::Point<float> origin, float angleDegrees)
{
    const auto placed = juce::AffineTransform::rotation (juce::degreesToRadians (angleDegrees)).translated (origin);
    const juce::ColourGradient gradient (bottom, 0.0f, 0.0f, top, 0.0f, stripLength, false);

    strip.segments.assign ((size_t) segmentsPerStrip, {});

    for (int i = 0; i < segmentsPerStrip; ++i)
    {
        // Segment 0 is the lowest; each owns the gap above it.
        auto& segment = strip.segments[(size_t) i];
        const float topEdge = stripLength - ((gap + segmentLength) * (float) i + segmentLength);
        segment.start = stripLength - (topEdge + segmentLength);
        segment.end = i + 1 < segmentsPerStrip ? segment.start + gap + segmentLength
                                               : stripLength - topEdge - gap;
        segment.colour = gradient.getColourAtPosition (segment.start / stripLength);

        segment.path.clear();
        segment.path.addRoundedRectangle (0.0f, topEdge, segmentWidth, segmentLength, 1.0f);
        segment.path.applyTransform (placed);
    }
}

float SegmentedStereoMeter::litFraction (const Segment& segment, int channel) const noexcept
{
    const float lit = (1.0f - position[channel]) * stripLength;

    if (lit < segment.start) return 0.0f;
    if (lit >= segment.end) return 1.0f;
    return (lit - segment.start) / (segment.end - segment.start);
}

float SegmentedStereoMeter::getLitFraction (int channel, int segment) const noexcept
{
    const auto& segments = strips[channel & 1].segments;
    return juce::isPositiveAndBelow (segment, (int) segments.size()) ? litFraction (segments[(size_t) segment], channel & 1)
                                                                     : 0.0f;
}

void SegmentedStereoMeter::paint (juce::Graphics& g)
{
    for (int channel = 0; channel < 2; ++channel)
    {
        for (const auto& segment : strips[channel].segments)
        {
            const float fraction = litFraction (segment, channel);
            g.setColour (fraction > 0.000001f ? segment.colour.withAlpha ((juce::uint8) juce::roundToInt (fraction * 255.0f))
                                              : unlit);
            g.fillPath (segment.path);
        }
    }
}
