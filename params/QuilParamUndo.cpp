#include "params/QuilParamUndo.h"
#include "params/QuilParam.h"
#include "params/QuilParamUndoAction.h"

namespace
{
    juce::int64 systemMilliseconds() { return juce::Time::currentTimeMillis(); }
}

QuilParamUndo::QuilParamUndo (juce::UndoManager* um) : undoManager (um), clock (systemMilliseconds)
{
    startTimer (pendingIntervalMs);
}

QuilParamUndo::~QuilParamUndo()
{
    stopTimer();

    for (auto* p : registered)
        p->removeListener (this);
}

void QuilParamUndo::registerParameters (const juce::Array<juce::AudioProcessorParameter*>& parameters)
{
    for (auto* p : registered)
        p->removeListener (this);

    registered.clear();
    params.clear();
    startValues = std::make_unique<std::atomic<float>[]> ((size_t) parameters.size());

    for (int i = 0; i < parameters.size(); ++i)
    {
        auto* p = parameters.getUnchecked (i);
        auto* qp = dynamic_cast<QuilParam*> (p);
        registered.push_back (p);
        params.push_back (qp);
        startValues[(size_t) i].store (qp != nullptr ? (float) qp->getRealValue() : 0.0f);
        p->addListener (this);
    }
}

bool QuilParamUndo::ownsHistoryHere()
{
    // The message thread, or a thread that holds the message-manager lock.
    return juce::MessageManager::existsAndIsLockedByCurrentThread();
}

void QuilParamUndo::parameterGestureChanged (int index, bool starting)
{
    if (index < 0 || (size_t) index >= params.size() || params[(size_t) index] == nullptr)
        return;

    const bool here = ownsHistoryHere();

    // Undo and redo set values through gestures of their own.
    if (here && undoManager->isPerformingUndoRedo())
        return;

    auto* param = params[(size_t) index];
    auto& start = startValues[(size_t) index];

    if (starting)
    {
        start.store ((float) param->getRealValue());
        return;
    }

    const Step step { index, start.load(), (float) param->getRealValue(), clock(), false };

    if (here)
    {
        recordPending();
        record (step);
    }
    else
    {
        pending.push (step);  // a full queue loses the step, never blocks
    }
}

void QuilParamUndo::clearUndoHistory()
{
    if (ownsHistoryHere())
    {
        recordPending();
        undoManager->clearUndoHistory();
        return;
    }

    Step clear;
    clear.clearsHistory = true;
    if (! pending.push (clear))
        clearRequested.store (true);
}

void QuilParamUndo::recordPending()
{
    Step step;
    while (pending.pop (step))
        record (step);

    if (clearRequested.exchange (false))
        undoManager->clearUndoHistory();
}

void QuilParamUndo::record (const Step& step)
{
    if (step.clearsHistory)
    {
        undoManager->clearUndoHistory();
        return;
    }

    if ((double) (step.time - lastTransactionTime) * 0.001 > mergeWindowSeconds)
    {
        lastTransactionTime = step.time;
        undoManager->beginNewTransaction ("changeParam");
    }

    undoManager->perform (new QuilParamUndoAction (params[(size_t) step.index], step.oldValue, step.newValue));
}

void QuilParamUndo::timerCallback()
{
    recordPending();
}
