#include "params/QuilParamUndoAction.h"
#include "params/QuilParam.h"

QuilParamUndoAction::QuilParamUndoAction (QuilParam* p, float oldV, float newV)
    : param (p), oldValue (oldV), newValue (newV)
{
}

bool QuilParamUndoAction::perform()
{
    if (skipFirstPerform)
        skipFirstPerform = false;
    else if (param != nullptr)
        param->setRealValueAsGesture (newValue);

    return true;
}

bool QuilParamUndoAction::undo()
{
    if (param != nullptr)
        param->setRealValueAsGesture (oldValue);

    return true;
}
