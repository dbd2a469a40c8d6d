#include "ui/lnf/QuilLnF.h"
#include "ui/lnf/IconSet.h"
#include "ui/lnf/InterfaceFont.h"
#include "ui/lnf/QuilColourIds.h"

using namespace juce;

QuilLnF::QuilLnF()
    : typeface (InterfaceFont::createTypeface())
{
    // Virtual calls from the constructor run QuilLnF's own versions: the scheme is
    // built from the maker's base colours until a product runs it again.
    setupColourScheme();
    loadIcons();
}

QuilLnF::~QuilLnF() = default;

Colour QuilLnF::lookUp (int colourId) const
{
    return isColourSpecified (colourId) ? findColour (colourId) : Colours::black;
}

//==============================================================================
Typeface::Ptr QuilLnF::getTypefaceForFont (const Font& font)
{
    if (typeface != nullptr)
        return typeface;

    return LookAndFeel_V4::getTypefaceForFont (font);
}

void QuilLnF::drawButtonBackground (Graphics& g, Button& button, const Colour&,
                                    bool isMouseOverButton, bool)
{
    const auto bounds = button.getLocalBounds().toFloat();
    const Rectangle<float> outline (bounds.getX() + 1.5f, bounds.getY() + 1.5f,
                                    jmax (0.0f, bounds.getWidth() - 3.0f),
                                    jmax (0.0f, bounds.getHeight() - 3.0f));

    g.setColour (getHighlightColour().withBrightness (isMouseOverButton ? 1.0f : 0.0f));
    g.drawRoundedRectangle (outline, 3.0f, 1.0f);
}

void QuilLnF::drawPopupMenuBackground (Graphics& g, int width, int height)
{
    g.setColour (lookUp (PopupMenu::highlightedTextColourId));
    g.fillRoundedRectangle (0.0f, 0.0f, (float) width, (float) height, 2.0f);

    g.setColour (lookUp (PopupMenu::textColourId).withBrightness (0.4f));
    g.drawRoundedRectangle (0.5f, 0.5f, (float) width - 1.0f, (float) height - 1.0f, 2.0f, 1.0f);
}

void QuilLnF::drawPopupMenuItem (Graphics& g, const Rectangle<int>& area,
                                 bool isSeparator, bool isActive, bool isHighlighted, bool isTicked,
                                 bool hasSubMenu, const String& text, const String& shortcutKeyText,
                                 const Drawable* icon, const Colour* textColourToUse)
{
    const int x = area.getX(), y = area.getY(), w = area.getWidth(), h = area.getHeight();

    if (isSeparator)
    {
        g.setColour (lookUp (PopupMenu::textColourId).withBrightness (0.4f));
        g.fillRect (x, y + h / 2, w, jmin (1, h - h / 2));
        return;
    }

    auto textColour = textColourToUse != nullptr ? *textColourToUse : lookUp (PopupMenu::textColourId);
    const Rectangle<int> inner (x + 1, y + 1, jmax (0, w - 2), jmax (0, h - 2));

    if (isHighlighted)
    {
        g.setColour (lookUp (PopupMenu::highlightedBackgroundColourId));
        g.fillRect (inner);
        textColour = lookUp (PopupMenu::highlightedTextColourId);
    }

    g.setColour (textColour);

    // After the highlight fill, so the fill itself keeps full opacity.
    if (! isActive)
        g.setOpacity (0.3f);

    auto font = getPopupMenuFont();

    if (font.getHeight() > (float) h / 1.3f)
        font.setHeight ((float) h / 1.3f);

    g.setFont (font);

    const int side = jmin (w - 2, h - 2);
    const Rectangle<float> iconArea ((float) (x + 4), (float) (y + 4),
                                     (float) (jmax (6, side) - 6), (float) (h >= 9 ? h - 8 : 0));

    if (icon != nullptr)
        icon->drawWithin (g, iconArea, RectanglePlacement::centred | RectanglePlacement::onlyReduceInSize, 1.0f);
    else if (isTicked)
        g.fillEllipse (Rectangle<float> (4.0f, 4.0f).withCentre (iconArea.getCentre()));

    int textWidth = (w - 2) - side;

    if (hasSubMenu)
    {
        const auto ascent = getPopupMenuFont().getAscent();
        const int arrowWidth = jmin ((int) (0.6f * ascent), textWidth);
        const auto x0 = (float) ((x + 1) + (w - 2) - arrowWidth);
        const auto yc = (float) ((y + 1) + (h - 2) / 2);

        Path arrow;
        arrow.addTriangle (x0, yc - 0.3f * ascent, x0 + 0.36f * ascent, yc, x0, yc + 0.3f * ascent);
        g.fillPath (arrow);
        textWidth -= arrowWidth;
    }

    g.drawFittedText (text, x + side, y + 1, textWidth, h - 2, Justification::centredLeft, 1);

    if (shortcutKeyText.isNotEmpty())
    {
        g.setFont (font.withHeight (font.getHeight() * 0.75f).withHorizontalScale (0.95f));
        g.drawText (shortcutKeyText, x + side, y + 1, textWidth, h - 2, Justification::centredRight, true);
    }
}

Font QuilLnF::getPopupMenuFont()
{
    return Font (13.0f);
}

int QuilLnF::getMenuWindowFlags()
{
    return 0;
}

void QuilLnF::drawLabel (Graphics& g, Label& label)
{
    if (label.isBeingEdited())
        return;

    const auto font = getLabelFont (label);
    const auto border = label.getBorderSize();
    const int maxLines = jmax (1, (int) ((float) (label.getHeight() - border.getTop() - border.getBottom()) / font.getHeight()));

    g.setColour (label.findColour (Label::textColourId));
    g.setFont (font);
    g.drawFittedText (label.getText(), label.getLocalBounds(), label.getJustificationType(),
                      maxLines, label.getMinimumHorizontalScale());
}

Rectangle<int> QuilLnF::getTooltipBounds (const String& tipText, Point<int> screenPos,
                                          Rectangle<int> parentArea)
{
    const int textWidth = (int) std::ceil (Font (14.0f).getStringWidthFloat (tipText));
    const int w = textWidth + 16, h = 20;

    const int x = screenPos.x > parentArea.getCentreX() ? screenPos.x - (w + 12) : screenPos.x + 24;
    const int y = screenPos.y > parentArea.getCentreY() ? screenPos.y - (h + 6) : screenPos.y + 6;

    return Rectangle<int> (x, y, w, h).constrainedWithin (parentArea);
}

void QuilLnF::drawTooltip (Graphics& g, const String& text, int width, int height)
{
    g.setColour (lookUp (TooltipWindow::backgroundColourId));
    g.fillRoundedRectangle (0.5f, 0.5f, (float) width - 1.0f, (float) height - 1.0f, 2.0f);

    g.setColour (lookUp (TooltipWindow::textColourId));
    g.drawFittedText (text, 0, 0, width, height, Justification::centred, 1, 0.0f);
}

//==============================================================================
void QuilLnF::loadIcons()
{
    for (int i = 0; i < IconSet::numIcons; ++i)
        icons.add (IconSet::loadIcon (i));
}

Array<Path> QuilLnF::getIcons() const { return icons; }
float QuilLnF::getFontHeight() const { return standardFontHeight; }
float QuilLnF::getSmallFontHeight() const { return standardSmallFontHeight; }
float QuilLnF::getCornerSize() const { return standardCornerSize; }
Image QuilLnF::getStatusBarImage() const { return {}; }

Colour QuilLnF::getBackgroundColour() const { return Colour (standardBackground); }
Colour QuilLnF::getSecondaryColour() const { return Colour (standardSecondary); }
Colour QuilLnF::getTextColour() const { return Colour (standardText); }
Colour QuilLnF::getHighlightColour() const { return Colour (standardHighlight); }
Colour QuilLnF::getAccentColour() const { return Colour (standardAccent); }
Colour QuilLnF::getAccentDarkColour() const { return Colour (standardAccentDark); }
Colour QuilLnF::getAlertColour() const { return Colour (standardAlert); }
Colour QuilLnF::getAlertDarkColour() const { return Colour (standardAlertDark); }

Colour QuilLnF::adjustColour (Colour colour) const
{
    return standardAdjustColour (colour);
}

Colour QuilLnF::standardAdjustColour (Colour colour)
{
    return colour.withMultipliedSaturationHSL (0.8f).withMultipliedLightness (1.2f);
}

//==============================================================================
void QuilLnF::drawOutlinedText (Graphics& g, const String& text, bool flagA, bool flagB,
                                Component& component, Rectangle<float> area)
{
    const auto x = area.getX(), y = area.getY(), w = area.getWidth(), h = area.getHeight();

    Path tab;
    tab.startNewSubPath (x, y + h);
    tab.lineTo (x, y);
    tab.lineTo (x + w, y);
    tab.lineTo (x + w - 6.0f, y + h);
    tab.closeSubPath();
    tab = tab.createPathWithRoundedCorners (2.5f);

    g.setColour (component.findColour (flagA || flagB ? QuilColourIds::tabFillActive
                                                      : QuilColourIds::tabFillIdle));
    g.fillPath (tab);

    if (flagA)
    {
        g.setColour (component.findColour (QuilColourIds::boxOutlineActive));
        g.strokePath (tab, PathStrokeType (1.0f));
    }

    g.setFont (Font (13.0f));
    g.setColour (component.findColour (flagA ? QuilColourIds::boxOutlineActive : QuilColourIds::tabText));
    g.drawText (text, Rectangle<float> (x + 8.0f, y, jmax (0.0f, w - 8.0f), h),
                Justification::centredLeft, true);
}

void QuilLnF::drawRoundedBoxFrame (Graphics& g, bool flagA, bool flagB, Rectangle<float> area)
{
    g.setColour (lookUp (flagA || flagB ? QuilColourIds::boxFillActive : QuilColourIds::boxFillIdle));
    g.fillRoundedRectangle (area, 2.5f);

    g.setColour (flagA ? lookUp (QuilColourIds::boxOutlineActive) : Colour (0x39000000));
    g.drawRoundedRectangle (area, 2.5f, 1.0f);

    g.setFont (Font (13.0f));
    g.setColour (lookUp (QuilColourIds::boxOutlineActive));
}

void QuilLnF::drawRoundedBox (Graphics& g, const String& text, bool flagA, bool flagB,
                              Rectangle<float> area)
{
    drawRoundedBoxFrame (g, flagA, flagB, area);
    g.drawText (text, area, Justification::centred, true);
}

void QuilLnF::drawRoundedBoxVariant (Graphics& g, const String& text, bool flagA, bool flagB,
                                     Rectangle<float> area)
{
    drawRoundedBoxFrame (g, flagA, flagB, area);
    g.drawFittedText (text, area.toNearestInt(), Justification::centred, 1, 0.0f);
}

void QuilLnF::drawIconWithText (Graphics& g, Component&, int iconIndex, const String& text,
                                bool flagA, bool flagB, bool enabled, Rectangle<float> area)
{
    const int id = enabled ? (flagA ? QuilColourIds::iconActive
                                    : (flagB ? QuilColourIds::iconHighlighted : QuilColourIds::iconNormal))
                           : QuilColourIds::iconDisabled;

    drawIconAndText (g, lookUp (id), iconIndex, text, area);
}

void QuilLnF::drawComponentIconWithText (Graphics& g, Component& component, int iconIndex,
                                         const String& text, bool flagA, bool flagB, bool enabled,
                                         Rectangle<float> area)
{
    const int id = enabled ? (flagA ? QuilColourIds::iconHighlighted : QuilColourIds::iconNormal)
                           : QuilColourIds::iconDisabled;
    auto colour = component.findColour (id);

    if (flagB)
        colour = colour.darker (0.3f);

    drawIconAndText (g, colour, iconIndex, text, area);
}

void QuilLnF::drawIconAndText (Graphics& g, Colour colour, int iconIndex, const String& text,
                               Rectangle<float> area)
{
    g.setColour (colour);
    float textLeft = 5.0f;

    if (isPositiveAndBelow (iconIndex, icons.size()))
    {
        const auto& icon = icons.getReference (iconIndex);
        const auto bounds = icon.getBounds();
        const int dy = (int) ((area.getHeight() - bounds.getHeight()) * 0.5f);

        g.setOrigin (0, dy);
        g.fillPath (icon);
        g.setOrigin (0, -dy);

        textLeft = bounds.getRight() + 5.0f;
    }

    g.setFont (Font (13.0f));
    g.drawText (text, Rectangle<float> (textLeft, area.getY(), jmax (0.0f, area.getRight() - textLeft), area.getHeight()),
                Justification::centredLeft, true);
}
