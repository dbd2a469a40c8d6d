#pragma once

#include <juce_data_structures/juce_data_structures.h>

class QuilParam;

/** One completed gesture on a parameter: undo sets the old real value back, redo
    the new one, each through a gesture so that the host hears of it. The first
    perform does nothing, because the value is already in place when the action
    is recorded. */
class QuilParamUndoAction : public juce::UndoableAction
{
public:
    QuilParamUndoAction (QuilParam* param, float oldValue, float newValue);

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return 10; }

private:
    QuilParam* param;
    float oldValue, newValue;
    bool skipFirstPerform = true;

    JUCE_DECLARE_NON_COPYABLE (QuilParamUndoAction)
};
