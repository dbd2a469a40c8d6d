#pragma once

#include <juce_graphics/juce_graphics.h>

/** The maker's and the product's wordmarks, drawn from straight strokes and arcs. */
namespace Logos
{
    /** "QUILLMERE" as one outline (filled in one colour by the title button). */
    juce::Path makeMakerLogo();

    /** "VORTANE" as an SVG document of 221 × 55.9 units: letters in #CBCBCB, the
        O as a ring with a centre dot in #ADFF7D. */
    juce::String makeProductLogoSvg();
}
