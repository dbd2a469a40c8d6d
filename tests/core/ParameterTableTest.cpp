// The processor's 44 parameters: order, identity, ranges, defaults, groups and locks.
#include "support/SharedProcessor.h"
#include "support/ValueTextReference.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace
{
    const char* const destinations[] = { "In", "Cutoff", "Resonance", "Type", "Drive", "Out" };

    enum class Kind { onOff, level, frequency, percent, filterType, drivePercent, selector, stereoMode, depthHiRes, depthRange };

    struct Row
    {
        int index;
        std::string id, name, label, unit, group;
        Kind kind;
        double start, end, defaultReal, defaultNormalised;
        int steps;
        bool meta;
        double displayScale = 0.0;   // depth ranges only
    };

    bool isKind (juce::AudioProcessorParameter* p, Kind k)
    {
        switch (k)
        {
            case Kind::onOff:        return dynamic_cast<QuilParamOnOff*> (p) != nullptr;
            case Kind::level:        return dynamic_cast<QuilParamGrittleAmp12*> (p) != nullptr;
            case Kind::frequency:    return dynamic_cast<QuilParamFrequencyHz*> (p) != nullptr;
            case Kind::percent:      return dynamic_cast<QuilParamPercentUnbounded*> (p) != nullptr;
            case Kind::filterType:   return dynamic_cast<QuilParamFilterTypeSVF3*> (p) != nullptr;
            case Kind::drivePercent: return dynamic_cast<QuilParamGrittlePercent*> (p) != nullptr;
            case Kind::selector:     return dynamic_cast<QuilParamNamedSelector*> (p) != nullptr;
            case Kind::stereoMode:   return dynamic_cast<QuilParamStereoMod*> (p) != nullptr;
            case Kind::depthHiRes:   return dynamic_cast<QuilParamModHiRes*> (p) != nullptr;
            case Kind::depthRange:   return dynamic_cast<QuilParamModulationRange*> (p) != nullptr;
        }
        return false;
    }

    /** The whole table as a host sees it, built from its definition. */
    std::vector<Row> expectedTable()
    {
        std::vector<Row> rows {
            { 0, ".Power Btn    ", "Power", "Power", "Power", "g_main", Kind::onOff, 0, 1, 1.0, 1.0, 2, false },
            { 1, "In", "In", "In", "In", "g_main", Kind::level, 0, 1, 0.75, 0.75, 0, false },
            { 2, "Cutoff", "Cutoff", "Cutoff Freq", "Cutoff Freq", "g_main", Kind::frequency, 0, 1, 0.5, 0.5, 0, false },
            { 3, "Resonance", "Resonance", "Resonance", "Resonance", "g_main", Kind::percent, 0, 1.1, 0.0, 0.0, 0, false },
            // The display-record classes give hosts their own unit, empty for these two.
            { 4, "Type", "Type", "Type", "", "g_main", Kind::filterType, 0, 1, 0.0, 0.0, 0, false },
            { 5, "Drive", "Drive", "Drive", "", "g_main", Kind::drivePercent, 0, 1, 0.0, 0.0, 0, false },
            { 6, "Drive Mode", "Drive Mode", "Drive Mode", "Drive Mode", "g_main", Kind::selector, 0, 1, 0.0, 0.0, 2, false },
            { 7, "Out", "Out", "Out", "Out", "g_main", Kind::level, 0, 1, 0.75, 0.75, 0, false },
        };

        auto add = [&rows] (const std::string& name, const std::string& group, Kind kind,
                            double start, double end, double def, int steps, bool meta, double scale)
        {
            const int index = (int) rows.size();
            rows.push_back ({ index, name, name, name, name, group, kind, start, end, def,
                              reference::normalised (def, start, end), steps, meta, scale });
        };

        for (int input = 1; input <= 2; ++input)
            for (auto* d : destinations)
                add (std::string (d) + " CV " + std::to_string (input) + " Stereo", "g_modStereoMode",
                     Kind::stereoMode, 0, 2, 0, 3, true, 0);

        for (int input = 1; input <= 2; ++input)
            for (auto* side : { " Left", " Right" })
                for (auto* d : destinations)
                {
                    const std::string dest (d);
                    const bool ranged = dest == "Cutoff" || dest == "Type";
                    add (dest + " CV " + std::to_string (input) + side, "g_modDestinations",
                         ranged ? Kind::depthRange : Kind::depthHiRes, -1, 1, 0, 0, false,
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

TEST (ParameterTable, processorHasExactly44Parameters)
{
    TestProcessor p;
    EXPECT_EQ (p->getParameters().size(), 44);
    EXPECT_EQ ((int) expectedTable().size(), 44);
}

TEST_P (ParameterTableTest, parameterMatchesItsRow)
{
    const auto& row = GetParam();
    auto* p = processor().getParameters()[row.index];
    ASSERT_NE (p, nullptr);

    auto* q = dynamic_cast<QuilParam*> (p);
    ASSERT_NE (q, nullptr);

    EXPECT_TRUE (isKind (p, row.kind));
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
    EXPECT_FLOAT_EQ (p->getDefaultValue(), (float) row.defaultNormalised);

    // Nothing in construction moves a parameter off its default.
    EXPECT_DOUBLE_EQ (q->getRealValue(), row.defaultReal);
    EXPECT_FLOAT_EQ (p->getValue(), (float) row.defaultNormalised);

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

    if (row.kind == Kind::depthRange)
    {
        EXPECT_DOUBLE_EQ (dynamic_cast<QuilParamModulationRange*> (p)->displayScale, row.displayScale);
    }
}

INSTANTIATE_TEST_SUITE_P (AllParameters, ParameterTableTest, ::testing::ValuesIn (expectedTable()), toString);

TEST (ParameterTable, groupsAreNamedAndOrdered)
{
    TestProcessor p;
    const auto subgroups = p->getParameterTree().getSubgroups (false);
    ASSERT_EQ (subgroups.size(), 3);

    const char* expected[][2] = { { "g_main", "Main" }, { "g_modStereoMode", "CV Stereo Mode" },
                                  { "g_modDestinations", "CV Destinations" } };
    const int sizes[] = { 8, 12, 24 };

    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ (subgroups[i]->getID(), expected[i][0]);
        EXPECT_EQ (subgroups[i]->getName(), expected[i][1]);
        EXPECT_EQ (subgroups[i]->getSeparator(), ",");
        EXPECT_EQ (subgroups[i]->getParameters (false).size(), sizes[i]);
    }
}

TEST (ParameterTable, powerIdKeepsItsFourTrailingBlanks)
{
    TestProcessor p;
    auto* power = dynamic_cast<juce::AudioProcessorParameterWithID*> (p->getParameters()[0]);
    ASSERT_NE (power, nullptr);
    EXPECT_EQ (power->getParameterID().length(), 14);
    EXPECT_TRUE (power->getParameterID().endsWith ("Btn    "));
}

TEST (ParameterTable, typedPointersAndStereoModesHoldTheirOwnDepths)
{
    TestProcessor p;
    const auto& params = p->getParameters();
    const auto& d = p->data;

    EXPECT_EQ ((void*) d.power, (void*) params[0]);
    EXPECT_EQ ((void*) d.in, (void*) params[1]);
    EXPECT_EQ ((void*) d.cutoff, (void*) params[2]);
    EXPECT_EQ ((void*) d.resonance, (void*) params[3]);
    EXPECT_EQ ((void*) d.type, (void*) params[4]);
    EXPECT_EQ ((void*) d.drive, (void*) params[5]);
    EXPECT_EQ ((void*) d.driveMode, (void*) params[6]);
    EXPECT_EQ ((void*) d.out, (void*) params[7]);

    for (int dest = 0; dest < numDestinations; ++dest)
        for (int input = 0; input < 2; ++input)
        {
            auto* mode = d.stereoMode[dest][input];
            EXPECT_EQ ((void*) mode, (void*) params[8 + 6 * input + dest]);

            for (int side = 0; side < 2; ++side)
                EXPECT_EQ ((void*) d.depth[dest][input][side], (void*) params[20 + 12 * input + 6 * side + dest])
                    << dest << " " << input << " " << side;

            ASSERT_NE (mode, nullptr);
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
        EXPECT_DOUBLE_EQ (level->gStart, 0.0);
        EXPECT_DOUBLE_EQ (level->gEnd, 1.0);
        EXPECT_EQ (level->gSteps, 0);
    }

    EXPECT_EQ (d.type->gNames, juce::StringArray ({ "LP", "BP", "HP" }));
    EXPECT_DOUBLE_EQ (d.type->gStart, 1.0);
    EXPECT_DOUBLE_EQ (d.type->gEnd, 3.0);
    EXPECT_DOUBLE_EQ (d.type->gLength, 2.0);
    EXPECT_FLOAT_EQ (d.type->gLengthF, 2.0f);
    EXPECT_EQ (d.type->gSteps, 0);

    EXPECT_EQ (d.drive->gNames, juce::StringArray ({ "0", "25", "50", "75", "100" }));
    EXPECT_EQ (d.drive->gSteps, 0);

    EXPECT_EQ (d.driveMode->names, juce::StringArray ({ "Cold", "Hot" }));
    EXPECT_EQ (d.power->onText, "On");
    EXPECT_EQ (d.power->offText, "Off");
    EXPECT_TRUE (d.resonance->displayTimesTen);
}
