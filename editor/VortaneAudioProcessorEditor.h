#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include "editor/VortaneMainWindow.h"
#include "ui/toolkit/PluginScaler.h"

class VortaneAudioProcessor;

/** The plug-in's window: owns the main window, laid out at 703 × 319 points and
    drawn at the chosen interface scale through a transform, and is the interface
    scaler that sizes itself to match. Paints black behind everything. */
class VortaneAudioProcessorEditor : public juce::AudioProcessorEditor,
                                    public PluginScaler
{
public:
    explicit VortaneAudioProcessorEditor (VortaneAudioProcessor& processor);
    ~VortaneAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    VortaneMainWindow& getMainWindow() noexcept { return mainWindow; }

private:
    VortaneMainWindow mainWindow;
    VortaneAudioProcessor& processor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneAudioProcessorEditor)
};
