#include "gui/EditorOnDesktop.h"
#include "core/ProcessorData.h"
#include "params/QuilParamStereoMod.h"
#include "ui/toolkit/ModulationButton.h"

#include <gtest/gtest.h>

namespace
{
    // The destinations' buttons as the control panel places them (16 × 16).
    struct Place { const char* name; int destination; juce::Point<int> topLeft; };
    const Place places[] = {
        { "Cutoff", destCutoff, { 343, 161 } }, { "Resonance", destResonance, { 491, 195 } },
        { "Type", destType, { 196, 192 } },     { "Drive", destDrive, { 343, 267 } },
        { "Output", destOut, { 620, 211 } },    { "IN", destIn, { 66, 211 } } };

    ModulationButton* findButton (juce::Component& parent, const juce::String& name)
    {
        for (auto* child : parent.getChildren())
        {
            if (auto* b = dynamic_cast<ModulationButton*> (child); b != nullptr && b->getDestinationName() == name)
                return b;
            if (auto* found = findButton (*child, name))
                return found;
        }
        return nullptr;
    }

    struct ModulationWindow : EditorOnDesktop
    {
        ModulationWindow()
        {
            auto& panel = window().getControlPanel();
            for (const auto& p : places)
                if (findButton (panel, p.name) == nullptr)
                {
                    auto& b = *own.add (new ModulationButton (p.name, ModulationButton::sourcesOf (processor->data, p.destination),
                                                              processor->data.modulationStyle));
                    panel.addAndMakeVisible (b);
                    b.setBounds ({ p.topLeft.x, p.topLeft.y, 16, 16 });
                }
            pumpMessages (30);
        }

        ~ModulationWindow() { own.clear(); }

        ModulationButton& button (const char* name) { return *findButton (window().getControlPanel(), name); }

        ModulationPopup* shownPopup()
        {
            auto& display = window().getPopupDisplay();
            return display.isPopupShowing() ? dynamic_cast<ModulationPopup*> (display.getContent()) : nullptr;
        }

        bool insideWindow (juce::Component& c)
        {
            return window().getLocalBounds().contains (window().getLocalArea (&c, c.getLocalBounds()));
        }

        juce::OwnedArray<ModulationButton> own;
    };

    using ModulationWindowTest = WithoutPrefs<::testing::TestWithParam<const char*>>;

    // Top-left wanted for a button's pop-up: centred under it, moved the least into the window.
    juce::Point<int> expectedPlace (juce::Rectangle<int> button, juce::Point<int> size)
    {
        return { juce::jlimit (0, 703 - size.x, button.getCentreX() - size.x / 2),
                 juce::jlimit (0, 319 - size.y, button.getBottom()) };
    }
}

TEST_P (ModulationWindowTest, eachButtonOpensItsPopupInsideTheWindowReplacingTheOneOpen)
{
    PrefsOnDisk::write ({ { "scale", GetParam() } });
    ModulationWindow w;
    ModulationPopup* previous = nullptr;

    // The window is too low for the pop-ups to open below the panel's buttons: each is
    // moved up into the window, over its own button.
    for (const auto& p : places)
    {
        auto& b = w.button (p.name);
        w.clickCentre (b);
        auto* popup = w.shownPopup();
        ASSERT_NE (popup, nullptr) << p.name;
        EXPECT_NE (popup, previous);
        EXPECT_EQ (popup->getTitle(), p.name);
        EXPECT_EQ (popup->getBounds(), juce::Rectangle<int> (110, 225).withPosition (expectedPlace (b.getBounds(), { 110, 225 })));
        EXPECT_TRUE (w.insideWindow (*popup)) << p.name;
        previous = popup;
    }

    // Where the pop-up leaves its button free, a second click on it closes the pop-up.
    for (const auto topLeft : { juce::Point<int> (100, 40), juce::Point<int> (690, 40), juce::Point<int> (0, 40) })
    {
        auto& b = w.button ("Cutoff");
        b.setTopLeftPosition (topLeft);
        w.clickCentre (b);
        ASSERT_NE (w.shownPopup(), nullptr);
        EXPECT_EQ (w.shownPopup()->getPosition(), expectedPlace (b.getBounds(), { 110, 225 }));
        EXPECT_TRUE (w.insideWindow (*w.shownPopup()));
        w.clickCentre (b);
        EXPECT_EQ (w.shownPopup(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P (Scales, ModulationWindowTest, ::testing::Values ("50", "100", "200"));

TEST_F (ModulationWindowTest, theGlyphShowsAnInputOnlyWhileADepthItUsesIsNotZero)
{
    ModulationWindow w;
    auto& data = w.processor->data;
    auto& b = w.button ("Cutoff");
    const auto idle = b.getHitRectangle();

    struct Case { int input, mode; float left, right; bool active; };
    const Case cases[] = {
        { 0, 0, 0.0f, 0.5f, false },   // the right depth counts only when unlinked
        { 0, 2, 0.0f, 0.5f, true },
        { 0, 1, 0.3f, 0.0f, true },
        { 1, 0, -0.002f, 0.0f, true },
        { 1, 2, 0.0f, 0.0f, false } };

    for (const auto& c : cases)
    {
        data.stereoMode[destCutoff][c.input]->setRealValueNotifyingHost ((float) c.mode);
        data.depth[destCutoff][c.input][0]->setRealValueNotifyingHost (c.left);
        data.depth[destCutoff][c.input][1]->setRealValueNotifyingHost (c.right);
        pumpMessages (50);
        EXPECT_EQ (b.isColumnActive (c.input), c.active) << c.input << " " << c.mode;
        EXPECT_EQ (b.getDepthBar (c.input).isEmpty(), ! c.active);

        if (c.active)
        {
            // Even the smallest depth shows a bar, upward for a positive one.
            EXPECT_GE (b.getDepthBar (c.input).getHeight(), 1.0f);
            EXPECT_GE (b.getHitRectangle().getWidth(), 12.0f);
        }

        data.depth[destCutoff][c.input][0]->setRealValueNotifyingHost (0.0f);
        data.depth[destCutoff][c.input][1]->setRealValueNotifyingHost (0.0f);
    }

    ASSERT_TRUE (pumpUntil ([&] { return ! b.isColumnActive (0) && ! b.isColumnActive (1); }));
    EXPECT_EQ (b.getHitRectangle(), idle);
}
