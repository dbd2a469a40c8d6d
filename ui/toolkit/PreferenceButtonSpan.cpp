#include "ui/toolkit/PreferenceButtonSpan.h"
#include "ui/lnf/QuilMetrics.h"

PreferenceButtonSpan::PreferenceButtonSpan (PrefsFile* prefsToUse, const juce::String& keyToWrite,
                                            const juce::StringArray& labels, const juce::String& tooltipText,
                                            bool sideBySide)
    : prefs (prefsToUse),
      key (keyToWrite),
      optionRects ((size_t) labels.size()),
      optionLabels (labels.begin(), labels.end()),
      numOptions ((size_t) labels.size()),
      horizontal (sideBySide),
      tooltip (tooltipText)
{
}

PreferenceButtonSpan::~PreferenceButtonSpan() = default;

void PreferenceButtonSpan::resized()
{
    textActive = findColour (textActiveColourId);
    text = findColour (textColourId);
    fillSelected = findColour (fillSelectedColourId);
    fill = findColour (fillColourId);
    outlineSelected = findColour (outlineSelectedColourId);
    outline = findColour (outlineColourId);

    if (numOptions == 0)
        return;

    const float extent = horizontal ? (float) getWidth() : (float) getHeight();
    cellSize = extent / (float) numOptions;

    for (size_t i = 0; i < numOptions; ++i)
    {
        auto r = getLocalBounds().toFloat();
        const float offset = juce::jmin ((float) i * cellSize, extent);

        if (horizontal)
            r = r.withX (offset).withWidth (cellSize);
        else
            r = r.withY (offset).withHeight (cellSize);

        optionRects[i] = { r.getX() + insetX, r.getY() + insetY,
                           juce::jmax (0.0f, r.getWidth() - 2.0f * insetX),
                           juce::jmax (0.0f, r.getHeight() - 2.0f * insetY) };
    }
}

int PreferenceButtonSpan::optionAt (juce::Point<float> position) const
{
    for (size_t i = 0; i < numOptions; ++i)
        if (optionRects[i].contains (position))
            return (int) i;

    return -1;
}

void PreferenceButtonSpan::setHoverIndex (int index)
{
    hoverIndex = index;
    repaint();
}

void PreferenceButtonSpan::mouseMove (const juce::MouseEvent& e) { setHoverIndex (optionAt (e.position)); }
void PreferenceButtonSpan::mouseEnter (const juce::MouseEvent& e) { setHoverIndex (optionAt (e.position)); }
void PreferenceButtonSpan::mouseExit (const juce::MouseEvent&) { setHoverIndex (-1); }

void PreferenceButtonSpan::mouseDown (const juce::MouseEvent& e)
{
    hoverIndex = optionAt (e.position);

    // A right-click or control-click belongs to MIDI learning.
    const bool popupClick = (e.mods.getRawFlags() & 0x22) != 0;

    if (hoverIndex >= 0 && ! popupClick)
        selectOption (hoverIndex);

    repaint();
}

void PreferenceButtonSpan::paint (juce::Graphics& g)
{
    const float corner = QuilMetrics::getCornerSize (*this);
    g.setFont (13.0f);

    for (size_t i = 0; i < numOptions; ++i)
    {
        const bool selected = isOptionSelected ((int) i);
        const auto& r = optionRects[i];

        g.setColour (selected ? fillSelected : fill);
        g.fillRoundedRectangle (r, corner);

        g.setColour (selected ? outlineSelected : outline);
        g.drawRoundedRectangle (r.getX() + 0.5f, r.getY() + 0.5f,
                                juce::jmax (0.0f, r.getWidth() - 1.0f),
                                juce::jmax (0.0f, r.getHeight() - 1.0f), corner, 1.0f);

        g.setColour ((int) i == hoverIndex || selected ? textActive : text);
        g.drawText (optionLabels[i], r, juce::Justification::centred, true);
    }
}
