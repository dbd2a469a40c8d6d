#include "core/VortaneAudioProcessor.h"
#include "core/ParameterList.h"
#include "core/StateBlock.h"
#include "core/StateNumbers.h"
#include "params/QuilParam.h"
#include "params/QuilParamStereoMod.h"

namespace
{
    const juce::Identifier nameAttribute ("name");
    const juce::Identifier bankAttribute ("bank");
    const juce::Identifier categoryAttribute ("category");
    const juce::Identifier uuidAttribute ("uuid");
    const juce::Identifier parametersAttribute ("Parameters");
    const juce::Identifier locksAttribute ("Locks");

    constexpr int versionCode = 0x010101;

    juce::String controllerAttribute (int controllerNumber)
    {
        return "CC" + juce::String (controllerNumber);
    }
}

std::unique_ptr<juce::XmlElement> VortaneAudioProcessor::createStateXml (bool withHostState)
{
    // One read of the current preset, so that a preset loaded meanwhile can never
    // mix its name with another preset's bank or identifier.
    const auto current = getCurrentPreset();

    auto xml = std::make_unique<juce::XmlElement> (PresetManager::presetTag);
    xml->setAttribute (nameAttribute, current.name);
    xml->setAttribute (bankAttribute, current.bank);
    xml->setAttribute ("device", "Vortane");
    xml->setAttribute ("version", juce::String (versionCode));
    xml->setAttribute (uuidAttribute, withHostState ? current.uuid : juce::Uuid().toDashedString());

    juce::String values, locks;
    for (auto* p : getParameters())
        if (auto* withId = dynamic_cast<juce::AudioProcessorParameterWithID*> (p))
        {
            ParameterList::append (values, withId->paramID, juce::String (p->getValue()));

            if (auto* qp = dynamic_cast<QuilParam*> (p))
                ParameterList::append (locks, withId->paramID, qp->isLocked() ? "1" : "0");
        }

    xml->setAttribute (parametersAttribute, values);

    if (withHostState)
    {
        // The lock flags travel with the host's project, in the form the reader takes.
        xml->setAttribute (locksAttribute, locks);

        for (int n = MidiCCListener::numControllers; --n >= 0;)
        {
            const int index = ccMap[n].load();
            if (index >= 0)
                xml->setAttribute (controllerAttribute (n), index);
        }
    }

    return xml;
}

void VortaneAudioProcessor::restoreStateFromXml (const juce::XmlElement* preset, bool hostState)
{
    if (preset == nullptr || ! preset->hasTagName (PresetManager::presetTag))
        return;

    const auto& parameters = getParameters();

    if (hostState)
    {
        const ParameterList locks (preset->getStringAttribute (locksAttribute));

        if (! locks.isEmpty())
            for (auto* p : parameters)
                if (auto* qp = dynamic_cast<QuilParam*> (p))
                {
                    const int item = locks.indexOf (qp->paramID);
                    if (item >= 0)
                        qp->setLocked (StateNumbers::readLockFlag (locks.values[item]));
                    else
                        qp->callLockListeners();
                }
    }

    const ParameterList values (preset->getStringAttribute (parametersAttribute));

    if (! values.isEmpty())
    {
        // The host's values from before the restore: a stereo mode that unlinks mirrors
        // its right depth before the depth's own item comes (modes precede depths).
        juce::Array<float> before;
        if (hostState)
            for (auto* p : parameters)
                before.add (p->getValue());

        for (int i = 0; i < parameters.size(); ++i)
            if (auto* qp = dynamic_cast<QuilParam*> (parameters.getUnchecked (i)))
            {
                if (qp->isLocked() && ! hostState)
                    continue;

                const float fallback = qp->getDefaultValue();
                const int item = values.indexOf (qp->paramID);
                const float value = item >= 0 ? StateNumbers::readNormalised (values.values[item], fallback) : fallback;

                // A preset leaves a locked right depth alone, the mirror included.
                if (auto* mode = dynamic_cast<QuilParamStereoMod*> (qp); mode != nullptr && ! hostState)
                    mode->setValueKeepingLockedDepth (value);
                else
                    qp->setValue (value);

                // Hosts that only learn values through change messages (the LV2
                // wrapper) would otherwise keep showing the values from before the
                // restore; the VST3 wrapper ignores these while it sets the state.
                if (hostState && qp->getValue() != before.getUnchecked (i))
                    qp->sendValueChangedMessageToListeners (qp->getValue());
            }

        // The host state sets every depth after the modes and has told the host of
        // each change: a mirror's later notice would only repeat it.
        if (hostState)
            stereoMirrors.forgetPending();
    }

    if (hostState)
    {
        // Each "CC" value is kept as its leading integer, even one that names no
        // parameter: such a controller does nothing when it arrives, and the next
        // save writes it back as it came. Negative values mean unmapped.
        for (int n = MidiCCListener::numControllers; --n >= 0;)
        {
            const auto attribute = controllerAttribute (n);
            ccMap[n].store (preset->hasAttribute (attribute)
                                ? juce::jmax (-1, StateNumbers::readLeadingInt (preset->getStringAttribute (attribute)))
                                : -1);
        }

        notifyListeners (learningIndex.load());
    }

    // The preset manager may rewrite the old "category" into "bank": hand it a
    // small copy rather than the caller's element.
    juce::XmlElement info (preset->getTagName());
    for (const auto& id : { nameAttribute, bankAttribute, categoryAttribute, uuidAttribute })
        if (preset->hasAttribute (id.toString()))
            info.setAttribute (id, preset->getStringAttribute (id));
    setCurrentPresetInfo (info);

    if (hostState)
        paramUndo.clearUndoHistory();

    updateHostDisplay();
}

void VortaneAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    if (auto xml = createStateXml (true))
        StateBlock::write (*xml, destData);
}

void VortaneAudioProcessor::setStateInformation (const void* blob, int sizeInBytes)
{
    auto xml = StateBlock::read (blob, sizeInBytes);
    restoreStateFromXml (xml.get(), true);
}
