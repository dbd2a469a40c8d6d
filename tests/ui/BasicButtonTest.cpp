#include "params/QuilParamOnOff.h"
#include "params/QuilParamStereoMod.h"
#include "support/ImageChecks.h"
#include "support/MouseEvents.h"
#include "support/ProcessorFixture.h"
#include "ui/toolkit/BypassButton.h"

#include <gtest/gtest.h>

namespace
{
    struct ClickCase { const char* name; bool stereoMode; bool toggle; float start, after; };
    class BasicButtonClickTest : public ::testing::TestWithParam<ClickCase> {};

    QuilParam& paramFor (TestProcessor& p, bool stereoMode)
    {
        return stereoMode ? static_cast<QuilParam&> (*p->data.stereoMode[destCutoff][0])
                          : static_cast<QuilParam&> (*p->data.power);
    }
}

TEST_P (BasicButtonClickTest, aClickSetsTheNextValueAsOneGesture)
{
    const auto c = GetParam();
    TestProcessor processor;
    auto& param = paramFor (processor, c.stereoMode);
    param.setRealValueNotifyingHost (c.start);

    BasicButton button (param, c.toggle);
    button.setSize (24, 24);
    GestureCounter host (param);

    button.mouseDown (mouseEventAt (button, { 12.0f, 12.0f }));
    button.mouseUp (mouseEventAt (button, { 12.0f, 12.0f }, juce::ModifierKeys (juce::ModifierKeys::ctrlModifier)));

    EXPECT_EQ (param.getRealValue(), c.after);
    EXPECT_EQ (host.begins, 1);
    EXPECT_EQ (host.ends, 1);

    // The button shows the new value from its next poll on.
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

TEST (BasicButton, popupClicksChangeNothingStepValuesAreCachedRoundedAndToggleValuesTruncated)
{
    TestProcessor processor;
    BypassButton bypass (*processor->data.power);
    GestureCounter host (*processor->data.power);

    for (const auto mods : { Clicks::right(), Clicks::control() })
        bypass.mouseDown (mouseEventAt (bypass, { 12.0f, 12.0f }, mods));

    EXPECT_EQ (processor->data.power->getRealValue(), 1.0);
    EXPECT_EQ (host.begins + host.ends + host.valueChanges, 0);
    EXPECT_EQ (bypass.getTooltip(), "Bypass");

    auto& mode = *processor->data.stereoMode[destType][1];
    mode.setValueNotifyingHost (0.3f);   // real 0.6 of 0..2
    ASSERT_NEAR (mode.getRealValue(), 0.6, 1.0e-6);

    EXPECT_EQ (BasicButton (mode, false).getCachedValue(), 1);
    EXPECT_EQ (BasicButton (mode, true).getCachedValue(), 0);
    EXPECT_EQ (BasicButton (mode, false).getTooltip(), mode.getName (100));
}

TEST (BypassButton, drawsItsGlyphLitWhileOnAndDimWhileOff)
{
    TestProcessor processor;
    auto& power = *processor->data.power;
    BypassButton button (power);

    const juce::Colour onBackground (0xFF101A27), offBackground (0x80101A27);
    const juce::Colour lit (0xFF23D359), dim (0x4C23D359);
    button.setColour (ColourTable::colourId (6, 1), onBackground);
    button.setColour (ColourTable::colourId (6, 2), offBackground);
    button.setColour (ColourTable::colourId (1, 1), lit);
    button.setColour (ColourTable::colourId (1, 2), dim);
    button.setSize (24, 24);

    // The glyph's stem runs from (12, 5.4) to (12, 10.8); its ring has radius 6 around (12, 12).
    auto image = ImageChecks::snapshot (button);
    EXPECT_EQ (image.getPixelAt (11, 7).getAlpha(), 255);
    EXPECT_EQ (image.getPixelAt (11, 7).getGreen(), lit.getGreen());
    EXPECT_EQ (image.getPixelAt (12, 17), image.getPixelAt (11, 7));    // bottom of the ring
    EXPECT_EQ (image.getPixelAt (17, 4), onBackground);                   // inside the disc, off the glyph

    power.setRealValueNotifyingHost (0.0f);
    button.updateFromParameters();
    image = ImageChecks::snapshot (button);
    EXPECT_EQ (image.getPixelAt (17, 4).getAlpha(), offBackground.getAlpha());
    const auto glyph = image.getPixelAt (11, 7);
    EXPECT_LT (glyph.getAlpha(), 255);   // the dim glyph over the half-transparent disc
    EXPECT_GT (glyph.getGreen(), glyph.getRed());
}
