// The filter graphs over the cutoff and type knobs: the sketch follows the
// parameters, and nothing a parameter holds puts a non-finite point into it.
#include "editor/VortaneFilterGraphControl.h"
#include "params/QuilParamFloat.h"
#include "support/RepaintCounter.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
    /** A 0..1 parameter holding any value, as no setter would allow. */
    struct RawParam : QuilParamFloat
    {
        RawParam() : QuilParamFloat ("Raw", "Raw", "Raw", 0.0) {}
        void hold (float v) { value.store (v); }
    };

    constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
    constexpr float infinity = std::numeric_limits<float>::infinity();

    /** Finite bounds within the lower two thirds of a 64-point graph (NaN fails every comparison). */
    bool inLowerTwoThirds (juce::Rectangle<float> b)
    {
        return b.getY() >= 21.0f && b.getBottom() <= 64.0f && b.getX() > -64.0f && b.getRight() < 128.0f;
    }
}

TEST (VortaneFilterGraphControl, followsItsParametersWithFiniteCurvesAndRepaintsOnlyOnChange)
{
    RawParam cutoff, resonance, type;
    VortaneFilterGraphControl graph (&cutoff, &resonance, &type);
    graph.setBounds (0, 0, 64, 64);   // polls as it is laid out
    graph.setVisible (true);
    graph.stopTimer();                // the test polls
    auto& repaints = RepaintCounter::attachTo (graph);

    // The graph spans y 21..64 about y 42.5. The peak stands at x = cutoff * 64, resonance * 21.5
    // above the middle; low-pass keeps the low side at mid height, high-pass puts it on the
    // floor. Values not finite read as 0, others are limited to 0..1.
    struct Step { float cutoff, resonance, type, underTopX, topY; bool lowSideUp; int repaints; };
    const Step steps[] = { { 0.25f, 1.0f, 0.0f, 16.0f, 21.0f, true, 1 },
                           { 0.5f, 0.0f, 0.0f, 32.0f, 42.5f, true, 1 },
                           { 0.75f, 0.5f, 1.0f, 48.0f, 31.75f, false, 1 },
                           { notANumber, notANumber, notANumber, 2.0f, 42.5f, true, 1 },
                           { infinity, -infinity, infinity, 2.0f, 42.5f, true, 0 },
                           { 1.0e30f, -1.0e30f, -1.0e30f, 2.0f, 42.5f, true, 1 } };
    for (const auto& s : steps)
    {
        cutoff.hold (s.cutoff);
        resonance.hold (s.resonance);
        type.hold (s.type);
        graph.updateFromParameters();
        graph.updateFromParameters();
        EXPECT_EQ (repaints.take(), s.repaints) << s.cutoff;

        const auto& filled = graph.getFilledPath();
        EXPECT_TRUE (inLowerTwoThirds (filled.getBounds())) << filled.getBounds().toString();
        EXPECT_NEAR (filled.getBounds().getY(), s.topY, 0.01f) << s.cutoff;
        EXPECT_TRUE (filled.contains (s.underTopX, s.topY + 1.0f)) << s.cutoff;
        EXPECT_EQ (filled.contains (2.0f, 45.0f), s.lowSideUp) << s.type;
    }
}

TEST (VortaneFilterGraphControl, withoutCutoffAndResonanceThePeakStaysCentredAndANewSizeRedrawsAtThatSize)
{
    RawParam cutoff, resonance, type;
    VortaneFilterGraphControl graph (&cutoff, &resonance, &type), typeGraph (nullptr, nullptr, &type),
                              unbound (nullptr, nullptr, nullptr);
    for (auto* g : { &graph, &typeGraph, &unbound })
    {
        g->setBounds (0, 0, 64, 64);
        g->setVisible (true);
        g->stopTimer();
    }

    for (float t : { 0.0f, 1.0f, notANumber })
    {
        type.hold (t);
        typeGraph.updateFromParameters();
        EXPECT_NEAR (typeGraph.getFilledPath().getBounds().getY(), 42.5f, 0.01f) << t;
        EXPECT_TRUE (typeGraph.getFilledPath().contains (32.0f, 43.5f)) << t;
        EXPECT_TRUE (inLowerTwoThirds (typeGraph.getFilledPath().getBounds())) << t;
    }
    EXPECT_TRUE (graph.createComponentSnapshot (graph.getLocalBounds()).isValid());
    // With nothing bound: a low-pass curve (type 0) peaking at the middle.
    EXPECT_TRUE (inLowerTwoThirds (unbound.getFilledPath().getBounds()) && unbound.getFilledPath().contains (2.0f, 45.0f));

    cutoff.hold (0.5f);
    graph.updateFromParameters();
    graph.setSize (32, 32);
    EXPECT_EQ (graph.getFilledPath().getBounds().getBottom(), 32.0f);
}
