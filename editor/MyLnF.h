#pragma once

#include "editor/VortaneColorPalette.h"
#include "ui/lnf/QuilLnF.h"

/** The product's look-and-feel: the maker's with the product's base colours, fixed
    colours and palette. One instance per process is shared by every window; get it
    through SharedMyLnF. */
class MyLnF : public QuilLnF
{
public:
    MyLnF();
    ~MyLnF() override;

    juce::Colour getBackgroundColour() const override;
    juce::Colour getSecondaryColour() const override;
    juce::Colour getTextColour() const override;
    juce::Colour getHighlightColour() const override;
    juce::Colour getAccentColour() const override;
    juce::Colour getAccentDarkColour() const override;
    juce::Colour getAlertColour() const override;
    juce::Colour getAlertDarkColour() const override;

    /** The maker's outline over a body in the button's own colour. Only the
        framework's text buttons come here (the product's buttons paint themselves):
        the standalone's "Settings..." on its light banner, its "Options" button.
        As this look-and-feel is everyone's default, their light text needs a body
        of its own to stay legible on surfaces the product does not paint. */
    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& background,
                               bool isMouseOverButton, bool isButtonDown) override;

    VortaneColorPalette& getProductPalette() noexcept { return productPalette; }

private:
    void setProductColours();

    VortaneColorPalette productPalette { this };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MyLnF)
};
