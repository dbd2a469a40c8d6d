#include "ui/lnf/QuilMetrics.h"

namespace QuilMetrics
{
    QuilLnF* asQuilLnF (juce::LookAndFeel& lookAndFeel) noexcept
    {
        return dynamic_cast<QuilLnF*> (&lookAndFeel);
    }

    float getFontHeight (juce::LookAndFeel& lf)
    {
        auto* q = asQuilLnF (lf);
        return q != nullptr ? q->getFontHeight() : QuilLnF::standardFontHeight;
    }

    float getSmallFontHeight (juce::LookAndFeel& lf)
    {
        auto* q = asQuilLnF (lf);
        return q != nullptr ? q->getSmallFontHeight() : QuilLnF::standardSmallFontHeight;
    }

    float getCornerSize (juce::LookAndFeel& lf)
    {
        auto* q = asQuilLnF (lf);
        return q != nullptr ? q->getCornerSize() : QuilLnF::standardCornerSize;
    }

    juce::Image getStatusBarImage (juce::LookAndFeel& lf)
    {
        auto* q = asQuilLnF (lf);
        return q != nullptr ? q->getStatusBarImage() : juce::Image();
    }

    juce::Colour getAccentColour (juce::LookAndFeel& lf)
    {
        auto* q = asQuilLnF (lf);
        return q != nullptr ? q->getAccentColour() : juce::Colour (QuilLnF::standardAccent);
    }

    juce::Colour getAccentDarkColour (juce::LookAndFeel& lf)
    {
        auto* q = asQuilLnF (lf);
        return q != nullptr ? q->getAccentDarkColour() : juce::Colour (QuilLnF::standardAccentDark);
    }

    juce::Colour getAlertColour (juce::LookAndFeel& lf)
    {
        auto* q = asQuilLnF (lf);
        return q != nullptr ? q->getAlertColour() : juce::Colour (QuilLnF::standardAlert);
    }

    juce::Colour adjustColour (juce::LookAndFeel& lf, juce::Colour colour)
    {
        auto* q = asQuilLnF (lf);
        return q != nullptr ? q->adjustColour (colour) : QuilLnF::standardAdjustColour (colour);
    }

    float getFontHeight (const juce::Component& c) { return getFontHeight (c.getLookAndFeel()); }
    float getSmallFontHeight (const juce::Component& c) { return getSmallFontHeight (c.getLookAndFeel()); }
    float getCornerSize (const juce::Component& c) { return getCornerSize (c.getLookAndFeel()); }
    juce::Image getStatusBarImage (const juce::Component& c) { return getStatusBarImage (c.getLookAndFeel()); }
    juce::Colour getAccentColour (const juce::Component& c) { return getAccentColour (c.getLookAndFeel()); }
    juce::Colour getAccentDarkColour (const juce::Component& c) { return getAccentDarkColour (c.getLookAndFeel()); }
    juce::Colour getAlertColour (const juce::Component& c) { return getAlertColour (c.getLookAndFeel()); }
    juce::Colour adjustColour (const juce::Component& c, juce::Colour colour)
    {
        return adjustColour (c.getLookAndFeel(), colour);
    }
}
