#pragma once

#include "editor/SettingsScreen.h"
#include "editor/SharedMyLnF.h"
#include "editor/UIContainer.h"
#include "ui/toolkit/BypassButton.h"
#include "ui/toolkit/MonocolorTitleButton.h"
#include "ui/toolkit/MulticolorTitleButton.h"
#include "ui/toolkit/PopupDisplayLauncher.h"
#include "ui/toolkit/SettingsButton.h"
#include "ui/toolkit/StatusBar.h"

class QuilParam;
class VortaneAudioProcessor;
class VortaneAudioProcessorEditor;

/** The whole content of the plug-in's window, laid out at 703 × 319 points (the
    editor scales it): the control panel, the settings screen and the buttons that
    open it, the logos, the bypass button, the status bar and the pop-up display.

    The shared look-and-feel is the first base, so that it is released after every
    component that draws with it. */
class VortaneMainWindow : private SharedMyLnF,
                          public juce::Component,
                          public PopupDisplayLauncher,
                          public juce::Button::Listener,
                          public juce::DragAndDropContainer
{
public:
    VortaneMainWindow (VortaneAudioProcessor* processor, VortaneAudioProcessorEditor* editor);
    ~VortaneMainWindow() override;

    void resized() override;
    void buttonClicked (juce::Button*) override;

    /** Reaches the window for every mouse-down inside it: a right-click or
        control-click on a control opens the MIDI-learn pop-up of its parameter. */
    void mouseDown (const juce::MouseEvent&) override;

    static juce::String getVersionText();

    UIContainer& getControlPanel() noexcept { return controlPanel; }
    SettingsScreen& getSettingsScreen() noexcept { return settingsScreen; }
    BypassButton& getBypassButton() noexcept { return bypassButton; }
    MonocolorTitleButton& getMakerLogo() noexcept { return makerLogo; }
    MulticolorTitleButton& getProductLogo() noexcept { return productLogo; }
    StatusBar& getStatusBar() noexcept { return statusBar; }
    SettingsButton& getSettingsButton() noexcept { return settingsButton; }
    MyLnF& getSharedLookAndFeel() const noexcept { return SharedMyLnF::get(); }

private:
    /** The product's parameter that a component's "pIndex" names, or null. */
    QuilParam* parameterOf (const juce::Component&) const;

    VortaneAudioProcessor* processor;
    VortaneAudioProcessorEditor* editor;
    UIContainer controlPanel;
    SettingsScreen settingsScreen;
    BypassButton bypassButton;
    MonocolorTitleButton makerLogo { "Quillmere", true, 1.0f };
    MulticolorTitleButton productLogo { "Vortane", true, 1.0f };
    StatusBar statusBar;
    ColourTable colourTable { this };
    SettingsButton settingsButton { "settings" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneMainWindow)
};
