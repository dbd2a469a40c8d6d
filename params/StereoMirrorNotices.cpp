#include "params/StereoMirrorNotices.h"
#include "params/QuilParamStereoMod.h"

StereoMirrorNotices::StereoMirrorNotices()
{
    startTimer (intervalMs);
}

StereoMirrorNotices::~StereoMirrorNotices()
{
    stopTimer();
}

void StereoMirrorNotices::watch (QuilParamStereoMod& mode)
{
    modes.push_back (&mode);
}

void StereoMirrorNotices::deliverPending()
{
    for (auto* mode : modes)
        mode->tellHostOfMirror();
}

void StereoMirrorNotices::forgetPending() noexcept
{
    for (auto* mode : modes)
        mode->forgetMirror();
}
