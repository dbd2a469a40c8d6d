#include "midi/MidiCCListener.h"

MidiCCListener::MidiCCListener()
{
    for (auto& entry : ccMap)
        entry.store (-1);
}

MidiCCListener::~MidiCCListener() = default;

void MidiCCListener::addCCListener (Listener* l)
{
    listeners.add (l);
}

void MidiCCListener::removeCCListener (Listener* l)
{
    listeners.remove (l);
}

void MidiCCListener::notifyListeners (int index)
{
    listeners.call ([index] (Listener& l)
                    { l.midiMappingChanged (index); });
}

bool MidiCCListener::isLearnable (int controllerNumber) noexcept
{
    return controllerNumber >= 1 && controllerNumber <= 117 && controllerNumber != 64;
}

int MidiCCListener::getMappedParameter (int controllerNumber) const noexcept
{
    if (controllerNumber < 0 || controllerNumber >= numControllers)
        return -1;

    return ccMap[controllerNumber].load();
}

void MidiCCListener::assignController (int controllerNumber, int parameterIndex)
{
    if (controllerNumber < 0 || controllerNumber >= numControllers)
        return;

    unassignParameter (parameterIndex);
    ccMap[controllerNumber].store (parameterIndex);
}

void MidiCCListener::unassignParameter (int parameterIndex)
{
    if (parameterIndex < 0)
        return;

    for (auto& entry : ccMap)
    {
        int expected = parameterIndex;
        entry.compare_exchange_strong (expected, -1);
    }
}

int MidiCCListener::findController (int parameterIndex) const noexcept
{
    if (parameterIndex < 0)
        return -1;

    for (int n = 0; n < numControllers; ++n)
        if (ccMap[n].load() == parameterIndex)
            return n;

    return -1;
}

void MidiCCListener::startLearning (int parameterIndex)
{
    learningIndex.store (parameterIndex);
}

bool MidiCCListener::cancelLearning (int parameterIndex)
{
    int expected = parameterIndex;
    return parameterIndex >= 0 && learningIndex.compare_exchange_strong (expected, -1);
}

int MidiCCListener::learnController (int controllerNumber)
{
    if (! isLearnable (controllerNumber))
        return -1;

    int index = learningIndex.load();
    if (index < 0 || ! learningIndex.compare_exchange_strong (index, -1))
        return -1;

    assignController (controllerNumber, index);
    notifyListeners (index);
    return index;
}
