#pragma once

#include "editor/VortaneSliderLegend.h"

/** The drive slider's legend: only its first and last step names, at the two ends
    of the scale, the first left of it and the last right of it in the alternative
    colours. */
class VortaneDriveSliderLegend : public VortaneSliderLegend
{
public:
    /** As VortaneSliderLegend; the two labels fix their own sides and colours, so the
        flags are kept only for the base. Builds its two labels (building them again
        with rebuildButtons changes nothing). */
    VortaneDriveSliderLegend (QuilParamGrittle& param, bool textOnLeft, bool lastButtonAlternative);
    ~VortaneDriveSliderLegend() override;

    void rebuildButtons() override;
    void resized() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneDriveSliderLegend)
};
