// The parameter classes' own rules: real/normalised mapping, value texts and typed
// values, what the real-value setters tell the host, the lock flag's listeners, stepped
// display records and the stereo modes' mirror.
#include "support/ParameterIndex.h"
#include "support/ProcessorFixture.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace
{
    std::unique_ptr<QuilParam> makeParam (double start, double end)
    {
        auto p = std::make_unique<QuilParam> ("Amount", "units", "amount", 0.0);
        p->setRange (start, end);
        return p;
    }

    constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
}

TEST (QuilParam, normalisedValueFollowsTheRangeIsNotClampedAndIgnoresNan)
{
    auto p = makeParam (-1.0, 1.0);

    p->setValue (0.75f);
    EXPECT_FLOAT_EQ ((float) p->getRealValue(), 0.5f);

    // A real value outside the range shows as a normalised value outside 0..1.
    p->setValue (1.5f);
    EXPECT_FLOAT_EQ ((float) p->getRealValue(), 2.0f);
    EXPECT_FLOAT_EQ (p->getValue(), 1.5f);

    p->setValue (-0.25f);
    p->setValue (notANumber);
    EXPECT_FLOAT_EQ (p->getValue(), -0.25f);
}

TEST (QuilParam, textHasTwoDecimalsAndIsCutOnRequestKeepingWholeCharacters)
{
    auto p = makeParam (0.0, 1.0);
    EXPECT_EQ (p->getText (0.5f, 0), "0.50");
    EXPECT_EQ (p->getText (0.5f, -1), "0.50");
    EXPECT_EQ (p->getText (0.5f, 3), "0.5");
    EXPECT_EQ (p->getText (0.5f, 100), "0.50");

    auto wide = makeParam (-10.0, 10.0);
    EXPECT_EQ (wide->getText (0.25f, 0), "-5.00");
    wide->setDecimalPlaces (1);
    EXPECT_EQ (wide->getText (0.75f, 0), "5.0");

    const auto text = juce::String (juce::CharPointer_UTF8 ("\xc3\x9c" "ber \xce\xa9"));   // "Über Ω"
    EXPECT_EQ (QuilParam::cutToLength (text, 1), juce::String (juce::CharPointer_UTF8 ("\xc3\x9c")));
    EXPECT_EQ (QuilParam::cutToLength (text, 6), text);
    EXPECT_EQ (QuilParam::cutToLength (text, 0), text);

    QuilParam named ("Width", "Width", "w1", 0.0);
    EXPECT_EQ (named.getName (3), "Wid");
    EXPECT_EQ (named.getParameterID(), "w1");
    EXPECT_EQ (QuilParam ("Width", "Width", {}, 0.0).getParameterID(), "Width");   // an empty ID takes the name
}

TEST (QuilParam, typedValuesMapThroughTheRangeAlwaysFiniteAndInRange)
{
    auto p = makeParam (-1.0, 1.0);
    p->setValue (0.3f);

    const std::pair<const char*, double> cases[] = {
        { "0.5", 0.75 }, { "  -0.25 units", 0.375 }, { "1e-1", 0.55 }, { "loud", 0.5 }, { "", 0.5 },   // no number: 0
        { "7", 1.0 }, { "-7", 0.0 }, { "inf", 1.0 }, { "-inf", 0.0 }, { "1e999", 1.0 }, { "-1e999", 0.0 },
        { "nan", 0.3 }, { "-NaN", 0.3 } };                                            // not a number: the value now
    for (auto [text, expected] : cases)
        EXPECT_FLOAT_EQ (p->getValueForText (text), (float) expected) << text;

    EXPECT_FLOAT_EQ (makeParam (0.0, 1.0)->getValueForText ("loud"), 0.0f);

    // ... clamped when the parameter itself sits outside its range.
    p->setValue (1.4f);
    EXPECT_FLOAT_EQ (p->getValueForText ("nan"), 1.0f);
}

TEST (QuilParam, realValueSettersTellTheHostOnlyOfChanges)
{
    struct Host : juce::AudioProcessorParameter::Listener
    {
        void parameterValueChanged (int, float v) override        { values.push_back (v); }
        void parameterGestureChanged (int, bool starting) override { gestures.push_back (starting); }
        std::vector<float> values;
        std::vector<bool> gestures;
    };

    TestProcessor p;
    auto& res = quilParam (*p, resonance);
    Host host;
    res.addListener (&host);
    res.setRealValueAsGesture ((float) res.getRealValue());
    res.setRealValueNotifyingHost ((float) res.getRealValue());
    res.setRealValueAsGesture (std::numeric_limits<float>::quiet_NaN());
    res.setRealValueAsGesture (0.55f);
    EXPECT_FLOAT_EQ ((float) res.getRealValue(), 0.55f);
    res.setRealValueNotifyingHost (1.1f);
    res.removeListener (&host);

    EXPECT_EQ (host.gestures, (std::vector<bool> { true, false }));
    EXPECT_EQ (host.values, (std::vector<float> { 0.55f / 1.1f, 1.0f }));
}

TEST (QuilParam, lockListenersHearTheNewFlagLastToFirstAndMayRemoveThemselves)
{
    struct Lock : QuilParam::Listener
    {
        Lock (std::vector<int>& l, int i, bool leave = false) : log (l), id (i), leaves (leave) {}
        void parameterLockChanged (QuilParam* p) override
        {
            log.push_back (p->isLocked() ? id : -id);
            if (leaves)
                p->removeListener (this);
        }
        std::vector<int>& log;
        int id;
        bool leaves;
    };

    QuilParam p ("Amount", "units", "amount", 0.0);
    std::vector<int> log;
    Lock first (log, 1), second (log, 2, true), third (log, 3, true), fourth (log, 4);
    for (auto* l : { &first, &second, &third, &fourth })
        p.addListener (l);

    EXPECT_FALSE (p.isLocked());
    p.setLocked (true);
    EXPECT_TRUE (p.isLocked());
    p.setLocked (false);
    EXPECT_EQ (log, (std::vector<int> { 4, 3, 2, 1, -4, -1 }));
    p.removeListener (&first);
    p.removeListener (&fourth);
    p.setLocked (true);                        // removed listeners hear nothing more
    EXPECT_EQ (log.size(), 6u);
}

TEST (QuilParam, steppedDisplayRecordShowsNamesAndSnapsTypedValues)
{
    QuilParamGrittle p ("Shape", "Shape");
    p.setDisplayRange (0.0, 4.0);
    p.gSteps = 5;
    p.gNames = { "A", "B", "C", "D", "E" };

    // n * 4 rounded half to even picks the name; typed numbers snap to the nearest step.
    for (auto [n, name] : { std::pair { 0.0f, "A" }, { 0.6f, "C" }, { 0.625f, "C" }, { 0.875f, "E" } })
        EXPECT_EQ (p.getText (n, 0), name) << n;
    for (auto [text, n] : { std::pair { "1.4", 0.25f }, { "1.6", 0.5f }, { "9", 1.0f } })
        EXPECT_FLOAT_EQ (p.getValueForText (text), n) << text;

    p.gNames.clear();
    p.setDisplayRange (1.0, 8.0);
    p.gSteps = 8;
    EXPECT_EQ (p.getText (0.5f, 0), "4");     // 4.5 rounds to even
}

TEST (QuilParam, stereoModesTopValueMirrorsTheLeftDepthAndMovesNothingElse)
{
    const struct { int destination, input; double left; } cases[] = {
        { destIn, 0, 0.4 }, { destCutoff, 1, -0.7 }, { destType, 0, 1.0 }, { destResonance, 1, -0.6 } };

    for (const auto& c : cases)
    {
        TestProcessor p;
        auto* mode = p->data.stereoMode[c.destination][c.input];
        auto* right = p->data.depth[c.destination][c.input][1];
        p->data.depth[c.destination][c.input][0]->setValue ((float) ((c.left + 1.0) / 2.0));
        right->setValue (0.9f);

        mode->setValue (0.5f);                // linked and mono keep the depths
        mode->setValue (0.0f);
        EXPECT_FLOAT_EQ ((float) right->getRealValue(), 0.8f);

        mode->setValueNotifyingHost (1.0f);   // the host's path, through setValue
        EXPECT_EQ (mode->getMode(), 2);
        EXPECT_NEAR (right->getRealValue(), -c.left, 1.0e-6) << c.destination;

        int moved = 0;
        for (auto* param : p->getParameters())
            moved += param->getValue() != param->getDefaultValue() ? 1 : 0;
        EXPECT_EQ (moved, 3) << c.destination;   // the mode and its two depths only
    }
}
