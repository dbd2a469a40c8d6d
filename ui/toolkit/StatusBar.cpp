#include "ui/toolkit/StatusBar.h"
#include "ui/lnf/QuilMetrics.h"

StatusBar::StatusBar()
{
    label.setFontHeight (10.0f);
    label.setJustification (juce::Justification::centredRight);
    label.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (label);
}

StatusBar::~StatusBar() = default;

juce::String StatusBar::getBuildInfo()
{
    return juce::String (", ") + __DATE__ + ", " + __TIME__;
}

void StatusBar::showBuildInfo (bool show)
{
    label.setText (show ? statusText + getBuildInfo() : statusText);
}

void StatusBar::setFlushLeft (bool shouldBeFlushLeft)
{
    flushLeft = shouldBeFlushLeft;
    resized();
}

void StatusBar::resized()
{
    colourTable.refreshColours();

    const auto colour = findColour (statusTextColourId);
    const int labelColourId = ColourTable::colourId (8, 1);
    label.setColour (labelColourId, colour);
    label.getColourTable().setCachedColour (8, 1, colour);

    statusImage = QuilMetrics::getStatusBarImage (*this);

    const int x0 = flushLeft ? 0 : 10;
    label.setBounds (x0, 1, juce::jmax (0, getWidth() - x0), getHeight());
}

void StatusBar::paint (juce::Graphics& g)
{
    if (! statusImage.isValid() || g.isClipEmpty())
        return;

    // Status images are made at twice the screen resolution and line up with the
    // parent's left edge and the bar's bottom.
    g.drawImageTransformed (statusImage,
                            juce::AffineTransform::scale (0.5f)
                                .translated ((float) -getX(),
                                             (float) getHeight() - (float) statusImage.getHeight() * 0.5f));
}
