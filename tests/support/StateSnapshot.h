#pragma once

#include "core/VortaneAudioProcessor.h"
#include "params/QuilParam.h"

#include <tuple>
#include <vector>

/** Everything a saved state carries, read from a processor for comparison. */
struct StateSnapshot
{
    std::vector<float> values;
    std::vector<bool> locks;
    std::vector<int> controllers;

    static StateSnapshot of (VortaneAudioProcessor& p)
    {
        StateSnapshot s;
        for (auto* param : p.getParameters())
        {
            s.values.push_back (param->getValue());
            s.locks.push_back (dynamic_cast<QuilParam*> (param) != nullptr && dynamic_cast<QuilParam*> (param)->isLocked());
        }
        for (auto& entry : p.ccMap)
            s.controllers.push_back (entry.load());
        return s;
    }

    bool operator== (const StateSnapshot& o) const { return std::tie (values, locks, controllers) == std::tie (o.values, o.locks, o.controllers); }
};

inline juce::MemoryBlock saveState (VortaneAudioProcessor& p) { juce::MemoryBlock block; p.getStateInformation (block); return block; }
inline void loadState (VortaneAudioProcessor& p, const juce::MemoryBlock& block) { p.setStateInformation (block.getData(), (int) block.getSize()); }

/** A block in the host's form around any text, with a correct length field. */
inline juce::MemoryBlock wrapText (const std::string& text)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    out.write ("VC2!", 4);
    out.writeInt ((int) text.size());
    out.write (text.data(), text.size());
    out.writeByte (0);
    out.flush();
    return block;
}

/** Counts the host's display updates (what restoring a state tells the host). */
struct HostDisplayCounter : juce::AudioProcessorListener
{
    explicit HostDisplayCounter (juce::AudioProcessor& p) : processor (p) { processor.addListener (this); }
    ~HostDisplayCounter() override { processor.removeListener (this); }

    void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override {}
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override { ++changes; }
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int) override { ++gestureBegins; }
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int) override { ++gestureEnds; }

    juce::AudioProcessor& processor;
    int changes = 0, gestureBegins = 0, gestureEnds = 0;
};
