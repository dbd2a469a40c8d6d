// The parameter classes' own rules: what the real-value setters tell the host, the lock
// flag's listeners, stepped display records and the stereo modes' mirror.
#include "support/ParameterIndex.h"
#include "support/ProcessorFixture.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

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

    p.setLocked (true);
    p.setLocked (false);
    EXPECT_EQ (log, (std::vector<int> { 4, 3, 2, 1, -4, -1 }));
    p.removeListener (&first);
    p.removeListener (&fourth);
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
