#include "presets/PendingPresetLoads.h"

juce::uint64 PendingPresetLoads::add (std::unique_ptr<juce::XmlElement> preset)
{
    const juce::ScopedLock sl (lock);
    waiting.push_back ({ ++lastRequest, std::move (preset) });
    return lastRequest;
}

std::vector<std::unique_ptr<juce::XmlElement>> PendingPresetLoads::takeUpTo (juce::uint64 request)
{
    std::vector<std::unique_ptr<juce::XmlElement>> taken;

    const juce::ScopedLock sl (lock);
    while (! waiting.empty() && waiting.front().request <= request)
    {
        taken.push_back (std::move (waiting.front().preset));
        waiting.pop_front();
    }

    return taken;
}
