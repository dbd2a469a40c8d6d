#include "editor/SharedMyLnF.h"

#include <gtest/gtest.h>

TEST (SharedMyLnF, firstUserBuildsItLastUserDeletesItAndWhileInUseItIsTheDefaultWithItsTypeface)
{
    ASSERT_EQ (SharedMyLnF::getInstance(), nullptr);
    juce::Typeface::Ptr embedded;
    {
        auto first = std::make_unique<SharedMyLnF>();
        auto* shared = SharedMyLnF::getInstance();
        ASSERT_NE (shared, nullptr);
        SharedMyLnF second;
        EXPECT_EQ (&second.get(), shared);

        first.reset();
        ASSERT_EQ (SharedMyLnF::getInstance(), shared);
        second.makeDefault();

        // A component without a look-and-feel of its own draws with it, fonts included.
        juce::Label label;
        EXPECT_EQ (&label.getLookAndFeel(), shared);
        EXPECT_EQ (label.findColour (juce::Label::textColourId), juce::Colour (0xFFEAEAEA));
        embedded = second->getTypefaceForFont (juce::Font (13.0f));
        EXPECT_EQ (juce::Font (13.0f).getTypefacePtr(), embedded);
    }

    EXPECT_EQ (SharedMyLnF::getInstance(), nullptr);
    EXPECT_EQ (dynamic_cast<MyLnF*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
    EXPECT_NE (juce::Font (13.0f).getTypefacePtr(), embedded);
}

// The framework's own text buttons draw with the shared default too: the standalone's
// "Settings..." on its light banner, its "Options" button on the dark title bar.
TEST (SharedMyLnF, frameworkTextButtonsAreLegibleOnLightAndDarkSurroundings)
{
    SharedMyLnF use;
    use.makeDefault();
    juce::TextButton button ("Settings...");
    button.setSize (70, 20);

    for (const auto surroundings : { juce::Colours::lightgoldenrodyellow, juce::Colour (0xFF263238) })
    {
        juce::Image image (juce::Image::RGB, 70, 20, false);
        juce::Graphics g (image);
        g.fillAll (surroundings);
        button.paintEntireComponent (g, false);

        // The label against the body: the darkest and brightest pixel inside the outline.
        float darkest = 1.0f, brightest = 0.0f;
        for (int i = 0; i < 62 * 12; ++i)
        {
            const auto b = image.getPixelAt (4 + i % 62, 4 + i / 62).getPerceivedBrightness();
            darkest = juce::jmin (darkest, b);
            brightest = juce::jmax (brightest, b);
        }

        EXPECT_GT (brightest - darkest, 0.5f) << surroundings.toDisplayString (false);
    }
}

TEST (SharedMyLnF, theUserCountFollowsItsUsersAndAUserAfterTheLastBuildsItAgain)
{
    ASSERT_EQ (SharedMyLnF::getInstance(), nullptr);
    {
        SharedMyLnF first, second;
        EXPECT_EQ (&first.get(), SharedMyLnF::getInstance());
        EXPECT_EQ (SharedMyLnF::getUserCount(), 2);
    }
    EXPECT_EQ (SharedMyLnF::getUserCount(), 0);

    SharedMyLnF again;
    EXPECT_NE (SharedMyLnF::getInstance(), nullptr);
    EXPECT_EQ (SharedMyLnF::getUserCount(), 1);
}
