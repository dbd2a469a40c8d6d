#include "presets/PresetManager.h"

const juce::Identifier PresetManager::presetTag ("Quillmere_Preset");
const juce::Identifier PresetManager::bankTag ("Quillmere_Bank");

PresetManager::PresetManager()
    : juce::ThreadPool (juce::SystemStats::getNumCpus())
{
}

PresetManager::~PresetManager()
{
    stopTimer();
    removeAllJobs (true, 3000);
}

void PresetManager::timerCallback()
{
    stopTimer();
}

std::unique_ptr<juce::XmlElement> PresetManager::copyFirstPreset() const
{
    return {};
}

void PresetManager::setCurrentPresetInfo (juce::XmlElement& preset)
{
    auto name = preset.getStringAttribute ("name");
    auto bank = preset.getStringAttribute ("bank");

    if (bank.isEmpty())
    {
        bank = preset.getStringAttribute ("category");
        if (bank.isNotEmpty())
        {
            preset.removeAttribute ("category");
            preset.setAttribute ("bank", bank);
        }
    }

    auto uuid = preset.getStringAttribute ("uuid");

    const juce::SpinLock::ScopedLockType sl (currentLock);
    currentName = name;
    currentBank = bank;
    currentUuid = uuid;
}

juce::String PresetManager::getCurrentName() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return currentName;
}

juce::String PresetManager::getCurrentBank() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return currentBank;
}

juce::String PresetManager::getCurrentUuid() const
{
    const juce::SpinLock::ScopedLockType sl (currentLock);
    return currentUuid;
}

void PresetManager::loadPresetAsync (int, int)
{
}
