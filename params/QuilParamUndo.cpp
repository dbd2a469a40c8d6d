#include "params/QuilParamUndo.h"
#include "params/QuilParam.h"

QuilParamUndo::QuilParamUndo (juce::UndoManager* um) : undoManager (um) {}

QuilParamUndo::~QuilParamUndo() = default;

void QuilParamUndo::registerParameters (const juce::Array<juce::AudioProcessorParameter*>& parameters)
{
    params.clear();
    startValues.clear();

    for (auto* p : parameters)
    {
        auto* qp = dynamic_cast<QuilParam*> (p);
        params.push_back (qp);
        startValues.push_back (qp != nullptr ? (float) qp->getRealValue() : 0.0f);
        p->addListener (this);
    }
}

void QuilParamUndo::parameterGestureChanged (int, bool)
{
}
