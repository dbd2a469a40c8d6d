#include "ui/toolkit/ModulationButton.h"
#include "core/ProcessorData.h"
#include "params/ParamValueFormat.h"
#include "params/QuilParamStereoMod.h"
#include "ui/toolkit/ControlGesture.h"
#include "ui/toolkit/ModulationColours.h"
#include "ui/toolkit/ModulationSliderStereo.h"
#include "ui/toolkit/PopupDisplayLauncher.h"

#include <cmath>

namespace
{
    constexpr float columnGap = 4.0f;
    constexpr float barWidth = 2.0f;
    constexpr float minimumHitWidth = 12.0f;
    constexpr juce::uint32 idleColour = 0xCBD1E1;

}

ModulationButton::Sources ModulationButton::sourcesOf (ProcessorData& data, int destination)
{
    Sources s;

    if (destination < 0 || destination >= numDestinations)
        return s;

    for (int input = 0; input < 2; ++input)
    {
        s.depths[input][0] = data.depth[destination][input][0];
        s.depths[input][1] = data.depth[destination][input][1];
        s.modes[input] = data.stereoMode[destination][input];
        s.meters[input] = &data.cvLevel[input];
    }

    return s;
}

ModulationButton::ModulationButton (const juce::String& destinationName, const Sources& s,
                                    const ModulationStyle& modulationStyle, const juce::StringArray& names)
    : name (destinationName), sources (s), style (modulationStyle), columnNames (names)
{
    setRepaintsOnMouseActivity (true);
}

ModulationButton::~ModulationButton() = default;

int ModulationButton::modeOf (int column) const
{
    auto* mode = sources.modes[column];
    return mode != nullptr ? truncateToIndex (mode->getRealValue()).value_or (0) : 0;
}

void ModulationButton::updateFromParameters()
{
    bool changed = ! polled;
    polled = true;

    // The main window fills the styling after the panel's controls are built.
    if (style.records.size() != recordsTaken)
    {
        takeColours();
        changed = true;
    }

    for (int c = 0; c < 2; ++c)
    {
        const int mode = modeOf (c);
        changed |= mode != modes[c];
        modes[c] = mode;

        // The right depth only counts when the sides are unlinked.
        const int examined = mode >= 2 ? 2 : 1;
        bool isActive = false;

        for (int side = 0; side < examined; ++side)
        {
            auto* p = sources.depths[c][side];
            const float d = p != nullptr ? (float) p->getRealValue() : 0.0f;

            if (d != depths[c][side])
            {
                depths[c][side] = d;
                changed = true;
            }

            isActive |= d != 0.0f;
        }

        changed |= isActive != active[c];
        active[c] = isActive;
    }

    if (changed)
    {
        rebuildGeometry();
        repaint();
    }
}

void ModulationButton::takeColours()
{
    auto& lf = getLookAndFeel();
    const float h = (float) getHeight();
    recordsTaken = style.records.size();

    for (int c = 0; c < 2; ++c)
    {
        const auto row = ModulationColours::rowFor (style, c, lf);
        const juce::Colour top (row.firstPair[0]), bottom (row.secondPair[0]);

        normal[c] = juce::ColourGradient (top.withAlpha ((juce::uint8) 0xB2), 0.0f, 3.0f,
                                          bottom.withAlpha ((juce::uint8) 0xB2), 0.0f, h - 3.0f, false);
        dimmed[c] = juce::ColourGradient (top.withAlpha ((juce::uint8) 0x40), 0.0f, 3.0f,
                                          bottom.withAlpha ((juce::uint8) 0x40), 0.0f, h - 3.0f, false);
        full[c] = juce::ColourGradient (top, 0.0f, 3.0f, bottom, 0.0f, h - 3.0f, false);
        barColour[c] = top;
    }
}

void ModulationButton::resized()
{
    const float h = (float) getHeight(), w = (float) getWidth();
    takeColours();

    juce::Path strokes;
    strokes.startNewSubPath (w * 0.5f - 4.0f, 7.0f);
    strokes.lineTo (w * 0.5f - 4.0f, h - 7.0f);
    strokes.startNewSubPath (w * 0.5f, 4.0f);
    strokes.lineTo (w * 0.5f, h - 4.0f);
    strokes.startNewSubPath (w * 0.5f + 4.0f, 7.0f);
    strokes.lineTo (w * 0.5f + 4.0f, h - 7.0f);

    idleGlyph.clear();
    juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
        .createStrokedPath (idleGlyph, strokes);

    outline.clear();
    outline.addRoundedRectangle (getLocalBounds().toFloat(), 2.0f);

    updateFromParameters();
    rebuildGeometry();
}

void ModulationButton::rebuildGeometry()
{
    const float w = (float) getWidth(), h = (float) getHeight();
    const float centre = h * 0.5f, half = h * 0.5f - 2.0f;
    const int count = (active[0] ? 1 : 0) + (active[1] ? 1 : 0);

    float x = (w - (columnGap * (float) count - 2.0f)) * 0.5f;
    juce::Rectangle<float> group;

    for (int c = 0; c < 2; ++c)
    {
        tracks[c] = bars[c] = {};

        if (! active[c])
            continue;

        tracks[c] = { x, 2.0f, barWidth, h - 4.0f };
        group = group.isEmpty() ? tracks[c] : group.getUnion (tracks[c]);

        // Upward is positive depth.
        const float a = -depths[c][0] * half;
        float from = juce::jmin (0.0f, a), to = juce::jmax (0.0f, a);

        if (modes[c] == 0)
        {
            if (a != 0.0f && std::abs (a) < 1.0f)
            {
                const float end = a < 0.0f ? -1.0f : 1.0f;
                from = juce::jmin (0.0f, end);
                to = juce::jmax (0.0f, end);
            }
        }
        else
        {
            const float b = modes[c] == 1 ? depths[c][0] * half : -depths[c][1] * half;
            from = juce::jmin (from, b);
            to = juce::jmax (to, b);

            if (to != from && to < 1.0f && -from < 1.0f)
                from = -1.0f, to = 1.0f;
        }

        bars[c] = { x, centre + from, barWidth, to - from };
        x += columnGap;
    }

    if (count == 0)
        hitRectangle = idleGlyph.getBounds();
    else
        hitRectangle = group.withSizeKeepingCentre (juce::jmax (minimumHitWidth, group.getWidth()), group.getHeight());
}

bool ModulationButton::hitTest (int x, int y)
{
    return hitRectangle.contains ((float) x, (float) y);
}

void ModulationButton::mouseEnter (const juce::MouseEvent&)
{
    mouseOver = true;
}

void ModulationButton::mouseExit (const juce::MouseEvent&)
{
    mouseOver = false;
}

void ModulationButton::paint (juce::Graphics& g)
{
    if (! active[0] && ! active[1])
    {
        const bool lit = mouseOver || isMouseButtonDown();
        g.setColour (juce::Colour (idleColour).withAlpha ((juce::uint8) (lit ? 0x66 : 0x22)));
        g.fillPath (idleGlyph);
        return;
    }

    g.reduceClipRegion (outline);

    for (int c = 0; c < 2; ++c)
    {
        if (! active[c])
            continue;

        g.setGradientFill (mouseOver ? normal[c] : dimmed[c]);
        g.fillRect (tracks[c]);
        g.setColour (mouseOver ? juce::Colour (0xFFFFFFFFu) : barColour[c]);
        g.fillRect (bars[c]);
    }
}

std::unique_ptr<ModulationPopup> ModulationButton::createPopup() const
{
    auto newPopup = std::make_unique<ModulationPopup> (name, style);
    newPopup->layOutColumns (2);

    for (int c = 0; c < 2; ++c)
        if (auto* left = sources.depths[c][0])
            newPopup->setColumn (c, std::make_unique<ModulationSliderStereo> (*left, sources.depths[c][1], sources.modes[c], style, c, columnNames, sources.meters[c]));

    return newPopup;
}

void ModulationButton::mouseDown (const juce::MouseEvent& e)
{
    if (ControlGesture::isPopupClick (e.mods))
        return;

    auto* launcher = PopupDisplayLauncher::findFor (this);
    if (launcher == nullptr)
        return;

    // When the click did not take the focus from the open pop-up, close it here.
    auto& display = launcher->getPopupDisplay();
    if (popup != nullptr && display.isPopupShowing() && display.getContent() == popup.getComponent())
    {
        display.closePopup();
        return;
    }

    auto newPopup = createPopup();
    const auto inButton = popupPoint.value_or (juce::Point<int> (getWidth() / 2 - newPopup->getWidth() / 2, getHeight()));
    auto* target = getParentComponent() != nullptr ? getParentComponent() : static_cast<juce::Component*> (this);
    const auto position = target == this ? inButton : inButton + getPosition();

    auto* shown = newPopup.get();
    popup = launcher->launchPopup (std::move (newPopup), position, target, true) ? shown : nullptr;
}
