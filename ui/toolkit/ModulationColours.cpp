#include "ui/toolkit/ModulationColours.h"
#include "ui/lnf/QuilMetrics.h"

namespace ModulationColours
{
    juce::Colour plainBackground (juce::LookAndFeel& lf)
    {
        auto* q = QuilMetrics::asQuilLnF (lf);
        return q != nullptr ? q->getBackgroundColour() : juce::Colour (QuilLnF::standardBackground);
    }

    juce::Colour plainSecondary (juce::LookAndFeel& lf)
    {
        auto* q = QuilMetrics::asQuilLnF (lf);
        return q != nullptr ? q->getSecondaryColour() : juce::Colour (QuilLnF::standardSecondary);
    }

    juce::Colour plainText (juce::LookAndFeel& lf)
    {
        auto* q = QuilMetrics::asQuilLnF (lf);
        return q != nullptr ? q->getTextColour() : juce::Colour (QuilLnF::standardText);
    }

    ModulationRowColours plainRow (juce::LookAndFeel& lf)
    {
        const auto accent = QuilMetrics::getAccentColour (lf).getARGB();
        const auto accentDark = QuilMetrics::getAccentDarkColour (lf).getARGB();
        const auto text = plainText (lf).getARGB();
        const auto field = plainSecondary (lf).getARGB();
        const auto fieldBottom = plainBackground (lf).getARGB();

        return { accent, accent, accentDark, accentDark,
                 text, text, text, field, fieldBottom, text, accent, accentDark };
    }

    ModulationRowColours rowFor (const ModulationStyle& style, int column, juce::LookAndFeel& lf)
    {
        if (column >= 0 && (size_t) column < style.records.size())
        {
            const auto& row = style.records[(size_t) column];

            if (row.firstPair.size() >= 2 && row.secondPair.size() >= 2
                && row.thirdPair.size() >= 2 && row.fourthPair.size() >= 2)
                return row;
        }

        return plainRow (lf);
    }

    std::vector<uint32_t> atLeast (const std::vector<uint32_t>& list, size_t needed, juce::Colour plain)
    {
        if (list.size() >= needed)
            return list;

        return std::vector<uint32_t> (needed, plain.getARGB());
    }
}
