#include "editor/UIContainer.h"
#include "core/ProcessorData.h"
#include "editor/VortaneResources.h"
#include "params/QuilParamFilterTypeSVF3.h"
#include "params/QuilParamFrequencyHz.h"
#include "params/QuilParamGrittleAmp12.h"
#include "params/QuilParamGrittlePercent.h"
#include "params/QuilParamNamedSelector.h"
#include "params/QuilParamPercentUnbounded.h"

namespace
{
    // The read-outs of a destination's modulated values (left, right).
    const std::atomic<double>* modulated (ProcessorData& data, ModDestination d, int side)
    {
        return &data.displayValues[2 * d + side];
    }

    // Bounds of the sliders in the panel, in points; their legends, captions and
    // modulation buttons stand against them.
    const juce::Rectangle<int> inSliderBounds { 57, 78, 36, 158 };
    const juce::Rectangle<int> outSliderBounds { 611, 78, 36, 158 };
    const juce::Rectangle<int> driveSliderBounds { 276, 215, 150, 70 };

    constexpr float levelLegendSpan = 92.0f;

    // The small knobs' corner is their centre less (61.5, 62.5), truncated.
    juce::Rectangle<int> smallKnobBounds (juce::Point<int> centre)
    {
        return { (int) ((float) centre.x - 61.5f), (int) ((float) centre.y - 62.5f), 126, 126 };
    }

    juce::Point<int> integerCentre (juce::Rectangle<int> r)
    {
        return { r.getX() + r.getWidth() / 2, r.getY() + r.getHeight() / 2 };
    }

    /** A modulation button's 16 × 16 place: dx from its control's centre, dy from its bottom. */
    juce::Rectangle<int> modulationButtonBounds (juce::Rectangle<int> control, int dx, int dy)
    {
        return { integerCentre (control).x + dx, control.getBottom() + dy, 16, 16 };
    }
}

UIContainer::UIContainer (ProcessorData& data, bool& rotaryKnobs)
    : background (VortaneResources::getControlPanelPicture()),
      inputMeter (&data.inputLevel[0], &data.inputLevel[1], &data.inputClip[0], &data.inputClip[1]),
      outputMeter (&data.outputLevel[0], &data.outputLevel[1], &data.outputClip[0], &data.outputClip[1]),
      inSlider (*data.in, modulated (data, destIn, 0), modulated (data, destIn, 1)),
      inLegend (*data.in, true, false),
      inModulation ("IN", ModulationButton::sourcesOf (data, destIn), data.modulationStyle),
      outSlider (*data.out, modulated (data, destOut, 0), modulated (data, destOut, 1)),
      outLegend (*data.out, false, false),
      outModulation ("Output", ModulationButton::sourcesOf (data, destOut), data.modulationStyle),
      cutoffKnob (*data.cutoff, modulated (data, destCutoff, 0), modulated (data, destCutoff, 1), &rotaryKnobs,
                  41, false, false, 0, true, true),
      cutoffLegend (*data.cutoff, { "20", "0.6k", "20k" }),
      cutoffGraph (data.cutoff, data.resonance, data.type),
      cutoffModulation ("Cutoff", ModulationButton::sourcesOf (data, destCutoff), data.modulationStyle),
      driveSlider (*data.drive, modulated (data, destDrive, 0), modulated (data, destDrive, 1)),
      driveLegend (*data.drive, false, true),
      driveModulation ("Drive", ModulationButton::sourcesOf (data, destDrive), data.modulationStyle),
      hotButton (*data.driveMode, true),
      coldButton (*data.driveMode, false),
      resonanceKnob (*data.resonance, modulated (data, destResonance, 0), modulated (data, destResonance, 1),
                     &rotaryKnobs, 45, true, true, 5, false, false),
      resonanceModulation ("Resonance", ModulationButton::sourcesOf (data, destResonance), data.modulationStyle),
      resonanceLegend (*data.resonance, { "0", "", "", "", "", "", "", "", "", "", "10", "11" }),
      typeKnob (*data.type, modulated (data, destType, 0), modulated (data, destType, 1), &rotaryKnobs,
                43, true, true, 0, true, false),
      typeGraph (nullptr, nullptr, data.type),
      typeModulation ("Type", ModulationButton::sourcesOf (data, destType), data.modulationStyle),
      typeLegend (*data.type, { "LP", "BP", "HP" })
{
    // Stacking order, lowest first: each radial legend lies above its knob, and the
    // type knob's small graph and the modulation buttons above everything else.
    for (auto* child : std::initializer_list<juce::Component*> {
             &background, &inputMeter, &outputMeter,
             &inSlider, &outSlider, &outLegend, &inLegend,
             &cutoffGraph, &cutoffKnob, &cutoffLegend,
             &driveSlider, &driveLegend, &driveLabel, &cutoffLabel,
             &resonanceKnob, &resonanceLabel, &resonanceLegend,
             &typeKnob, &typeLabel, &typeLegend,
             &inLabel, &outLabel,
             &typeGraph,
             &resonanceModulation, &cutoffModulation, &inModulation, &outModulation,
             &typeModulation, &driveModulation,
             &hotButton, &coldButton })
        addAndMakeVisible (child);

    setPaintingIsUnclipped (true);
}

UIContainer::~UIContainer() = default;

VortaneKnob& UIContainer::getKnob (int destination) noexcept
{
    return destination == destResonance ? resonanceKnob : destination == destType ? typeKnob
                                                                                  : cutoffKnob;
}

RadialKnobLegend& UIContainer::getKnobLegend (int destination) noexcept
{
    return destination == destResonance ? resonanceLegend : destination == destType ? typeLegend
                                                                                    : cutoffLegend;
}

ModulationButton& UIContainer::getModulationButton (int destination) noexcept
{
    switch (destination)
    {
        case destIn: return inModulation;
        case destCutoff: return cutoffModulation;
        case destResonance: return resonanceModulation;
        case destType: return typeModulation;
        case destDrive: return driveModulation;
        default: return outModulation;
    }
}

void UIContainer::resized()
{
    background.setBounds (0, 0, getWidth(), getHeight());

    // The cutoff knob is centred through its transform, should it have one.
    cutoffKnob.setSize (164, 164);
    cutoffKnob.setCentrePosition (cutoffCentre);
    cutoffLegend.setBounds (cutoffKnob.getBounds().expanded (7));

    resonanceKnob.setBounds (smallKnobBounds (resonanceCentre));
    resonanceLegend.setBounds (resonanceKnob.getBounds().reduced (3));
    typeKnob.setBounds (smallKnobBounds (typeCentre));
    typeLegend.setBounds (typeKnob.getBounds().reduced (3));

    inSlider.setBounds (inSliderBounds);
    inputMeter.setBounds (7, 113, 22, 90);
    inLegend.setSpan (levelLegendSpan);
    inLegend.setBounds (inSliderBounds.getX() - 17, inSliderBounds.getY() + 5, 21, 112);

    outSlider.setBounds (outSliderBounds);
    outputMeter.setBounds (getWidth() - 25, 113, 22, 90);
    outLegend.setSpan (levelLegendSpan);
    outLegend.setBounds (outSliderBounds.getRight() - 4, outSliderBounds.getY() + 5, 21, 112);

    driveSlider.setBounds (driveSliderBounds);
    driveLabel.setBounds (326, 290, 50, 20);
    driveLegend.setBounds (234, 244, 234, 10);

    const auto driveCentre = integerCentre (driveSliderBounds);
    hotButton.setBounds (driveCentre.x + 36, driveCentre.y + 32, 20, 20);
    coldButton.setBounds (driveCentre.x - 55, driveCentre.y + 32, 20, 20);

    cutoffGraph.setBounds ((int) (cutoffCentre.x - 32.0f), (int) (cutoffCentre.y - 32.0f), 64, 64);
    typeGraph.setBounds (187, 140, 34, 34);

    inLabel.setBounds (inSliderBounds.getX(), inSliderBounds.getBottom() - 12, inSliderBounds.getWidth(), 30);
    outLabel.setBounds (outSliderBounds.getX(), outSliderBounds.getBottom() - 12, outSliderBounds.getWidth(), 30);
    const auto below = [] (juce::Component& knob, int dy)
    {
        return juce::Rectangle<int> (knob.getX(), knob.getBottom() + dy, knob.getWidth(), 30);
    };
    cutoffLabel.setBounds (below (cutoffKnob, -4));
    resonanceLabel.setBounds (below (resonanceKnob, -14));
    typeLabel.setBounds (below (typeKnob, -14));

    cutoffModulation.setBounds (modulationButtonBounds (cutoffKnob.getBounds(), -8, -25));
    resonanceModulation.setBounds (modulationButtonBounds (resonanceKnob.getBounds(), -9, -28));
    typeModulation.setBounds (modulationButtonBounds (typeKnob.getBounds(), -8, -28));
    driveModulation.setBounds (modulationButtonBounds (driveSliderBounds, -8, -18));
    outModulation.setBounds (modulationButtonBounds (outSliderBounds, -9, -25));
    inModulation.setBounds (modulationButtonBounds (inSliderBounds, -9, -25));

    // Each pop-up's corner from its button's; the window then moves it the least into view.
    cutoffModulation.setPopupPoint (juce::Point<int> (-130, 12));
    resonanceModulation.setPopupPoint (juce::Point<int> (122, 12));
    typeModulation.setPopupPoint (juce::Point<int> (-102, 12));
    driveModulation.setPopupPoint (juce::Point<int> (-152, 0));
    outModulation.setPopupPoint (juce::Point<int> (-70, -20));
    inModulation.setPopupPoint (juce::Point<int> (87, -20));
}
