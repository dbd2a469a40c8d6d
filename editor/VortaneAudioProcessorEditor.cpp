#include "editor/VortaneAudioProcessorEditor.h"
#include "core/VortaneAudioProcessor.h"

VortaneAudioProcessorEditor::VortaneAudioProcessorEditor (VortaneAudioProcessor& p)
    : juce::AudioProcessorEditor (p),
      PluginScaler (p, *this),
      mainWindow (&p, this),
      processor (p)
{
    addKeyListener (this);
    setWantsKeyboardFocus (true);
    addAndMakeVisible (mainWindow);

    setTransformTarget (mainWindow);
    initialiseScale();
}

VortaneAudioProcessorEditor::~VortaneAudioProcessorEditor()
{
    stopTimer();
    removeKeyListener (this);
}

void VortaneAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
}

void VortaneAudioProcessorEditor::resized()
{
    if (getHeight() <= 0)
        return;

    // Always the base size: the scale lives in the main window's transform.
    mainWindow.setBounds (0, 0, baseWidth, baseHeight);
    mainWindow.resized();

    resizeTargetResized();
}

// The processor's editor factory lives with the editor, so that the processor's own
// folder includes nothing of the interface.
juce::AudioProcessorEditor* VortaneAudioProcessor::createEditor()
{
    return new VortaneAudioProcessorEditor (*this);
}
