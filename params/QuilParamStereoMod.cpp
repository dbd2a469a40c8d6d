#include "params/QuilParamStereoMod.h"
#include "params/ParamValueFormat.h"

#include <iterator>

QuilParamStereoMod::QuilParamStereoMod (const juce::String& paramName, QuilParam* l, QuilParam* r)
    : QuilParam (paramName, paramName, paramName, 0.0), left (l), right (r)
{
    setRange (0.0, 2.0);
    setDefaultRealValue (0.0, true);
    setNumSteps (3);
    setMeta (true);
}

bool QuilParamStereoMod::unlinks (float n) const noexcept
{
    return n == 1.0f && getMode() != 2 && left != nullptr && right != nullptr;
}

void QuilParamStereoMod::setValue (float n)
{
    apply (n, false);
}

void QuilParamStereoMod::setValueKeepingLockedDepth (float n)
{
    apply (n, true);
}

void QuilParamStereoMod::apply (float n, bool keepLockedDepth)
{
    const bool unlinking = unlinks (n);
    QuilParam::setValue (n);

    if (unlinking && ! (keepLockedDepth && right->isLocked()) && ! rightIsMirror())
    {
        right->setValue (mirror());
        mirrorUntold.store (true, std::memory_order_release);
    }
}

void QuilParamStereoMod::setValueAsGesture (float n)
{
    // The mirror goes first, as a gesture of its own: the host hears of it at once, and
    // the undo history records it in the same transaction as the mode.
    if (unlinks (n) && ! rightIsMirror())
        right->setValueAsGesture (mirror());

    QuilParam::setValueAsGesture (n);
}

void QuilParamStereoMod::tellHostOfMirror()
{
    // The value as it is now: a depth stored or dragged since the mirror wins.
    if (mirrorUntold.exchange (false, std::memory_order_acquire) && right != nullptr)
        right->sendValueChangedMessageToListeners (right->getValue());
}

juce::String QuilParamStereoMod::getText (float n, int) const
{
    const auto mode = truncateToIndex ((double) toReal (n));
    return mode == 1 ? modeNames[1]
        : mode == 2  ? modeNames[2]
                     : modeNames[0];
}

double QuilParamStereoMod::valueForText (const juce::String& text) const
{
    for (int mode = 0; mode < (int) std::size (modeNames); ++mode)
        if (isOwnText (text, modeNames[mode]))
            return (double) toNormalised ((double) mode);

    return QuilParam::valueForText (text);
}
