#pragma once

#include <juce_core/juce_core.h>

/** Names of the elements and attributes of presets, banks and bank files. */
namespace PresetIds
{
    inline const juce::Identifier name { "name" };
    inline const juce::Identifier bank { "bank" };
    inline const juce::Identifier uuid { "uuid" };
    inline const juce::Identifier version { "version" };
    inline const juce::Identifier device { "device" };
    inline const juce::Identifier author { "author" };
    inline const juce::Identifier description { "description" };
    inline const juce::Identifier category { "category" };
    inline const juce::Identifier presetTag { "Quillmere_Preset" };
    inline const juce::Identifier bankTag { "Quillmere_Bank" };
    inline const juce::Identifier isBankCollection { "IsBankCollection" };
    inline const juce::Identifier userBankIndex { "userBankIndex" };

    /** The product name that a bank's "device" must carry. */
    inline const juce::String productName { "Vortane" };

    /** Version 1.1.1 as (major << 16) | (minor << 8) | patch. */
    constexpr int versionCode = (1 << 16) | (1 << 8) | 1;
}
