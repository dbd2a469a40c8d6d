#include "ui/lnf/InterfaceFont.h"
#include "VortaneBinaryData.h"

namespace InterfaceFont
{
    const void* getData() noexcept { return VortaneBinaryData::robotoRegularSubset_ttf; }
    size_t getSize() noexcept { return (size_t) VortaneBinaryData::robotoRegularSubset_ttfSize; }

    juce::Typeface::Ptr createTypeface()
    {
        return juce::Typeface::createSystemTypefaceFor (getData(), getSize());
    }
}
