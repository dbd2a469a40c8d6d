#include "editor/SharedMyLnF.h"

#include <gtest/gtest.h>

TEST (SharedMyLnF, firstUserBuildsItAndLastUserDeletesIt)
{
    ASSERT_EQ (SharedMyLnF::getInstance(), nullptr);

    auto first = std::make_unique<SharedMyLnF>();
    auto* shared = SharedMyLnF::getInstance();
    ASSERT_NE (shared, nullptr);
    EXPECT_EQ (&first->get(), shared);

    auto second = std::make_unique<SharedMyLnF>();
    EXPECT_EQ (&second->get(), shared);
    EXPECT_EQ (SharedMyLnF::getUserCount(), 2);

    first.reset();
    EXPECT_EQ (SharedMyLnF::getInstance(), shared);
    EXPECT_EQ (SharedMyLnF::getUserCount(), 1);

    second.reset();
    EXPECT_EQ (SharedMyLnF::getInstance(), nullptr);
    EXPECT_EQ (SharedMyLnF::getUserCount(), 0);

    SharedMyLnF again;
    EXPECT_NE (SharedMyLnF::getInstance(), nullptr);
}

TEST (SharedMyLnF, whileInUseItIsTheDefaultAndAfterTheLastUseNeitherItNorItsTypefaceIs)
{
    juce::Typeface::Ptr embedded;

    {
        SharedMyLnF use;
        use.makeDefault();
        EXPECT_EQ (&juce::LookAndFeel::getDefaultLookAndFeel(), &use.get());

        // A component without a look-and-feel of its own draws with it, fonts included.
        juce::Label label;
        EXPECT_EQ (&label.getLookAndFeel(), &use.get());
        EXPECT_EQ (label.findColour (juce::Label::textColourId), juce::Colour (0xFFEAEAEA));

        embedded = use->getTypefaceForFont (juce::Font (13.0f));
        EXPECT_EQ (juce::Font (13.0f).getTypefacePtr(), embedded);
    }

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
        for (int y = 4; y < 16; ++y)
            for (int x = 4; x < 66; ++x)
            {
                darkest = juce::jmin (darkest, image.getPixelAt (x, y).getPerceivedBrightness());
                brightest = juce::jmax (brightest, image.getPixelAt (x, y).getPerceivedBrightness());
            }

        EXPECT_GT (brightest - darkest, 0.5f) << surroundings.toDisplayString (false);
    }
}
