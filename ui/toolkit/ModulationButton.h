#pragma once

#include "ui/toolkit/ModulationPopup.h"
#include "ui/toolkit/ParamComponent.h"
#include <atomic>
#include <optional>

class QuilParam;
struct ProcessorData;

/** The small glyph beside a modulation destination: it shows which control inputs
    modulate the destination (a bar per active input, its depth drawn from the centre)
    and opens the destination's modulation pop-up, with one slider column per input.

    The pop-up's top-left is the pop-up point given to the button, in the button's
    coordinates, or without one (button centre x − half its width, button bottom);
    either way the display then moves it the least needed to lie inside the window. A
    second click on the same button closes its pop-up; a click on another button
    replaces it.

    The control panel builds one per destination:
        ModulationButton cutoffModulation { "Cutoff", ModulationButton::sourcesOf (data, destCutoff),
                                            data.modulationStyle };
    places it 16 × 16 against its control and points its pop-up beside it:
        cutoffModulation.setPopupPoint (juce::Point<int> (-130, 12)); */
class ModulationButton : public ParamComponent,
                         public juce::TooltipClient
{
public:
    /** What the button shows and edits, per control input (CV 1, CV 2). */
    struct Sources
    {
        /** [control input][0 left, 1 right]; none may be null. */
        QuilParam* depths[2][2] {};
        /** The stereo mode of each input (0 mono, 1 linked, 2 unlinked); null reads as mono. */
        QuilParam* modes[2] {};
        /** The live level of each input for the columns' meters; null shows no meter. */
        const std::atomic<float>* meters[2] {};
    };

    /** The depths, stereo modes and CV levels of one destination (a ModDestination). */
    static Sources sourcesOf (ProcessorData& data, int destination);

    /** name: the destination's name, the pop-up's title and component ID. The style is
        read when drawing and opening, so it may be filled after the button is built;
        it must outlive the button. columnNames: the two column titles' stem. */
    ModulationButton (const juce::String& name, const Sources& sources, const ModulationStyle& style,
                      const juce::StringArray& columnNames = { "CV", "CV" });
    ~ModulationButton() override;

    juce::String getTooltip() override { return "modulation"; }
    bool hitTest (int x, int y) override;

    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;

    void updateFromParameters() override;
    void paint (juce::Graphics&) override;
    void resized() override;

    /** Where the pop-up's top-left goes, in the button's coordinates; none: centred
        under the button. */
    void setPopupPoint (std::optional<juce::Point<int>> topLeft) noexcept { popupPoint = topLeft; }

    const juce::String& getDestinationName() const noexcept { return name; }
    bool isColumnActive (int column) const noexcept { return active[column & 1]; }
    /** The bar showing a column's depths (empty while the column is inactive). */
    juce::Rectangle<float> getDepthBar (int column) const noexcept { return bars[column & 1]; }
    juce::Rectangle<float> getHitRectangle() const noexcept { return hitRectangle; }
    /** The pop-up this button opened last, while it still exists. */
    ModulationPopup* getPopup() const noexcept { return popup.getComponent(); }

private:
    std::unique_ptr<ModulationPopup> createPopup() const;
    void takeColours();
    void rebuildGeometry();
    int modeOf (int column) const;

    juce::String name;
    Sources sources;
    bool active[2] {};
    int modes[2] {};
    float depths[2][2] {};
    juce::ColourGradient normal[2], dimmed[2], full[2];
    juce::Colour barColour[2];
    bool mouseOver = false;
    juce::Rectangle<float> tracks[2], bars[2];
    const ModulationStyle& style;
    size_t recordsTaken = 0;
    juce::StringArray columnNames;
    juce::Path idleGlyph, outline;
    juce::Rectangle<float> hitRectangle;
    juce::Component::SafePointer<ModulationPopup> popup;
    std::optional<juce::Point<int>> popupPoint;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModulationButton)
};
