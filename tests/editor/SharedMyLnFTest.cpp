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
// "Settings..." sits on a light banner, its "Options" button on the dark title bar.
TEST (SharedMyLnF, theFrameworksTextButtonsAreLegibleOnLightAndDarkSurroundings)
{
    SharedMyLnF use;
    use.makeDefault();

    for (const auto surroundings : { juce::Colours::lightgoldenrodyellow, juce::Colour (0xFF263238) })
    {
        struct Banner : juce::Component
        {
            explicit Banner (juce::Colour c) : colour (c)  { setOpaque (true); }
            void paint (juce::Graphics& g) override        { g.fillAll (colour); }
            juce::Colour colour;
        } banner (surroundings);

        juce::TextButton button ("Settings...");
        banner.setBounds (0, 0, 80, 30);
        button.setBounds (5, 5, 70, 20);
        banner.addAndMakeVisible (button);

        // The label against the button's body: the darkest and the brightest pixel
        // inside the outline.
        const auto image = banner.createComponentSnapshot (banner.getLocalBounds());
        float darkest = 1.0f, brightest = 0.0f;
        for (int y = 9; y < 21; ++y)
            for (int x = 9; x < 71; ++x)
            {
                const auto brightness = image.getPixelAt (x, y).getPerceivedBrightness();
                darkest = juce::jmin (darkest, brightness);
                brightest = juce::jmax (brightest, brightness);
            }

        EXPECT_GT (brightest - darkest, 0.5f) << surroundings.toDisplayString (false);
    }
}
