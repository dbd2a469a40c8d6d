#include "editor/ModulationStyleFill.h"
#include "ui/lnf/QuilColourIds.h"
#include "ui/lnf/QuilMetrics.h"

bool fillModulationStyle (ModulationStyle& style, juce::LookAndFeel& lookAndFeel)
{
    if (style.filled)
        return false;

    using namespace QuilColourIds;

    auto colour = [&lookAndFeel] (int id) -> uint32_t
    {
        return (lookAndFeel.isColourSpecified (id) ? lookAndFeel.findColour (id)
                                                   : juce::Colours::black)
            .getARGB();
    };

    auto adjusted = [&lookAndFeel] (uint32_t argb) -> uint32_t
    {
        return QuilMetrics::adjustColour (lookAndFeel, juce::Colour (argb)).getARGB();
    };

    style.outerFrameColour = colour (modOuterFrame);
    style.innerFrameColour = colour (modInnerFrame);
    style.sliderBackgroundColour = colour (modSliderBackground);

    const auto outer2 = colour (modOuterGradient2);
    style.outerGradientColours = { colour (modOuterGradient1), outer2, outer2 };
    style.innerGradientColours = { colour (modInnerGradient1), colour (modInnerGradient2) };
    style.tickMarkColour = colour (modTickMarks);

    for (const auto& ids : modulationRowIds)
    {
        const auto p = colour (ids.p);
        const auto pAdjusted = adjusted (p);
        const auto q = colour (ids.q);
        const auto qAdjusted = adjusted (q);

        addModulationRowColours (style, ModulationRowColours (p, pAdjusted, q, qAdjusted, colour (ids.pAgain), colour (ids.qAgain), colour (ids.qThird), colour (ids.shade1), colour (ids.shade2), colour (ids.qDark), colour (ids.pTrans), colour (ids.qTrans)));
    }

    style.filled = true;
    return true;
}
