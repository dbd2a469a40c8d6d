#include "core/VortaneAudioProcessor.h"
#include "params/QuilParam.h"

std::unique_ptr<juce::XmlElement> VortaneAudioProcessor::createStateXml (bool withHostState)
{
    auto xml = std::make_unique<juce::XmlElement> (PresetManager::presetTag);
    xml->setAttribute ("name", getCurrentName());
    xml->setAttribute ("bank", getCurrentBank());
    xml->setAttribute ("device", "Vortane");
    xml->setAttribute ("version", juce::String (0x010101));
    xml->setAttribute ("uuid", withHostState ? getCurrentUuid() : juce::Uuid().toDashedString());

    juce::String list;
    for (auto* p : getParameters())
        if (auto* withId = dynamic_cast<juce::AudioProcessorParameterWithID*> (p))
            list << withId->paramID << ":" << juce::String (p->getValue()) << ",";

    xml->setAttribute ("Parameters", list);
    return xml;
}

void VortaneAudioProcessor::restoreStateFromXml (const juce::XmlElement* preset, bool)
{
    if (preset == nullptr || ! preset->hasTagName (PresetManager::presetTag))
        return;
}

void VortaneAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    if (auto xml = createStateXml (true))
        copyXmlToBinary (*xml, destData);
}

void VortaneAudioProcessor::setStateInformation (const void* blob, int sizeInBytes)
{
    auto xml = getXmlFromBinary (blob, sizeInBytes);
    restoreStateFromXml (xml.get(), true);
}
