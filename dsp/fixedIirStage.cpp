#include "dsp/fixedIirStage.h"

fixedIirStage::fixedIirStage() noexcept
{
    for (int i = 0; i < numSections; ++i)
    {
        coefficients[i][0] = Double2 (sections[i].b1);
        coefficients[i][1] = Double2 (sections[i].b2);
        coefficients[i][2] = Double2 (sections[i].c1);
        coefficients[i][3] = Double2 (sections[i].c2);
    }
}
