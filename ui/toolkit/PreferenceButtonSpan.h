#pragma once

#include <juce_gui_basics/juce_gui_basics.h>
#include <vector>

class PrefsFile;

/** A row (or column) of option buttons for one preference: the option under a
    click is selected, the selected one is filled. Subclasses say what selecting
    means and which option is selected. */
class PreferenceButtonSpan : public juce::Component,
                             public juce::TooltipClient
{
public:
    // The maker's colour IDs of the option buttons.
    enum ColourIds
    {
        textActiveColourId = 0x2002100,  // hovered or selected
        textColourId = 0x2002101,
        fillSelectedColourId = 0x2002102,
        fillColourId = 0x2002103,
        outlineSelectedColourId = 0x2230200,
        outlineColourId = 0x2230201
    };

    /** prefs may be null when the subclass reaches its preference another way. */
    PreferenceButtonSpan (PrefsFile* prefs, const juce::String& key, const juce::StringArray& labels,
                          const juce::String& tooltip, bool horizontal = false);
    ~PreferenceButtonSpan() override;

    juce::String getTooltip() override { return tooltip; }

    virtual void selectOption (int index) = 0;
    virtual bool isOptionSelected (int index) = 0;

    /** The option whose rectangle holds the point (left and top edges inside), or −1. */
    int optionAt (juce::Point<float> position) const;

    int getHoverIndex() const noexcept { return hoverIndex; }
    size_t getNumOptions() const noexcept { return numOptions; }
    const std::vector<juce::Rectangle<float>>& getOptionRects() const noexcept { return optionRects; }
    const juce::String& getKey() const noexcept { return key; }

    void mouseMove (const juce::MouseEvent&) override;
    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

protected:
    PrefsFile* prefs;
    juce::String key;

private:
    void setHoverIndex (int index);

    std::vector<juce::Rectangle<float>> optionRects;
    std::vector<juce::String> optionLabels;
    size_t numOptions;
    bool horizontal;
    float cellSize = 0.0f;
    int hoverIndex = -1;
    float insetX = 1.0f, insetY = 5.0f;
    juce::Colour textActive, text, fillSelected, fill, outlineSelected, outline;
    juce::String tooltip;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PreferenceButtonSpan)
};
