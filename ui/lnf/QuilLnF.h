#pragma once

#include "ui/lnf/ColorPalette.h"

/** The maker's look-and-feel: the embedded typeface for every font, a colour scheme
    derived from eight base colours, restyled menus, labels, tooltips and button
    outlines, an icon set, and the metrics and drawing operations the toolkit's
    widgets ask for. A product overrides the base colours and runs
    setupColourScheme() again at the end of its own constructor. */
class QuilLnF : public juce::LookAndFeel_V4
{
public:
    // The standard metrics; widgets under another look-and-feel use these too.
    static constexpr float standardFontHeight = 13.0f;
    static constexpr float standardSmallFontHeight = 10.0f;
    static constexpr float standardCornerSize = 6.0f;

    // The maker's base colours.
    static constexpr juce::uint32 standardBackground = 0xFF080934;
    static constexpr juce::uint32 standardSecondary = 0xFF44545E;
    static constexpr juce::uint32 standardText = 0xFFB8C7E4;
    static constexpr juce::uint32 standardHighlight = 0xFFD2E2FF;
    static constexpr juce::uint32 standardAccent = 0xFF00C9FF;
    static constexpr juce::uint32 standardAccentDark = 0xFF114562;
    static constexpr juce::uint32 standardAlert = 0xFFD04B4A;
    static constexpr juce::uint32 standardAlertDark = 0xFF2F1A19;

    QuilLnF();
    ~QuilLnF() override;

    //==============================================================================
    juce::Typeface::Ptr getTypefaceForFont (const juce::Font&) override;
    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& background,
                               bool isMouseOverButton, bool isButtonDown) override;
    void drawPopupMenuBackground (juce::Graphics&, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics&, const juce::Rectangle<int>& area,
                            bool isSeparator, bool isActive, bool isHighlighted, bool isTicked,
                            bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText,
                            const juce::Drawable* icon, const juce::Colour* textColour) override;
    juce::Font getPopupMenuFont() override;
    int getMenuWindowFlags() override;
    void drawLabel (juce::Graphics&, juce::Label&) override;
    juce::Rectangle<int> getTooltipBounds (const juce::String& tipText, juce::Point<int> screenPos,
                                           juce::Rectangle<int> parentArea) override;
    void drawTooltip (juce::Graphics&, const juce::String& text, int width, int height) override;

    //==============================================================================
    /** Sets the whole colour table from the base colours, then runs the palette. */
    virtual void setupColourScheme();
    /** Appends the eight embedded icon outlines to the icon set. */
    virtual void loadIcons();
    virtual juce::Array<juce::Path> getIcons() const;

    virtual float getFontHeight() const;
    virtual float getSmallFontHeight() const;
    virtual float getCornerSize() const;
    /** Drawn at half scale by the status bar when not null. */
    virtual juce::Image getStatusBarImage() const;

    /** A tab whose right edge slants in, filled, optionally outlined, with its text. */
    virtual void drawOutlinedText (juce::Graphics&, const juce::String& text, bool flagA, bool flagB,
                                   juce::Component& component, juce::Rectangle<float> area);
    virtual void drawRoundedBox (juce::Graphics&, const juce::String& text, bool flagA, bool flagB,
                                 juce::Rectangle<float> area);
    virtual void drawRoundedBoxVariant (juce::Graphics&, const juce::String& text, bool flagA, bool flagB,
                                        juce::Rectangle<float> area);
    virtual void drawIconWithText (juce::Graphics&, juce::Component& component, int iconIndex,
                                   const juce::String& text, bool flagA, bool flagB, bool enabled,
                                   juce::Rectangle<float> area);
    virtual void drawComponentIconWithText (juce::Graphics&, juce::Component& component, int iconIndex,
                                            const juce::String& text, bool flagA, bool flagB, bool enabled,
                                            juce::Rectangle<float> area);

    virtual juce::Colour getBackgroundColour() const;
    virtual juce::Colour getSecondaryColour() const;
    virtual juce::Colour getTextColour() const;
    virtual juce::Colour getHighlightColour() const;
    virtual juce::Colour getAccentColour() const;
    virtual juce::Colour getAccentDarkColour() const;
    virtual juce::Colour getAlertColour() const;
    virtual juce::Colour getAlertDarkColour() const;

    /** Saturation × 0.8, then lightness × 1.2 (HSL, each capped at 1). */
    virtual juce::Colour adjustColour (juce::Colour colour) const;
    /** The same rule, for callers without a maker's look-and-feel. */
    static juce::Colour standardAdjustColour (juce::Colour colour);

    ColorPalette& getPalette() noexcept { return palette; }

protected:
    /** The look-and-feel's colour for an ID; opaque black when it holds none. */
    juce::Colour lookUp (int colourId) const;

    juce::Array<juce::Path> icons;
    ColorPalette palette { this };

private:
    /** Fills and outlines a rounded box and leaves the graphics set for its text. */
    void drawRoundedBoxFrame (juce::Graphics&, bool flagA, bool flagB, juce::Rectangle<float> area);

    void drawIconAndText (juce::Graphics&, juce::Colour colour, int iconIndex,
                          const juce::String& text, juce::Rectangle<float> area);

    // Made once: every font of every component asks for it.
    juce::Typeface::Ptr typeface;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuilLnF)
};
