#include "ui/lnf/IconSet.h"
#include "VortaneBinaryData.h"

namespace IconSet
{
    namespace
    {
        struct Block
        {
            const char* data;
            int size;
        };

        Block getBlock (int index) noexcept
        {
            using namespace VortaneBinaryData;

            switch (index)
            {
                case 0: return { iconFolder_path, iconFolder_pathSize };
                case 1: return { iconPlus_path, iconPlus_pathSize };
                case 2: return { iconSave_path, iconSave_pathSize };
                case 3: return { iconPrevious_path, iconPrevious_pathSize };
                case 4: return { iconNext_path, iconNext_pathSize };
                case 5: return { iconLinked_path, iconLinked_pathSize };
                case 6: return { iconUnlinked_path, iconUnlinked_pathSize };
                case 7: return { iconLock_path, iconLock_pathSize };
                default: return { nullptr, 0 };
            }
        }
    }

    const void* getData (int index) noexcept { return getBlock (index).data; }
    size_t getSize (int index) noexcept { return (size_t) getBlock (index).size; }

    juce::Path loadIcon (int index)
    {
        juce::Path path;
        const auto block = getBlock (index);

        if (block.data != nullptr)
            path.loadPathFromData (block.data, (size_t) block.size);

        return path;
    }
}
