#include "midi/MidiCCListener.h"

MidiCCListener::MidiCCListener()
{
    for (auto& entry : ccMap)
        entry.store (-1);
}

MidiCCListener::~MidiCCListener() = default;

void MidiCCListener::addCCListener (Listener* l)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.addIfNotAlreadyThere (l);
}

void MidiCCListener::removeCCListener (Listener* l)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.removeAllInstancesOf (l);
}

void MidiCCListener::notifyListeners (int index)
{
    const juce::ScopedLock sl (listenerLock);
    for (auto* l : listeners)
        if (l != nullptr)
            l->midiMappingChanged (index);
}
