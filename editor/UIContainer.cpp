#include "editor/UIContainer.h"
#include "core/ProcessorData.h"
#include "editor/VortaneResources.h"

namespace
{
    // Bounds of the controls in the panel, in points.
    const juce::Rectangle<int> inSliderBounds  { 57, 78, 36, 158 };
    const juce::Rectangle<int> outSliderBounds { 611, 78, 36, 158 };
    const juce::Rectangle<int> driveSliderBounds { 276, 215, 150, 70 };

    juce::Rectangle<int> knobBounds (juce::Point<int> centre, int size)
    {
        return juce::Rectangle<int> (size, size).withCentre (centre);
    }

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

UIContainer::UIContainer (ProcessorData& data, bool& /*rotaryKnobs*/)
    : background (VortaneResources::getControlPanelPicture()),
      inModulation ("IN", ModulationButton::sourcesOf (data, destIn), data.modulationStyle),
      outModulation ("Output", ModulationButton::sourcesOf (data, destOut), data.modulationStyle),
      cutoffModulation ("Cutoff", ModulationButton::sourcesOf (data, destCutoff), data.modulationStyle),
      driveModulation ("Drive", ModulationButton::sourcesOf (data, destDrive), data.modulationStyle),
      resonanceModulation ("Resonance", ModulationButton::sourcesOf (data, destResonance), data.modulationStyle),
      typeModulation ("Type", ModulationButton::sourcesOf (data, destType), data.modulationStyle)
{
    // Stacking order, lowest first: each radial legend lies above its knob, and the
    // type knob's small graph and the modulation buttons above everything else.
    for (auto* child : std::initializer_list<juce::Component*> {
             &background,
             &driveLabel, &cutoffLabel, &resonanceLabel, &typeLabel, &inLabel, &outLabel,
             &resonanceModulation, &cutoffModulation, &inModulation, &outModulation,
             &typeModulation, &driveModulation })
        addAndMakeVisible (child);

    setPaintingIsUnclipped (true);
}

UIContainer::~UIContainer() = default;

ModulationButton& UIContainer::getModulationButton (int destination) noexcept
{
    switch (destination)
    {
        case destIn:        return inModulation;
        case destCutoff:    return cutoffModulation;
        case destResonance: return resonanceModulation;
        case destType:      return typeModulation;
        case destDrive:     return driveModulation;
        default:            return outModulation;
    }
}

void UIContainer::resized()
{
    background.setBounds (0, 0, getWidth(), getHeight());

    const auto cutoffKnob = knobBounds (cutoffCentre, 164);
    const auto resonanceKnob = smallKnobBounds (resonanceCentre);
    const auto typeKnob = smallKnobBounds (typeCentre);

    driveLabel.setBounds (326, 290, 50, 20);
    inLabel.setBounds (inSliderBounds.getX(), inSliderBounds.getBottom() - 12, inSliderBounds.getWidth(), 30);
    outLabel.setBounds (outSliderBounds.getX(), outSliderBounds.getBottom() - 12, outSliderBounds.getWidth(), 30);
    cutoffLabel.setBounds (cutoffKnob.getX(), cutoffKnob.getBottom() - 4, cutoffKnob.getWidth(), 30);
    resonanceLabel.setBounds (resonanceKnob.getX(), resonanceKnob.getBottom() - 14, resonanceKnob.getWidth(), 30);
    typeLabel.setBounds (typeKnob.getX(), typeKnob.getBottom() - 14, typeKnob.getWidth(), 30);

    cutoffModulation.setBounds (modulationButtonBounds (cutoffKnob, -8, -25));
    resonanceModulation.setBounds (modulationButtonBounds (resonanceKnob, -9, -28));
    typeModulation.setBounds (modulationButtonBounds (typeKnob, -8, -28));
    driveModulation.setBounds (modulationButtonBounds (driveSliderBounds, -8, -18));
    outModulation.setBounds (modulationButtonBounds (outSliderBounds, -9, -25));
    inModulation.setBounds (modulationButtonBounds (inSliderBounds, -9, -25));
}
