#pragma once

#include <juce_core/juce_core.h>
#include <memory>

class PresetManager;

/** Applies one preset (its own copy) to the processor while holding the
    message-manager lock; applies nothing when asked to stop first. */
class PresetLoadJob : public juce::ThreadPoolJob
{
public:
    PresetLoadJob (PresetManager& owner, std::unique_ptr<juce::XmlElement> presetToApply);
    ~PresetLoadJob() override;

    JobStatus runJob() override;

private:
    std::unique_ptr<juce::XmlElement> preset;
    PresetManager& manager;

    JUCE_DECLARE_NON_COPYABLE (PresetLoadJob)
};
