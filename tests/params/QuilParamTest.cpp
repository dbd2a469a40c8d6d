// The parameter base class: real/normalised mapping, value texts, typed values,
// the real-value setters and the lock flag with its listeners.
#include "support/ParameterIndex.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>
#include <cmath>
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

    /** Records what a host would hear from a parameter. */
    struct HostListener : juce::AudioProcessorParameter::Listener
    {
        std::vector<float> values;
        std::vector<bool> gestures;

        void parameterValueChanged (int, float v) override        { values.push_back (v); }
        void parameterGestureChanged (int, bool starting) override { gestures.push_back (starting); }
    };

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
    TestProcessor p;
    auto& res = quilParam (*p, resonance);
    HostListener host;
    res.addListener (&host);

    res.setRealValueAsGesture ((float) res.getRealValue());
    res.setRealValueNotifyingHost ((float) res.getRealValue());
    res.setRealValueAsGesture (notANumber);
    EXPECT_TRUE (host.values.empty() && host.gestures.empty());

    res.setRealValueAsGesture (0.55f);
    EXPECT_EQ (host.gestures, (std::vector<bool> { true, false }));
    ASSERT_EQ (host.values.size(), 1u);
    EXPECT_FLOAT_EQ (host.values[0], 0.55f / 1.1f);
    EXPECT_FLOAT_EQ ((float) res.getRealValue(), 0.55f);

    res.setRealValueNotifyingHost (1.1f);
    EXPECT_EQ (host.gestures.size(), 2u);
    ASSERT_EQ (host.values.size(), 2u);
    EXPECT_FLOAT_EQ (host.values[1], 1.0f);

    res.removeListener (&host);
}

namespace
{
    struct LockListener : QuilParam::Listener
    {
        LockListener (std::vector<int>& log, int id, bool removeSelf = false) : calls (log), ident (id), removeOnCall (removeSelf) {}

        void parameterLockChanged (QuilParam* p) override
        {
            calls.push_back (ident);
            lockSeen = p->isLocked();
            if (removeOnCall)
                p->removeListener (this);
        }

        std::vector<int>& calls;
        int ident;
        bool removeOnCall, lockSeen = false;
    };
}

TEST (QuilParam, lockListenersHearTheNewFlagLastToFirstAndMayRemoveThemselves)
{
    auto p = makeParam (0.0, 1.0);
    std::vector<int> calls;
    LockListener first (calls, 1), second (calls, 2), third (calls, 3), leaves (calls, 4, true), alsoLeaves (calls, 5, true);
    for (auto* l : { &first, &second, &third })
        p->addListener (l);

    EXPECT_FALSE (p->isLocked());
    p->setLocked (true);
    EXPECT_TRUE (p->isLocked());
    EXPECT_EQ (calls, (std::vector<int> { 3, 2, 1 }));
    EXPECT_TRUE (first.lockSeen);

    p->removeListener (&second);
    p->addListener (&leaves);
    p->addListener (&alsoLeaves);
    calls.clear();
    p->setLocked (false);
    EXPECT_EQ (calls, (std::vector<int> { 5, 4, 3, 1 }));
    EXPECT_FALSE (third.lockSeen);

    calls.clear();
    p->setLocked (true);
    EXPECT_EQ (calls, (std::vector<int> { 3, 1 }));
    p->removeListener (&first);
    p->removeListener (&third);
}
