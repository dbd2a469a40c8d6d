#pragma once

#include <juce_gui_basics/juce_gui_basics.h>
#include <array>

class PrefsFile;

/** Shows a window laid out at a fixed base size at one of five scales: gives the
    laid-out component a scaling transform, sizes the window's outer component to
    match, and keeps the scale in the preferences under "scale". Command with "="
    or "+" steps up, command with "-" steps down.

    Changes go through a 1 ms one-shot timer, so quick key presses end in one write
    with the last scale. Each request writes the preferences exactly once; a size
    forced from outside (a host) is put back by the timer without writing, and
    only once, so a host that refuses the size cannot make the timer loop. */
class PluginScaler : public juce::Timer,
                     public juce::KeyListener
{
public:
    static constexpr int defaultScale = 100;
    static constexpr int minimumScale = 50;
    static constexpr int maximumScale = 200;
    static constexpr int baseWidth = 703;
    static constexpr int baseHeight = 319;
    static constexpr std::array<int, 5> steps { 50, 75, 100, 150, 200 };

    /** The resize target is the component whose size follows the scale. */
    PluginScaler (PrefsFile& prefs, juce::Component& resizeTarget);
    ~PluginScaler() override;

    /** The component laid out at the base size that gets the scaling transform. */
    void setTransformTarget (juce::Component& target) noexcept { transformTarget = &target; }

    /** Reads the stored scale, applies it at once and stores it again 1 ms later. */
    void initialiseScale();

    /** The stored scale: the default when there is none or it is no whole number,
        else limited to 50..200 (values between the steps stay as they are). */
    int readStoredScale() const;

    int getScale() const noexcept { return scale; }

    /** Asks for a new scale: 1 ms later it is written to the preferences and applied. */
    void setScale (int newScale);

    static int stepUp (int scale) noexcept;
    static int stepDown (int scale) noexcept;
    /** The scaling factor: the scale in percent / 100, anything below 51 counting as 50. */
    static float factorFor (int scale) noexcept;
    /** The scaled base size, each side truncated. */
    static juce::Point<int> sizeFor (int scale) noexcept;

    /** To be called from the resize target's resized(): a size that the scale
        does not give is put back once by the timer. */
    void resizeTargetResized();

    PrefsFile& getPrefs() const noexcept { return prefs; }
    const juce::String& getKey() const noexcept { return key; }

    bool keyPressed (const juce::KeyPress& press, juce::Component* originatingComponent) override;
    void timerCallback() override;

private:
    void applyScale();

    PrefsFile& prefs;
    const juce::String key { "scale" };
    juce::Component& resizeTarget;
    juce::Component* transformTarget = nullptr;
    int scale = defaultScale;

    // Set by each request, cleared by the one write that follows it.
    bool writePending = false;
    // True while this class itself sizes the target.
    bool applying = false;
    // The outside size already put back once for the current scale.
    juce::Point<int> correctedSize { -1, -1 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PluginScaler)
};
