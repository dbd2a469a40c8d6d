// The processor's 44 parameters as a host sees them: order, identity, names, ranges,
// defaults, steps, groups and locks, and the data block's pointers to each.
#include "support/SharedProcessor.h"
#include "support/ValueTextReference.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace
{
    const char* const destinations[] = { "In", "Cutoff", "Resonance", "Type", "Drive", "Out" };

    struct Row
    {
        int index;
        std::string id, name, label, unit, group;
        double start, end, defaultReal;
        int steps;
        bool meta;
        double displayScale = 0.0;
    };

    /** The whole table as a host sees it, built from its definition. */
    std::vector<Row> expectedTable()
    {
        std::vector<Row> rows {
            { 0, ".Power Btn    ", "Power", "Power", "Power", "Main", 0, 1, 1.0, 2, false },
            { 1, "In", "In", "In", "In", "Main", 0, 1, 0.75, 0, false },
            { 2, "Cutoff", "Cutoff", "Cutoff Freq", "Cutoff Freq", "Main", 0, 1, 0.5, 0, false },
            { 3, "Resonance", "Resonance", "Resonance", "Resonance", "Main", 0, 1.1, 0.0, 0, false },
            // The display-record classes give hosts their own unit, empty for these two.
            { 4, "Type", "Type", "Type", "", "Main", 0, 1, 0.0, 0, false },
            { 5, "Drive", "Drive", "Drive", "", "Main", 0, 1, 0.0, 0, false },
            { 6, "Drive Mode", "Drive Mode", "Drive Mode", "Drive Mode", "Main", 0, 1, 0.0, 2, false },
            { 7, "Out", "Out", "Out", "Out", "Main", 0, 1, 0.75, 0, false },
        };

        auto add = [&rows] (const std::string& name, const std::string& group, double start, double end, int steps, bool meta, double scale)
        {
            rows.push_back ({ (int) rows.size(), name, name, name, name, group, start, end, 0.0, steps, meta, scale });
        };

        for (int input = 1; input <= 2; ++input)
            for (auto* d : destinations)
                add (std::string (d) + " CV " + std::to_string (input) + " Stereo", "CV Stereo Mode", 0, 2, 3, true, 0);

        for (int input = 1; input <= 2; ++input)
            for (auto* side : { " Left", " Right" })
                for (auto* d : destinations)
                {
                    const std::string dest (d);
                    add (dest + " CV " + std::to_string (input) + side, "CV Destinations", -1, 1, 0, false,
                         dest == "Cutoff" ? 120.0 : dest == "Type" ? 2.0 : 0.0);
                }

        return rows;
    }

    class ParameterTableTest : public WithSharedProcessor<::testing::TestWithParam<Row>> {};
}

TEST_P (ParameterTableTest, parameterMatchesItsRow)
{
    const auto& row = GetParam();
    auto* p = processor().getParameters()[row.index];
    auto* q = dynamic_cast<QuilParam*> (p);
    ASSERT_NE (q, nullptr);

    EXPECT_EQ (std::tuple (p->getParameterIndex(), q->getParameterID(), q->getVersionHint(), p->getName (100), q->label, p->getLabel()),
               std::tuple (row.index, juce::String (row.id), 1, juce::String (row.name), juce::String (row.label), juce::String (row.unit)));
    EXPECT_EQ (std::tuple (q->getRangeStart(), q->getRangeEnd(), q->getDefaultRealValue()), std::tuple (row.start, row.end, row.defaultReal));
    const auto defaultNormalised = (float) reference::normalised (row.defaultReal, row.start, row.end);
    EXPECT_FLOAT_EQ (p->getDefaultValue(), defaultNormalised);
    EXPECT_FLOAT_EQ (p->getValue(), defaultNormalised);   // nothing in construction moves it

    // "Power" alone is locked from the start.
    EXPECT_EQ (std::tuple (p->getNumSteps(), p->isMetaParameter(), p->isAutomatable(), p->isOrientationInverted(), p->getCategory(), q->isLocked()),
               std::tuple (row.steps, row.meta, true, false, juce::AudioProcessorParameter::genericParameter, row.index == 0));

    const auto groups = processor().getParameterTree().getGroupsForParameter (p);
    ASSERT_EQ (groups.size(), 1);
    EXPECT_EQ (groups[0]->getName(), juce::String (row.group));

    if (row.displayScale != 0.0)   // depths shown in the destination's own unit
    {
        auto* ranged = dynamic_cast<QuilParamModulationRange*> (p);
        ASSERT_NE (ranged, nullptr);
        EXPECT_DOUBLE_EQ (ranged->displayScale, row.displayScale);
    }
}

INSTANTIATE_TEST_SUITE_P (AllParameters, ParameterTableTest, ::testing::ValuesIn (expectedTable()),
                          [] (const auto& testInfo) { return "index" + std::to_string (testInfo.param.index); });

TEST (ParameterTable, exactlyTheseParametersInThreeGroupsAndTheDataBlockPointsAtEach)
{
    TestProcessor p;
    const auto& params = p->getParameters();
    ASSERT_EQ (params.size(), 44);

    const auto subgroups = p->getParameterTree().getSubgroups (false);
    const char* const groupIds[] = { "g_main", "g_modStereoMode", "g_modDestinations" };
    ASSERT_EQ (subgroups.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (subgroups[i]->getID(), groupIds[i]);

    const auto& d = p->data;
    const QuilParam* mains[] = { d.power, d.in, d.cutoff, d.resonance, d.type, d.drive, d.driveMode, d.out };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ ((const void*) mains[i], (const void*) params[i]) << i;

    for (int dest = 0; dest < numDestinations; ++dest)
        for (int input = 0; input < 2; ++input)
        {
            auto* mode = d.stereoMode[dest][input];
            EXPECT_EQ ((void*) mode, (void*) params[8 + 6 * input + dest]);
            EXPECT_TRUE (mode->left == d.depth[dest][input][0] && mode->right == d.depth[dest][input][1]);
            for (int side = 0; side < 2; ++side)
                EXPECT_EQ ((void*) d.depth[dest][input][side], (void*) params[20 + 12 * input + 6 * side + dest]) << dest << input << side;
        }
}

TEST (ParameterTable, eachParameterIsOfItsDisplayClassWithTwoDecimalsAndDiscreteOnlyWhenStepped)
{
    using KindCheck = bool (*) (juce::AudioProcessorParameter*);
    const KindCheck mains[] = { [] (juce::AudioProcessorParameter* p) { return dynamic_cast<QuilParamOnOff*> (p) != nullptr; },
                                [] (juce::AudioProcessorParameter* p) { return dynamic_cast<QuilParamGrittleAmp12*> (p) != nullptr; },
                                [] (juce::AudioProcessorParameter* p) { return dynamic_cast<QuilParamFrequencyHz*> (p) != nullptr; },
                                [] (juce::AudioProcessorParameter* p) { return dynamic_cast<QuilParamPercentUnbounded*> (p) != nullptr; },
                                [] (juce::AudioProcessorParameter* p) { return dynamic_cast<QuilParamFilterTypeSVF3*> (p) != nullptr; },
                                [] (juce::AudioProcessorParameter* p) { return dynamic_cast<QuilParamGrittlePercent*> (p) != nullptr; },
                                [] (juce::AudioProcessorParameter* p) { return dynamic_cast<QuilParamNamedSelector*> (p) != nullptr; },
                                [] (juce::AudioProcessorParameter* p) { return dynamic_cast<QuilParamGrittleAmp12*> (p) != nullptr; } };

    TestProcessor p;
    const auto& params = p->getParameters();
    ASSERT_EQ (params.size(), 44);
    for (int i = 0; i < params.size(); ++i)
    {
        auto* param = params[i];
        auto* q = dynamic_cast<QuilParam*> (param);
        ASSERT_NE (q, nullptr) << i;

        const int destination = (i - 20) % 6;
        const bool kind = i < 8 ? mains[i] (param)
                        : i < 20 ? dynamic_cast<QuilParamStereoMod*> (param) != nullptr
                        : destination == 1 || destination == 3 ? dynamic_cast<QuilParamModulationRange*> (param) != nullptr
                                                               : dynamic_cast<QuilParamModHiRes*> (param) != nullptr;
        EXPECT_TRUE (kind) << i;
        EXPECT_EQ (param->isDiscrete(), param->getNumSteps() >= 2) << i;
        EXPECT_EQ (param->isBoolean(), param->getNumSteps() == 2) << i;
        EXPECT_EQ (q->getDecimalPlaces(), 2) << i;
        EXPECT_DOUBLE_EQ (q->getRangeLength(), q->getRangeEnd() - q->getRangeStart()) << i;
        EXPECT_DOUBLE_EQ (q->getRealValue(), q->getDefaultRealValue()) << i;
    }

    const int sizes[] = { 8, 12, 24 };
    const auto subgroups = p->getParameterTree().getSubgroups (false);
    ASSERT_EQ (subgroups.size(), 3);
    for (int g = 0; g < 3; ++g)
    {
        EXPECT_EQ (subgroups[g]->getSeparator(), ",");
        EXPECT_EQ (subgroups[g]->getParameters (false).size(), sizes[g]);
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
