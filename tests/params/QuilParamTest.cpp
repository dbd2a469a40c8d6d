// The parameter base class: real/normalised mapping, value texts, typed values,
// the real-value setters and the lock flag with its listeners.
#include "support/ProcessorFixture.h"
#include "params/QuilParam.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <vector>

namespace
{
    std::unique_ptr<QuilParam> makeParam (double start, double end, double def = 0.0)
    {
        auto p = std::make_unique<QuilParam> ("Amount", "units", "amount", def);
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
}

TEST (QuilParam, normalisedValueFollowsTheRangeAndIsNotClamped)
{
    auto p = makeParam (-1.0, 1.0);

    p->setValue (0.75f);
    EXPECT_FLOAT_EQ ((float) p->getRealValue(), 0.5f);
    EXPECT_FLOAT_EQ (p->getValue(), 0.75f);

    // A real value outside the range shows as a normalised value outside 0..1.
    p->setValue (1.5f);
    EXPECT_FLOAT_EQ ((float) p->getRealValue(), 2.0f);
    EXPECT_FLOAT_EQ (p->getValue(), 1.5f);

    p->setValue (-0.25f);
    EXPECT_FLOAT_EQ (p->getValue(), -0.25f);
}

TEST (QuilParam, nanFromAHostLeavesTheValueAlone)
{
    auto p = makeParam (0.0, 1.1);
    p->setValue (0.5f);
    p->setValue (std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ (p->getValue(), 0.5f);
}

TEST (QuilParam, defaultTextHasTwoDecimalsAndIsCutOnRequest)
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
}

TEST (QuilParam, cuttingKeepsWholeCharacters)
{
    const auto text = juce::String (juce::CharPointer_UTF8 ("\xc3\x9c" "ber \xce\xa9"));   // "Über Ω"
    EXPECT_EQ (QuilParam::cutToLength (text, 1), juce::String (juce::CharPointer_UTF8 ("\xc3\x9c")));
    EXPECT_EQ (QuilParam::cutToLength (text, 6), text);
    EXPECT_EQ (QuilParam::cutToLength (text, 0), text);
    EXPECT_EQ (QuilParam::cutToLength (text, 1).toStdString().size(), 2u);
}

TEST (QuilParam, textWithoutANumberReadsAsZero)
{
    EXPECT_FLOAT_EQ (makeParam (0.0, 1.0)->getValueForText ("loud"), 0.0f);
    EXPECT_FLOAT_EQ (makeParam (-1.0, 1.0)->getValueForText ("loud"), 0.5f);
    EXPECT_FLOAT_EQ (makeParam (-1.0, 1.0)->getValueForText (""), 0.5f);
}

TEST (QuilParam, typedNumbersMapThroughTheRange)
{
    auto p = makeParam (-1.0, 1.0);
    EXPECT_FLOAT_EQ (p->getValueForText ("0.5"), (float) ((0.5 + 1.0) / 2.0));
    EXPECT_FLOAT_EQ (p->getValueForText ("  -0.25 units"), (float) ((-0.25 + 1.0) / 2.0));
    EXPECT_FLOAT_EQ (p->getValueForText ("1e-1"), (float) ((0.1 + 1.0) / 2.0));
}

TEST (QuilParam, typedValuesAreAlwaysFiniteAndInRange)
{
    auto p = makeParam (-1.0, 1.0);
    p->setValue (0.3f);

    EXPECT_FLOAT_EQ (p->getValueForText ("7"), 1.0f);
    EXPECT_FLOAT_EQ (p->getValueForText ("-7"), 0.0f);
    EXPECT_FLOAT_EQ (p->getValueForText ("inf"), 1.0f);
    EXPECT_FLOAT_EQ (p->getValueForText ("-inf"), 0.0f);
    EXPECT_FLOAT_EQ (p->getValueForText ("1e999"), 1.0f);
    EXPECT_FLOAT_EQ (p->getValueForText ("-1e999"), 0.0f);

    // Not a number: the value the parameter has now.
    EXPECT_FLOAT_EQ (p->getValueForText ("nan"), 0.3f);
    EXPECT_FLOAT_EQ (p->getValueForText ("-NaN"), 0.3f);

    // ... clamped when the parameter itself sits outside its range.
    p->setValue (1.4f);
    EXPECT_FLOAT_EQ (p->getValueForText ("nan"), 1.0f);
}

TEST (QuilParam, discreteAndBooleanFollowTheStepCount)
{
    auto p = makeParam (0.0, 1.0);

    const struct { int steps; bool discrete, boolean; } cases[] = {
        { 0, false, false }, { 1, false, false }, { 2, true, true }, { 3, true, false }, { 12, true, false } };

    for (const auto& c : cases)
    {
        p->setNumSteps (c.steps);
        EXPECT_EQ (p->getNumSteps(), c.steps);
        EXPECT_EQ (p->isDiscrete(), c.discrete) << c.steps;
        EXPECT_EQ (p->isBoolean(), c.boolean) << c.steps;
    }
}

TEST (QuilParam, emptyIdTakesTheName)
{
    QuilParam unnamed ("Width", "Width", {}, 0.0);
    EXPECT_EQ (unnamed.getParameterID(), "Width");

    QuilParam named ("Width", "Width", "w1", 0.0);
    EXPECT_EQ (named.getParameterID(), "w1");
    EXPECT_EQ (named.getName (3), "Wid");
}

TEST (QuilParam, realValueSettersTellTheHostOnlyOfChanges)
{
    TestProcessor p;
    auto* resonance = dynamic_cast<QuilParam*> (p->getParameters()[3]);
    ASSERT_NE (resonance, nullptr);

    HostListener host;
    resonance->addListener (&host);

    resonance->setRealValueAsGesture ((float) resonance->getRealValue());
    resonance->setRealValueNotifyingHost ((float) resonance->getRealValue());
    resonance->setRealValueAsGesture (std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE (host.values.empty());
    EXPECT_TRUE (host.gestures.empty());

    resonance->setRealValueAsGesture (0.55f);
    ASSERT_EQ (host.gestures.size(), 2u);
    EXPECT_TRUE (host.gestures[0]);
    EXPECT_FALSE (host.gestures[1]);
    ASSERT_EQ (host.values.size(), 1u);
    EXPECT_FLOAT_EQ (host.values[0], 0.55f / 1.1f);
    EXPECT_FLOAT_EQ ((float) resonance->getRealValue(), 0.55f);

    resonance->setRealValueNotifyingHost (1.1f);
    EXPECT_EQ (host.gestures.size(), 2u);
    ASSERT_EQ (host.values.size(), 2u);
    EXPECT_FLOAT_EQ (host.values[1], 1.0f);

    resonance->removeListener (&host);
}

namespace
{
    struct LockListener : QuilParam::Listener
    {
        explicit LockListener (std::vector<int>& log, int id, bool removeSelf = false)
            : calls (log), ident (id), removeOnCall (removeSelf) {}

        void parameterLockChanged (QuilParam* p) override
        {
            calls.push_back (ident);
            lockSeen = p->isLocked();
            if (removeOnCall)
                p->removeListener (this);
        }

        std::vector<int>& calls;
        int ident;
        bool removeOnCall;
        bool lockSeen = false;
    };
}

TEST (QuilParam, lockListenersHearTheNewFlagLastToFirst)
{
    auto p = makeParam (0.0, 1.0);
    std::vector<int> calls;
    LockListener first (calls, 1), second (calls, 2), third (calls, 3);
    p->addListener (&first);
    p->addListener (&second);
    p->addListener (&third);

    EXPECT_FALSE (p->isLocked());
    p->setLocked (true);
    EXPECT_TRUE (p->isLocked());
    EXPECT_EQ (calls, (std::vector<int> { 3, 2, 1 }));
    EXPECT_TRUE (first.lockSeen);

    p->removeListener (&second);
    calls.clear();
    p->setLocked (false);
    EXPECT_FALSE (p->isLocked());
    EXPECT_EQ (calls, (std::vector<int> { 3, 1 }));
    EXPECT_FALSE (third.lockSeen);
}

TEST (QuilParam, aLockListenerMayRemoveItselfWhileBeingTold)
{
    auto p = makeParam (0.0, 1.0);
    std::vector<int> calls;
    LockListener stays (calls, 1), leaves (calls, 2, true), alsoLeaves (calls, 3, true);
    p->addListener (&stays);
    p->addListener (&leaves);
    p->addListener (&alsoLeaves);

    p->setLocked (true);
    EXPECT_EQ (calls, (std::vector<int> { 3, 2, 1 }));

    calls.clear();
    p->setLocked (false);
    EXPECT_EQ (calls, (std::vector<int> { 1 }));
    p->removeListener (&stays);
}
