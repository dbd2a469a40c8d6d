// The processor's 44 parameters: order, identity, ranges, defaults, groups and locks.
#include "support/SharedProcessor.h"
#include "support/ValueTextReference.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
    const char* const destinations[] = { "In", "Cutoff", "Resonance", "Type", "Drive", "Out" };

    using KindCheck = bool (*) (juce::AudioProcessorParameter*);
    template <typename T> bool is (juce::AudioProcessorParameter* p) { return dynamic_cast<T*> (p) != nullptr; }

    struct Row
    {
        int index;
        std::string id, name, label, unit, group;
        KindCheck isKind;
        double start, end, defaultReal;
        int steps;
        bool meta;
        double displayScale = 0.0;   // depth ranges only
    };

    /** The whole table as a host sees it, built from its definition. */
    std::vector<Row> expectedTable()
    {
        std::vector<Row> rows {
            { 0, ".Power Btn    ", "Power", "Power", "Power", "g_main", is<QuilParamOnOff>, 0, 1, 1.0, 2, false },
            { 1, "In", "In", "In", "In", "g_main", is<QuilParamGrittleAmp12>, 0, 1, 0.75, 0, false },
            { 2, "Cutoff", "Cutoff", "Cutoff Freq", "Cutoff Freq", "g_main", is<QuilParamFrequencyHz>, 0, 1, 0.5, 0, false },
            { 3, "Resonance", "Resonance", "Resonance", "Resonance", "g_main", is<QuilParamPercentUnbounded>, 0, 1.1, 0.0, 0, false },
            // The display-record classes give hosts their own unit, empty for these two.
            { 4, "Type", "Type", "Type", "", "g_main", is<QuilParamFilterTypeSVF3>, 0, 1, 0.0, 0, false },
            { 5, "Drive", "Drive", "Drive", "", "g_main", is<QuilParamGrittlePercent>, 0, 1, 0.0, 0, false },
            { 6, "Drive Mode", "Drive Mode", "Drive Mode", "Drive Mode", "g_main", is<QuilParamNamedSelector>, 0, 1, 0.0, 2, false },
            { 7, "Out", "Out", "Out", "Out", "g_main", is<QuilParamGrittleAmp12>, 0, 1, 0.75, 0, false },
        };

        auto add = [&rows] (const std::string& name, const std::string& group, KindCheck kind,
                            double start, double end, int steps, bool meta, double scale)
        {
            rows.push_back ({ (int) rows.size(), name, name, name, name, group, kind, start, end, 0.0, steps, meta, scale });
        };

        for (int input = 1; input <= 2; ++input)
            for (auto* d : destinations)
                add (std::string (d) + " CV " + std::to_string (input) + " Stereo", "g_modStereoMode",
                     is<QuilParamStereoMod>, 0, 2, 3, true, 0);

        for (int input = 1; input <= 2; ++input)
            for (auto* side : { " Left", " Right" })
                for (auto* d : destinations)
                {
                    const std::string dest (d);
                    const bool ranged = dest == "Cutoff" || dest == "Type";
                    add (dest + " CV " + std::to_string (input) + side, "g_modDestinations",
                         ranged ? is<QuilParamModulationRange> : is<QuilParamModHiRes>, -1, 1, 0, false,
                         dest == "Cutoff" ? 120.0 : dest == "Type" ? 2.0 : 0.0);
                }

        return rows;
    }

    std::string toString (const testing::TestParamInfo<Row>& info)
    {
        return "index" + std::to_string (info.param.index);
    }

    class ParameterTableTest : public WithSharedProcessor<::testing::TestWithParam<Row>> {};
}

TEST_P (ParameterTableTest, parameterMatchesItsRow)
{
    const auto& row = GetParam();
    auto* p = processor().getParameters()[row.index];
    ASSERT_NE (p, nullptr);

    auto* q = dynamic_cast<QuilParam*> (p);
    ASSERT_NE (q, nullptr);

    EXPECT_TRUE (row.isKind (p));
    EXPECT_EQ (p->getParameterIndex(), row.index);
    EXPECT_EQ (q->getParameterID(), juce::String (row.id));
    EXPECT_EQ (q->getVersionHint(), 1);
    EXPECT_EQ (p->getName (100), juce::String (row.name));
    EXPECT_EQ (q->label, juce::String (row.label));
    EXPECT_EQ (p->getLabel(), juce::String (row.unit));

    EXPECT_DOUBLE_EQ (q->getRangeStart(), row.start);
    EXPECT_DOUBLE_EQ (q->getRangeEnd(), row.end);
    EXPECT_DOUBLE_EQ (q->getRangeLength(), row.end - row.start);
    EXPECT_DOUBLE_EQ (q->getDefaultRealValue(), row.defaultReal);
    const auto defaultNormalised = (float) reference::normalised (row.defaultReal, row.start, row.end);
    EXPECT_FLOAT_EQ (p->getDefaultValue(), defaultNormalised);

    // Nothing in construction moves a parameter off its default.
    EXPECT_DOUBLE_EQ (q->getRealValue(), row.defaultReal);
    EXPECT_FLOAT_EQ (p->getValue(), defaultNormalised);

    EXPECT_EQ (p->getNumSteps(), row.steps);
    EXPECT_EQ (p->isDiscrete(), row.steps >= 2);
    EXPECT_EQ (p->isBoolean(), row.steps == 2);
    EXPECT_EQ (p->isMetaParameter(), row.meta);
    EXPECT_TRUE (p->isAutomatable());
    EXPECT_FALSE (p->isOrientationInverted());
    EXPECT_EQ (p->getCategory(), juce::AudioProcessorParameter::genericParameter);
    EXPECT_EQ (q->getDecimalPlaces(), 2);

    // "Power" is locked from the start; every other parameter is free.
    EXPECT_EQ (q->isLocked(), row.index == 0);

    const auto groups = processor().getParameterTree().getGroupsForParameter (p);
    ASSERT_EQ (groups.size(), 1);
    EXPECT_EQ (groups[0]->getID(), juce::String (row.group));

    if (auto* ranged = dynamic_cast<QuilParamModulationRange*> (p))
    {
        EXPECT_DOUBLE_EQ (ranged->displayScale, row.displayScale);
    }
}

INSTANTIATE_TEST_SUITE_P (AllParameters, ParameterTableTest, ::testing::ValuesIn (expectedTable()), toString);

TEST (ParameterTable, has44ParametersInThreeNamedGroups)
{
    TestProcessor p;
    EXPECT_EQ (p->getParameters().size(), 44);
    const auto subgroups = p->getParameterTree().getSubgroups (false);
    ASSERT_EQ (subgroups.size(), 3);

    const struct { const char* id; const char* name; int size; } expected[] = {
        { "g_main", "Main", 8 }, { "g_modStereoMode", "CV Stereo Mode", 12 }, { "g_modDestinations", "CV Destinations", 24 } };

    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ (subgroups[i]->getID(), expected[i].id);
        EXPECT_EQ (subgroups[i]->getName(), expected[i].name);
        EXPECT_EQ (subgroups[i]->getSeparator(), ",");
        EXPECT_EQ (subgroups[i]->getParameters (false).size(), expected[i].size);
    }
}

TEST (ParameterTable, typedPointersAndStereoModesHoldTheirOwnDepths)
{
    TestProcessor p;
    const auto& params = p->getParameters();
    const auto& d = p->data;

    const QuilParam* mains[] = { d.power, d.in, d.cutoff, d.resonance, d.type, d.drive, d.driveMode, d.out };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ ((const void*) mains[i], (const void*) params[i]) << i;

    for (int dest = 0; dest < numDestinations; ++dest)
        for (int input = 0; input < 2; ++input)
        {
            auto* mode = d.stereoMode[dest][input];
            ASSERT_EQ ((void*) mode, (void*) params[8 + 6 * input + dest]);
            for (int side = 0; side < 2; ++side)
                EXPECT_EQ ((void*) d.depth[dest][input][side], (void*) params[20 + 12 * input + 6 * side + dest])
                    << dest << " " << input << " " << side;

            EXPECT_EQ (mode->left, d.depth[dest][input][0]);
            EXPECT_EQ (mode->right, d.depth[dest][input][1]);
        }
}

TEST (ParameterTable, displayRecordsCarryLegendsAndRanges)
{
    TestProcessor p;
    const auto& d = p->data;

    for (auto* level : { d.in, d.out })
    {
        EXPECT_EQ (level->gNames, juce::StringArray ({ "-inf", "-23", "-9", "0", "12" }));
        EXPECT_EQ (level->gSteps, 0);
    }

    EXPECT_EQ (d.type->gNames, juce::StringArray ({ "LP", "BP", "HP" }));
    EXPECT_DOUBLE_EQ (d.type->gStart, 1.0);
    EXPECT_DOUBLE_EQ (d.type->gLength, 2.0);
    EXPECT_EQ (d.drive->gNames, juce::StringArray ({ "0", "25", "50", "75", "100" }));
    EXPECT_EQ (d.driveMode->names, juce::StringArray ({ "Cold", "Hot" }));
    EXPECT_EQ (d.power->onText, "On");
    EXPECT_EQ (d.power->offText, "Off");
}
