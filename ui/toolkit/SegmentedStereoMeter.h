#pragma once

#include "ui/toolkit/StereoMeter.h"

#include <vector>

/** The stereo meter as two slightly tilted strips of twelve small segments side
    by side, lit from the bottom. It draws no clip lamps; a click still clears both
    clip flags. The colours come from the look-and-feel (unlit, bottom and top of the
    lit gradient). */
class SegmentedStereoMeter : public StereoMeter
{
public:
    /** The same four read-outs as StereoMeter (level 1, level 2, clip flag 1, clip flag 2). */
    SegmentedStereoMeter (const std::atomic<float>* level1, const std::atomic<float>* level2,
                          std::atomic<bool>* clip1, std::atomic<bool>* clip2);
    ~SegmentedStereoMeter() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    /** The maker's colour IDs the meter reads from its look-and-feel. */
    enum ColourIds
    {
        unlitColourId = 0x2234001,
        bottomColourId = 0x2234002,
        topColourId = 0x2234003
    };

    static constexpr int segmentsPerStrip = 12;

    /** How much of a segment is lit (0..1) for a channel, as the last paint drew it. */
    float getLitFraction (int channel, int segment) const noexcept;

private:
    struct Segment
    {
        float start = 0.0f, end = 0.0f;  // span along the strip, from its bottom; includes the gap above
        juce::Colour colour;
        juce::Path path;
    };

    struct Strip
    {
        std::vector<Segment> segments;
    };

    void buildStrip (Strip&, juce::Point<float> origin, float angleDegrees);
    float litFraction (const Segment&, int channel) const noexcept;

    // Strip geometry, in points.
    static constexpr float segmentWidth = 2.0f, segmentLength = 5.0f, gap = 1.5f;
    static constexpr float stripLength = 78.0f, tiltDegrees = 1.0f, stripSpacing = 6.5f;

    Strip strips[2];
    juce::Colour unlit, bottom, top;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SegmentedStereoMeter)
};
