#pragma once

#include <juce_events/juce_events.h>
#include <memory>

/** Owns the process-wide bank list, knows the current preset and loads presets
    by number on its pool. The processor builds and applies preset elements. */
class PresetManager : public juce::Timer,
                      public juce::ThreadPool
{
public:
    PresetManager();
    ~PresetManager() override;

    void timerCallback() override;

    virtual std::unique_ptr<juce::XmlElement> createStateXml (bool withHostState) = 0;
    virtual void restoreStateFromXml (const juce::XmlElement* preset, bool hostState) = 0;

    /** A copy of the first preset of the first bank, or null when there is none. */
    std::unique_ptr<juce::XmlElement> copyFirstPreset() const;

    /** Takes name, bank and identifier of a preset as the current preset. */
    void setCurrentPresetInfo (juce::XmlElement& preset);

    juce::String getCurrentName() const;
    juce::String getCurrentBank() const;
    juce::String getCurrentUuid() const;

    /** Queues loading preset presetNumber of the user bank (called for controller 119). */
    void loadPresetAsync (int presetNumber, int bank);

    static const juce::Identifier presetTag;
    static const juce::Identifier bankTag;

private:
    mutable juce::SpinLock currentLock;
    juce::String currentName, currentBank, currentUuid;

    JUCE_DECLARE_NON_COPYABLE (PresetManager)
};
