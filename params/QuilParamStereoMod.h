#pragma once

#include "params/QuilParam.h"

#include <atomic>

/** The stereo mode of one destination and control input: 0 "Mono" (the left depth on
    both sides), 1 "Stereo (linked)" (the right side uses the left depth negated),
    2 "Stereo (unlinked)" (each side its own depth).

    Unlinking carries the sound on: when the mode becomes unlinked (the host's top value,
    exactly 1), the right depth becomes the mirror image of the left one, so the right
    side keeps playing what linked mode made of it. Mono and linked leave both depths
    alone, and so does setting unlinked again, which would throw away a right depth set
    since.

    The host must hear of the mirrored depth, but a wrapper drops what it is told while
    it is itself setting the mode, and the mode may be set on the audio thread: setValue
    only marks the notice (an atomic flag), and tellHostOfMirror sends it later on the
    message thread with the depth's value as it is then. The controls, undo and learnt
    controllers set the mode as a gesture; there the mirror is a gesture of its own just
    before it, so the host hears of it at once and it undoes together with the mode. */
class QuilParamStereoMod : public QuilParam
{
public:
    QuilParamStereoMod (const juce::String& name, QuilParam* leftDepth, QuilParam* rightDepth);

    void setValue (float newNormalised) override;
    /** As setValue, but a locked right depth keeps its value: a preset being applied. */
    void setValueKeepingLockedDepth (float newNormalised);
    void setValueAsGesture (float newNormalised) override;

    /** Message thread: tells the host of the right depth when a mirror has moved it
        since the last call. */
    void tellHostOfMirror();
    /** Drops an untold mirror: for a restore that tells the host of every value itself. */
    void forgetMirror() noexcept { mirrorUntold.store (false); }

    juce::String getText (float normalised, int maximumLength) const override;

    /** The mode as 0 (mono), 1 (linked) or 2 (unlinked). */
    int getMode() const noexcept { return (int) getRealValue(); }

    static constexpr const char* modeNames[3] { "Mono", "Stereo (linked)", "Stereo (unlinked)" };

    QuilParam* const left;
    QuilParam* const right;

protected:
    /** Its own mode names read back to their modes; numbers as real values 0..2. */
    double valueForText (const juce::String& text) const override;

private:
    void apply (float newNormalised, bool keepLockedDepth);
    /** True when a normalised value would unlink a mode that is not unlinked yet. */
    bool unlinks (float newNormalised) const noexcept;
    /** The right depth's normalised value that mirrors the left depth. */
    float mirror() const noexcept { return 1.0f - left->getValue(); }
    bool rightIsMirror() const noexcept { return right->getValue() == mirror(); }

    std::atomic<bool> mirrorUntold { false };
};
