#pragma once

#include "params/QuilParam.h"

/** The stereo mode of one destination and control input: 0 "Mono" (the left depth on
    both sides), 1 "Stereo (linked)" (the right side uses the left depth negated),
    2 "Stereo (unlinked)" (each side its own depth).

    Setting the mode never touches the depths: hosts, presets, undo and automation set
    each parameter on its own, and a depth changed behind the host's back would leave
    the host with a value the plug-in no longer has. */
class QuilParamStereoMod : public QuilParam
{
public:
    QuilParamStereoMod (const juce::String& name, QuilParam* leftDepth, QuilParam* rightDepth);

    juce::String getText (float normalised, int maximumLength) const override;

    /** The mode as 0 (mono), 1 (linked) or 2 (unlinked). */
    int getMode() const noexcept { return (int) getRealValue(); }

    static constexpr const char* modeNames[3] { "Mono", "Stereo (linked)", "Stereo (unlinked)" };

    QuilParam* const left;
    QuilParam* const right;

protected:
    /** Its own mode names read back to their modes; numbers as real values 0..2. */
    double valueForText (const juce::String& text) const override;
};
