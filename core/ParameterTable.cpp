#include "core/VortaneAudioProcessor.h"
#include "params/QuilParamTypes.h"

namespace
{
    const char* const destinationNames[numDestinations] = { "In", "Cutoff", "Resonance", "Type", "Drive", "Out" };

    void makeParameterGroup (std::unique_ptr<juce::AudioProcessorParameterGroup>& slot,
                             const juce::String& id, const juce::String& name, const juce::String& separator)
    {
        slot = std::make_unique<juce::AudioProcessorParameterGroup> (id, name, separator);
    }

    std::unique_ptr<QuilParam> makeDepth (int destination, const juce::String& name)
    {
        std::unique_ptr<QuilParam> p;

        if (destination == destCutoff || destination == destType)
        {
            auto range = std::make_unique<QuilParamModulationRange> (name, name, name, 0.0);
            range->displayScale = destination == destCutoff ? 120.0 : 2.0;
            p = std::move (range);
        }
        else
        {
            p = std::make_unique<QuilParamModHiRes> (name, name, name, 0.0);
        }

        p->setRange (-1.0, 1.0);
        p->setDefaultRealValue (0.0, true);
        return p;
    }
}

void VortaneAudioProcessor::createParameters()
{
    auto& groups = data.groups;
    makeParameterGroup (groups[0], "g_main", "Main", ",");
    makeParameterGroup (groups[1], "g_modStereoMode", "CV Stereo Mode", ",");
    makeParameterGroup (groups[2], "g_modDestinations", "CV Destinations", ",");

    auto& mainGroup = *groups[0];
    auto& modeGroup = *groups[1];
    auto& depthGroup = *groups[2];

    {
        auto power = std::make_unique<QuilParamOnOff> ("Power", "Power", ".Power Btn    ", 1.0);
        power->setNumSteps (2);
        data.power = power.get();
        mainGroup.addChild (std::move (power));
    }
    {
        auto in = std::make_unique<QuilParamGrittleAmp12> ("In", "In");
        data.in = in.get();
        mainGroup.addChild (std::move (in));
    }
    {
        auto cutoff = std::make_unique<QuilParamFrequencyHz> ("Cutoff", "Cutoff Freq", "Cutoff", 0.5, &data.liveVoices);
        data.cutoff = cutoff.get();
        mainGroup.addChild (std::move (cutoff));
    }
    {
        auto resonance = std::make_unique<QuilParamPercentUnbounded> ("Resonance", "Resonance", "Resonance", 0.0);
        resonance->setRange (0.0, 1.1);
        resonance->displayTimesTen = true;
        data.resonance = resonance.get();
        mainGroup.addChild (std::move (resonance));
    }
    {
        auto type = std::make_unique<QuilParamFilterTypeSVF3> ("Type", "Type");
        data.type = type.get();
        mainGroup.addChild (std::move (type));
    }
    {
        auto drive = std::make_unique<QuilParamGrittlePercent> ("Drive", "Drive");
        data.drive = drive.get();
        mainGroup.addChild (std::move (drive));
    }
    {
        auto driveMode = std::make_unique<QuilParamNamedSelector> ("Drive Mode", "Drive Mode", "Drive Mode", 0.0);
        driveMode->setNumSteps (2);
        driveMode->names = { "Cold", "Hot" };
        data.driveMode = driveMode.get();
        mainGroup.addChild (std::move (driveMode));
    }
    {
        auto out = std::make_unique<QuilParamGrittleAmp12> ("Out", "Out");
        data.out = out.get();
        mainGroup.addChild (std::move (out));
    }

    // Creation interleaves depths and stereo modes per control input; adoption below
    // puts every stereo mode before every depth, which fixes the indices.
    for (int input = 0; input < 2; ++input)
    {
        const auto inputText = juce::String (input + 1);

        for (int side = 0; side < 2; ++side)
            for (int d = 0; d < numDestinations; ++d)
            {
                const auto name = juce::String (destinationNames[d]) + " CV " + inputText + (side == 0 ? " Left" : " Right");
                auto depth = makeDepth (d, name);
                data.depth[d][input][side] = depth.get();
                depthGroup.addChild (std::move (depth));
            }

        for (int d = 0; d < numDestinations; ++d)
        {
            const auto name = juce::String (destinationNames[d]) + " CV " + inputText + " Stereo";
            auto mode = std::make_unique<QuilParamStereoMod> (name, data.depth[d][input][0], data.depth[d][input][1]);
            data.stereoMode[d][input] = mode.get();
            stereoMirrors.watch (*mode);
            modeGroup.addChild (std::move (mode));
        }
    }

    addParameterGroup (std::move (groups[0]));
    addParameterGroup (std::move (groups[1]));
    addParameterGroup (std::move (groups[2]));

    data.power->setLocked (true);

    paramUndo.registerParameters (getParameters());
}
