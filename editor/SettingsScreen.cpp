#include "editor/SettingsScreen.h"
#include "editor/VortaneResources.h"
#include "midi/PrefsFile.h"
#include "ui/lnf/QuilMetrics.h"

SettingsScreen::SettingsScreen (PrefsFile& prefs, bool& knobModeFlag, PluginScaler& scaler)
    : background (VortaneResources::getSettingsScreenPicture()),
      knobModeButton (prefs, knobModeFlag),
      scaleButton (scaler)
{
    // Every new window refreshes the processor's knob mode from the preferences.
    knobModeFlag = prefs.getPrefsBool ("knobRotation", true);

    setWantsKeyboardFocus (true);

    addAndMakeVisible (background);
    addAndMakeVisible (backgroundButton);
    addAndMakeVisible (knobModeButton);
    addAndMakeVisible (scaleButton);
    addAndMakeVisible (websiteButton);
    addAndMakeVisible (title);
    addAndMakeVisible (knobModeLabel);
    addAndMakeVisible (scaleLabel);

    backgroundButton.addListener (this);
    websiteButton.addListener (this);
}

SettingsScreen::~SettingsScreen()
{
    websiteButton.removeListener (this);
    backgroundButton.removeListener (this);
}

void SettingsScreen::buttonClicked (juce::Button*)
{
    open = ! open;

    if (auto* parent = getParentComponent())
        parent->resized();
}

juce::Path SettingsScreen::makeConnector (juce::Rectangle<float> r)
{
    juce::Path p;
    p.startNewSubPath (r.getX(), r.getCentreY());
    p.lineTo (r.getRight() - 6.0f, r.getCentreY());
    p.startNewSubPath (r.getRight(), r.getY());
    p.lineTo (r.getRight() - 3.0f, r.getY());
    p.lineTo (r.getRight() - 3.0f, r.getBottom());
    p.lineTo (r.getRight(), r.getBottom());

    juce::Path outline;
    juce::PathStrokeType (1.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt)
        .createStrokedPath (outline, p.createPathWithRoundedCorners (3.0f));
    return outline;
}

void SettingsScreen::resized()
{
    const int w = getWidth(), h = getHeight();
    const int cx = w / 2, cy = h / 2;

    background.setBounds (0, 0, w, h);

    title.setFixedColour (QuilMetrics::getAccentColour (*this));
    title.setBounds (cx - 50, 35, 100, 20);
    knobModeLabel.setBounds (210, cy - 10, 100, 20);
    scaleLabel.setBounds (5, cy - 10, 100, 20);

    scaleButton.setBounds (116, cy - 75, 50, 150);
    knobModeButton.setBounds (cx - 30, cy - 30, 60, 60);

    connector1 = makeConnector ({ 300.0f, (float) (cy - 13), 12.0f, 26.0f });
    connector2 = makeConnector ({ 90.0f, (float) (cy - 28), 12.0f, 56.0f });

    if (open)
        grabKeyboardFocus();

    backgroundButton.setBounds (0, 0, w, h);
    websiteButton.setBounds (480, cy - 12, 180, 24);
}

void SettingsScreen::paintOverChildren (juce::Graphics& g)
{
    g.setColour (findColour (connectorColourId));
    g.fillPath (connector1);
    g.fillPath (connector2);
}
