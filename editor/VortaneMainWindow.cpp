#include "editor/VortaneMainWindow.h"
#include "core/VortaneAudioProcessor.h"
#include "editor/ModulationStyleFill.h"
#include "editor/VortaneAudioProcessorEditor.h"
#include "editor/VortaneResources.h"
#include "params/QuilParamOnOff.h"
#include "ui/lnf/IconSet.h"
#include "ui/toolkit/ControlGesture.h"
#include "ui/toolkit/MIDIccPopup.h"

namespace
{
    constexpr int linkIcon = 5;  // the chain link of the look-and-feel's icon set

    // The command (Meta) key's raw bit vetoes the pop-up. The framework's command
    // helper is control on Linux, so it would veto every control-click.
    constexpr int commandKeyBit = 0x08;

    std::unique_ptr<juce::Drawable> makeWebsiteIcon (juce::Colour colour)
    {
        auto icon = std::make_unique<juce::DrawablePath>();
        icon->setPath (IconSet::loadIcon (linkIcon));
        icon->setFill (colour);
        return icon;
    }
}

VortaneMainWindow::VortaneMainWindow (VortaneAudioProcessor* p, VortaneAudioProcessorEditor* e)
    : processor (p),
      editor (e),
      controlPanel (p->data, p->rotaryKnobs),
      settingsScreen (*p, p->rotaryKnobs, *e),
      bypassButton (*p->data.power)
{
    productLogo.setFillOpacity (0.9f);

    statusBar.setStatusText (getVersionText());
    statusBar.showBuildInfo (false);

    // From here on every component of the window finds its colours and fonts in
    // the shared look-and-feel.
    makeDefault();
    fillModulationStyle (processor->data.modulationStyle, get());

    settingsScreen.getWebsiteButton().setIcon (makeWebsiteIcon (get().getAccentColour()));

    addAndMakeVisible (controlPanel);
    addAndMakeVisible (settingsScreen);
    addAndMakeVisible (settingsButton);
    settingsScreen.setAlwaysOnTop (true);
    addAndMakeVisible (bypassButton);

    makerLogo.setIconPath (VortaneResources::getMakerLogoOutline());
    addAndMakeVisible (makerLogo);
    makerLogo.addListener (this);
    makerLogo.setAlwaysOnTop (true);

    settingsButton.setAlwaysOnTop (true);
    settingsButton.addListener (this);

    addAndMakeVisible (statusBar);
    // Above the settings screen, which shows the build's date and time in it.
    statusBar.setAlwaysOnTop (true);
    addAndMakeVisible (popupDisplay);
    popupDisplay.setAlwaysOnTop (true);

    productLogo.setIcons (VortaneResources::createProductLogo(), VortaneResources::createProductLogo());
    addAndMakeVisible (productLogo);
    productLogo.setAlwaysOnTop (true);
    productLogo.addListener (this);

    // Every mouse-down anywhere in the window reaches the window too.
    for (int i = getNumChildComponents(); --i >= 0;)
        getChildComponent (i)->addMouseListener (this, true);
}

VortaneMainWindow::~VortaneMainWindow()
{
    productLogo.removeListener (this);
    settingsButton.removeListener (this);
    makerLogo.removeListener (this);
}

juce::String VortaneMainWindow::getVersionText()
{
    return juce::String ("v") + JucePlugin_VersionString;
}

void VortaneMainWindow::resized()
{
    colourTable.refreshColours();

    const int w = getWidth(), h = getHeight();

    controlPanel.setBounds (0, 0, w, 400);
    popupDisplay.setBounds (0, 0, w, h);
    settingsButton.setBounds (16, 10, 24, 24);
    statusBar.setBounds (w - 218, h - 32, 200, 16);
    bypassButton.setBounds (w - 40, 10, 24, 24);
    makerLogo.setBounds (500, 19, 92, 9);

    const auto logoColour = colourTable.getColour (4, 1);
    makerLogo.setColour (ColourTable::colourId (8, 1), logoColour);
    makerLogo.getColourTable().setCachedColour (8, 1, logoColour);

    productLogo.fitIcons (108.0f, 18.0f);
    productLogo.setBounds (94, 14, 108, 18);

    const bool open = settingsScreen.isOpen();
    settingsScreen.setBounds (open ? getLocalBounds() : juce::Rectangle<int>());
    settingsButton.setToggleState (open, juce::dontSendNotification);

    // However the screen was opened or closed, the status bar follows it.
    statusBar.showBuildInfo (open);
}

void VortaneMainWindow::buttonClicked (juce::Button* b)
{
    if (b != &settingsButton && b != &productLogo && b != &makerLogo)
        return;

    settingsScreen.setOpen (! settingsScreen.isOpen());
    resized();
}

QuilParam* VortaneMainWindow::parameterOf (const juce::Component& c) const
{
    const auto& index = c.getProperties()["pIndex"];
    if (! (index.isInt() || index.isInt64()))
        return nullptr;

    const auto& parameters = processor->getParameters();
    const auto i = (juce::int64) index;
    if (i < 0 || i >= parameters.size())
        return nullptr;

    return dynamic_cast<QuilParam*> (parameters.getUnchecked ((int) i));
}

void VortaneMainWindow::mouseDown (const juce::MouseEvent& e)
{
    if (! ControlGesture::isPopupClick (e.mods) || (e.mods.getRawFlags() & commandKeyBit) != 0)
        return;

    // Only the component clicked counts, not its parents.
    auto* clicked = e.eventComponent;
    auto* parameter = clicked != nullptr ? parameterOf (*clicked) : nullptr;
    if (parameter == nullptr)
        return;

    auto popup = std::make_unique<MIDIccPopup> (*processor, *parameter);
    const juce::Point<int> topLeft (e.x - popup->getWidth() / 2, e.y - popup->getHeight() / 2);
    launchPopup (std::move (popup), topLeft, clicked, false);
}
