#pragma once

#include "params/QuilParam.h"

/** The stereo mode of one destination and control input: 0 "Mono" (the left depth on
    both sides), 1 "Stereo (linked)" (the right side uses the left depth negated),
    2 "Stereo (unlinked)" (each side its own depth). */
class QuilParamStereoMod : public QuilParam
{
public:
    QuilParamStereoMod (const juce::String& name, QuilParam* leftDepth, QuilParam* rightDepth);

    /** Setting the host's top value (unlinked) starts the right depth as the mirror of
        the left, so that the right side carries on from what linked mode made of it. */
    void setValue (float newNormalised) override;

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
