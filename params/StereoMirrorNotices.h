#pragma once

#include <juce_events/juce_events.h>
#include <vector>

class QuilParamStereoMod;

/** Tells the host, on the message thread, of the right depths that stereo modes have
    mirrored while the host (its controls or automation) or a preset set them (see
    QuilParamStereoMod). A timer looks at the modes' flags: the setters only raise them,
    so they stay free of allocation and locks on any thread. */
class StereoMirrorNotices : private juce::Timer
{
public:
    StereoMirrorNotices();
    ~StereoMirrorNotices() override;

    /** Set-up, before the host or the audio thread can set a mode. */
    void watch (QuilParamStereoMod& mode);

    /** Message thread: tells the host of every mirror not told yet. */
    void deliverPending();
    /** Drops every untold mirror (a restore that tells the host of every value). */
    void forgetPending() noexcept;

    static constexpr int intervalMs = 50;  // as the other hand-overs: the host hears of it a moment later

private:
    void timerCallback() override { deliverPending(); }

    std::vector<QuilParamStereoMod*> modes;

    JUCE_DECLARE_NON_COPYABLE (StereoMirrorNotices)
};
