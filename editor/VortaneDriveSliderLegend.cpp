#include "editor/VortaneDriveSliderLegend.h"
#include "params/QuilParamGrittle.h"

VortaneDriveSliderLegend::VortaneDriveSliderLegend (QuilParamGrittle& parameter, bool onLeft, bool lastAlternative)
    : VortaneSliderLegend (parameter, onLeft, lastAlternative)
{
    // The base constructor built one label per step name; this legend has only two.
    VortaneDriveSliderLegend::rebuildButtons();
}

VortaneDriveSliderLegend::~VortaneDriveSliderLegend() = default;

void VortaneDriveSliderLegend::rebuildButtons()
{
    removeAllChildren();
    buttons.clear();

    const int n = param.gNames.size();
    if (n < 2)
        return;

    addButton (param.gNames[0], true, false, param.getRangeStart());
    addButton (param.gNames[n - 1], false, true, param.getRangeEnd());
    resized();
}

void VortaneDriveSliderLegend::resized()
{
    if (buttons.size() < 2 || getHeight() < 1)
        return;

    buttons[0]->setBounds (0, 0, 30, getHeight());
    buttons[1]->setBounds (getWidth() - 30, 0, 30, getHeight());
}
