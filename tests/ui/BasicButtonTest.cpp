#include "params/QuilParamOnOff.h"
#include "params/QuilParamStereoMod.h"
#include "support/ImageChecks.h"
#include "support/MouseEvents.h"
#include "support/ProcessorFixture.h"
#include "ui/toolkit/BypassButton.h"

#include <gtest/gtest.h>

namespace
{
    struct ClickCase { const char* name; bool threeSteps; bool toggle; float start, after; };
    class BasicButtonClickTest : public ::testing::TestWithParam<ClickCase> {};
}

TEST_P (BasicButtonClickTest, aClickSetsTheNextValueAsOneGestureAndPopupClicksChangeNothing)
{
    const auto c = GetParam();
    TestProcessor processor;
    auto& param = c.threeSteps ? static_cast<QuilParam&> (*processor->data.stereoMode[destCutoff][0])
                               : static_cast<QuilParam&> (*processor->data.power);
    param.setRealValueNotifyingHost (c.start);
    BasicButton button (param, c.toggle);
    GestureCounter host (param);

    for (const auto mods : { Clicks::right(), Clicks::control() })
        button.mouseDown (mouseEventAt (button, { 12.0f, 12.0f }, mods));
    EXPECT_EQ (host.begins + host.valueChanges, 0);

    button.mouseDown (mouseEventAt (button, { 12.0f, 12.0f }));
    button.mouseUp (mouseEventAt (button, { 12.0f, 12.0f }, juce::ModifierKeys (juce::ModifierKeys::ctrlModifier)));
    EXPECT_EQ (param.getRealValue(), c.after);
    EXPECT_EQ (host.begins, 1);
    EXPECT_EQ (host.ends, 1);

    button.updateFromParameters();
    EXPECT_EQ (button.getCachedValue(), (int) c.after);
}

INSTANTIATE_TEST_SUITE_P (Params, BasicButtonClickTest, ::testing::Values (
    ClickCase { "twoStepsFromOne", false, false, 1.0f, 0.0f },
    ClickCase { "twoStepsFromZero", false, false, 0.0f, 1.0f },
    ClickCase { "threeStepsWrap", true, false, 2.0f, 0.0f },
    ClickCase { "threeStepsNext", true, false, 1.0f, 2.0f },
    ClickCase { "toggleFromMaximum", false, true, 1.0f, 0.0f },
    ClickCase { "toggleFromMinimum", false, true, 0.0f, 1.0f },
    ClickCase { "toggleFromMiddle", true, true, 1.0f, 2.0f }),
    [] (const ::testing::TestParamInfo<ClickCase>& caseInfo) { return std::string (caseInfo.param.name); });

TEST (BypassButton, drawsItsGlyphLitOnItsDiscWhileOnAndDimOnAHalfTransparentDiscWhileOff)
{
    TestProcessor processor;
    BypassButton button (*processor->data.power);
    for (auto [group, slot, argb] : { std::tuple { 6, 1, 0xFF101A27u }, { 6, 2, 0x80101A27u }, { 1, 1, 0xFF23D359u }, { 1, 2, 0x4C23D359u } })
        button.setColour (ColourTable::colourId (group, slot), juce::Colour (argb));
    button.setSize (24, 24);

    // (11, 7) lies on the glyph's stem, (17, 4) inside the disc off the glyph.
    for (float power : { 1.0f, 0.0f })
    {
        processor->data.power->setRealValueNotifyingHost (power);
        button.updateFromParameters();
        const auto image = ImageChecks::snapshot (button);
        EXPECT_EQ (image.getPixelAt (17, 4).getAlpha(), power > 0.0f ? 255 : 0x80);
        EXPECT_TRUE (ImageChecks::near (image.getPixelAt (17, 4), juce::Colour (0xFF101A27), 2));
        EXPECT_EQ (image.getPixelAt (11, 7).getAlpha() == 255, power > 0.0f);
        EXPECT_GT (image.getPixelAt (11, 7).getGreen(), image.getPixelAt (11, 7).getRed() + 60);
    }
}

TEST (BypassButton, popupClicksLeaveThePowerAloneWithoutAnyGestureAndItsTooltipIsBypass)
{
    TestProcessor processor;
    BypassButton bypass (*processor->data.power);
    GestureCounter host (*processor->data.power);

    for (const auto mods : { Clicks::right(), Clicks::control() })
        bypass.mouseDown (mouseEventAt (bypass, { 12.0f, 12.0f }, mods));

    EXPECT_EQ (processor->data.power->getRealValue(), 1.0);
    EXPECT_EQ (host.begins + host.ends + host.valueChanges, 0);
    EXPECT_EQ (bypass.getTooltip(), "Bypass");
}

TEST (BasicButton, stepValuesAreCachedRoundedToggleValuesTruncatedAndTheTooltipIsTheName)
{
    TestProcessor processor;
    auto& mode = *processor->data.stereoMode[destType][1];
    mode.setValueNotifyingHost (0.3f);   // real 0.6 of 0..2
    ASSERT_NEAR (mode.getRealValue(), 0.6, 1.0e-6);

    EXPECT_EQ (BasicButton (mode, false).getCachedValue(), 1);
    EXPECT_EQ (BasicButton (mode, true).getCachedValue(), 0);
    EXPECT_EQ (BasicButton (mode, false).getTooltip(), mode.getName (100));
}

TEST (BypassButton, theLitGlyphIsTheLitColourAllRoundItsRing)
{
    TestProcessor processor;
    BypassButton button (*processor->data.power);
    const juce::Colour lit (0xFF23D359);
    button.setColour (ColourTable::colourId (6, 1), juce::Colour (0xFF101A27));
    button.setColour (ColourTable::colourId (1, 1), lit);
    button.setSize (24, 24);

    // The glyph's stem runs from (12, 5.4) to (12, 10.8); its ring has radius 6 around (12, 12).
    const auto image = ImageChecks::snapshot (button);
    EXPECT_EQ (image.getPixelAt (11, 7).getGreen(), lit.getGreen());
    EXPECT_EQ (image.getPixelAt (12, 17), image.getPixelAt (11, 7));    // bottom of the ring
    EXPECT_EQ (image.getPixelAt (17, 4), juce::Colour (0xFF101A27));     // inside the disc, off the glyph
}
