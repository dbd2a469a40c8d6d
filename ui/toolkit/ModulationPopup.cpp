#include "ui/toolkit/ModulationPopup.h"
#include "ui/lnf/QuilMetrics.h"
#include "ui/toolkit/ModulationColours.h"

namespace
{
    // The columns' zero line lies this far below their top (bar area 21 + 126 / 2).
    constexpr float zeroLine = 84.0f;
    constexpr float titleHeight = 22.0f;
    constexpr float frameCorner = 5.0f;
}

ModulationPopup::ModulationPopup (const juce::String& popupTitle, const ModulationStyle& styleToCopy,
                                  float height, int popupMargin)
    : title (popupTitle), columnHeight (height), margin (popupMargin), style (styleToCopy)
{
    setComponentID (popupTitle);
}

ModulationPopup::~ModulationPopup() = default;

std::vector<juce::Rectangle<float>> ModulationPopup::layoutRows (int count, int rowMargin, int height)
{
    std::vector<juce::Rectangle<float>> rows;

    for (int i = 0; i < count; ++i)
        rows.emplace_back ((float) (rowMargin + i * (rowMargin + columnWidth)), 0.0f,
                           (float) columnWidth, (float) height);

    return rows;
}

void ModulationPopup::layOutColumns (int count)
{
    columnRects = layoutRows (juce::jmin (count, maxColumns), margin, (int) columnHeight);
    numColumns = (int) columnRects.size();

    if (numColumns == 0)
        return;

    const float contentWidth = columnRects.front().getX() + 2.0f + columnRects.back().getRight();
    innerFrame = { 4.0f, 23.0f, contentWidth, columnHeight + 2.0f };
    outerFrame = { 0.0f, 0.0f, contentWidth + 8.0f, columnHeight + 29.0f };

    for (auto& r : columnRects)
        r.translate (5.0f, 24.0f);

    setSize ((int) outerFrame.getWidth(), (int) outerFrame.getHeight());
}

void ModulationPopup::setColumn (int index, std::unique_ptr<juce::Component> column)
{
    if (index < 0 || index >= numColumns || column == nullptr)
        return;

    columns[index] = std::move (column);
    columns[index]->setBounds (columnRects[(size_t) index].toNearestInt());
    addAndMakeVisible (*columns[index]);
}

juce::Component* ModulationPopup::getColumn (int index) const noexcept
{
    return index >= 0 && index < maxColumns ? columns[index].get() : nullptr;
}

void ModulationPopup::resized()
{
    auto& lf = getLookAndFeel();
    const float w = (float) getWidth(), h = (float) getHeight();
    const bool vertical = style.filled;

    const auto outer = ModulationColours::atLeast (style.outerGradientColours, 3, ModulationColours::plainSecondary (lf));
    const auto inner = ModulationColours::atLeast (style.innerGradientColours, 2, ModulationColours::plainBackground (lf));

    if (vertical)
    {
        outerGradient = juce::ColourGradient (juce::Colour (outer[0]), 0.0f, 0.0f, juce::Colour (outer[2]), 0.0f, h, false);
        outerGradient.addColour (0.84, juce::Colour (outer[1]));
        innerGradient = juce::ColourGradient (juce::Colour (inner[0]), 0.0f, 0.0f, juce::Colour (inner[1]), 0.0f, h, false);
        innerGradient.addColour (0.84, juce::Colour (inner[1]));
    }
    else
    {
        outerGradient = juce::ColourGradient (juce::Colour (outer[0]), 0.0f, 0.0f, juce::Colour (outer[2]), w, h, false);
        outerGradient.addColour (0.19, juce::Colour (outer[1]));
        innerGradient = juce::ColourGradient (juce::Colour (inner[0]), 0.0f, innerFrame.getY(),
                                              juce::Colour (inner[1]), 0.0f, innerFrame.getBottom(), false);
    }

    outerFrameColour = juce::Colour (style.outerFrameColour);
    innerFrameColour = juce::Colour (style.innerFrameColour);

    titleArea = { outerFrame.getX() + 1.0f + (float) margin * 0.5f, outerFrame.getY() + 2.0f,
                  outerFrame.getWidth() - (float) margin - 1.0f, titleHeight };

    tickMarks.clear();

    for (int i = 0; i < numColumns; ++i)
    {
        const auto& column = columnRects[(size_t) i];
        const float y = columnRects.front().getY() + zeroLine;
        const float half = (float) margin * 0.5f;

        juce::Path ticks;
        ticks.addRectangle (column.getX() - half - 2.0f, y - 0.5f, 4.0f, 1.0f);
        ticks.addRectangle (column.getRight() + half - 2.0f, y - 0.5f, 4.0f, 1.0f);
        tickMarks.push_back (std::move (ticks));
    }
}

void ModulationPopup::paint (juce::Graphics& g)
{
    g.setColour (outerFrameColour);
    g.fillRoundedRectangle (outerFrame, frameCorner);
    g.setGradientFill (outerGradient);
    g.fillRoundedRectangle (outerFrame.reduced (1.0f), frameCorner);

    g.setColour (innerFrameColour);
    g.fillRoundedRectangle (innerFrame, frameCorner);
    g.setGradientFill (innerGradient);
    g.fillRoundedRectangle (innerFrame.reduced (1.0f), frameCorner);

    const float fontHeight = QuilMetrics::getFontHeight (*this) * (numColumns == 1 ? 0.9090909f : 1.0f);
    g.setColour (juce::Colour (0xFFFFFFFFu));
    g.setFont (fontHeight);
    g.drawText (title.toUpperCase(), titleArea, juce::Justification::centred, true);

    g.setColour (juce::Colour (style.tickMarkColour));
    for (const auto& ticks : tickMarks)
        g.fillPath (ticks);
}
