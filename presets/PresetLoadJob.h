#pragma once

#include <juce_core/juce_core.h>
#include <memory>

class PresetManager;

/** Applies one preset (its own copy) to the processor while holding the
    message-manager lock; applies nothing when asked to stop first, or when the
    manager has queued a later load meanwhile (request is this load's number). */
class PresetLoadJob : public juce::ThreadPoolJob
{
public:
    PresetLoadJob (PresetManager& owner, std::unique_ptr<juce::XmlElement> presetToApply, juce::uint64 request);
    ~PresetLoadJob() override;

    JobStatus runJob() override;

private:
    std::unique_ptr<juce::XmlElement> preset;
    PresetManager& manager;
    const juce::uint64 request;

    bool isSuperseded() const noexcept;

    JUCE_DECLARE_NON_COPYABLE (PresetLoadJob)
};
