// The filter graphs over the cutoff and type knobs: the sketch follows the
// parameters, and nothing a parameter holds can put a non-finite point into it.
#include "editor/VortaneFilterGraphControl.h"
#include "params/QuilParamTypes.h"
#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/RepaintCounter.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace
{
    /** A parameter that can be made to hold any value, as no setter would allow. */
    struct RawParam : QuilParamFloat
    {
        RawParam() : QuilParamFloat ("Raw", "Raw", "Raw", 0.0) {}
        void hold (double v) { value.store (v); }
    };

    constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
    constexpr float infinity = std::numeric_limits<float>::infinity();
    constexpr float absent = -1.0f;

    struct GraphCase { const char* name; float cutoff, resonance, type; };
    class FilterGraphInputs : public ::testing::TestWithParam<GraphCase> {};

    bool isFinite (juce::Rectangle<float> r)
    {
        return std::isfinite (r.getX()) && std::isfinite (r.getY()) && std::isfinite (r.getRight()) && std::isfinite (r.getBottom());
    }
}

TEST_P (FilterGraphInputs, drawFiniteCurvesInsideTheLowerTwoThirds)
{
    const auto c = GetParam();
    RawParam cutoff, resonance, type;
    auto bind = [] (RawParam& p, float v) -> QuilParam* { p.hold (v); return v == absent ? nullptr : &p; };

    VortaneFilterGraphControl graph (bind (cutoff, c.cutoff), bind (resonance, c.resonance), bind (type, c.type));
    graph.setBounds (0, 0, 64, 64);   // polls once as it is laid out

    for (const auto& path : { graph.getResponsePath(), graph.getFilledPath() })
    {
        const auto bounds = path.getBounds();
        ASSERT_TRUE (isFinite (bounds)) << bounds.toString();
        EXPECT_FALSE (path.isEmpty());
        EXPECT_GE (bounds.getY(), 21.0f);         // the upper third stays empty
        EXPECT_LE (bounds.getBottom(), 64.0f);
    }

    EXPECT_TRUE (graph.createComponentSnapshot (graph.getLocalBounds()).isValid());

    // What it read is what it keeps: the next poll finds nothing new to draw.
    graph.setVisible (true);
    graph.stopTimer();
    auto& repaints = RepaintCounter::attachTo (graph);
    graph.updateFromParameters();
    EXPECT_EQ (repaints.count, 0);
}

INSTANTIATE_TEST_SUITE_P (Values, FilterGraphInputs, ::testing::Values (
    GraphCase { "inRange", 0.3f, 1.0f, 0.5f },
    GraphCase { "nanEverywhere", notANumber, notANumber, notANumber },
    GraphCase { "infinities", infinity, -infinity, infinity },
    GraphCase { "farOutOfRange", 1.0e30f, 1.0e30f, -1.0e30f },
    GraphCase { "allAbsent", absent, absent, absent },
    GraphCase { "typeAbsentOthersNan", notANumber, notANumber, absent }),
    [] (const ::testing::TestParamInfo<GraphCase>& caseInfo) { return std::string (caseInfo.param.name); });

TEST (VortaneFilterGraphControl, followsCutoffResonanceAndTypeAndRepaintsOnlyOnChange)
{
    TestProcessor processor;
    auto& d = processor->data;
    VortaneFilterGraphControl cutoffGraph (d.cutoff, d.resonance, d.type);
    VortaneFilterGraphControl typeGraph (nullptr, nullptr, d.type);

    for (auto* graph : { &cutoffGraph, &typeGraph })
    {
        graph->setBounds (0, 0, 64, 64);
        graph->setVisible (true);
        graph->stopTimer();   // the test polls
    }
    auto& repaints = RepaintCounter::attachTo (cutoffGraph);

    // The graph area is y 21..64: half height 21.5 about y 42.5. The peak stands at
    // x = cutoff * 64 and rises resonance * 21.5 above the middle; low-pass keeps the
    // low side at mid height, high-pass puts it on the floor.
    struct Step { double cutoff, resonance, type; float peakX, peakY; bool lowSideUp; };
    const Step steps[] = {
        { 0.25, 1.1, 0.0, 16.0f, 21.0f, true },
        { 0.5, 0.0, 0.0, 32.0f, 42.5f, true },
        { 0.75, 0.55, 1.0, 48.0f, 31.75f, false } };

    for (const auto& s : steps)
    {
        setReal (d.cutoff, s.cutoff);
        setReal (d.resonance, s.resonance);
        setReal (d.type, s.type);
        cutoffGraph.updateFromParameters();
        EXPECT_EQ (repaints.take(), 1);
        cutoffGraph.updateFromParameters();
        EXPECT_EQ (repaints.take(), 0);

        const auto& filled = cutoffGraph.getFilledPath();
        EXPECT_NEAR (filled.getBounds().getY(), s.peakY, 0.01f) << s.cutoff;
        EXPECT_TRUE (filled.contains (s.peakX, s.peakY + 1.0f)) << s.cutoff;
        if (s.resonance > 0.0)   // a raised peak stands clear of both sides
        {
            EXPECT_FALSE (filled.contains (s.peakX - 10.0f, s.peakY + 1.0f)) << s.cutoff;
            EXPECT_FALSE (filled.contains (s.peakX + 10.0f, s.peakY + 1.0f)) << s.cutoff;
        }
        EXPECT_EQ (filled.contains (2.0f, 45.0f), s.lowSideUp) << s.type;

        // The type knob's graph has no cutoff or resonance: its peak stays centred at mid height.
        typeGraph.updateFromParameters();
        EXPECT_NEAR (typeGraph.getFilledPath().getBounds().getY(), 42.5f, 0.01f);
        EXPECT_TRUE (typeGraph.getFilledPath().contains (32.0f, 43.5f));
    }

    // A new size redraws the same values at that size.
    cutoffGraph.setSize (32, 32);
    EXPECT_EQ (cutoffGraph.getFilledPath().getBounds().getBottom(), 32.0f);
}
