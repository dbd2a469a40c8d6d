#pragma once

#include "support/MessagePump.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>
#include <memory>

// The plug-in's own framework copy gets its X events from the host's message loop
// (pumpMessages, pumpUntil): VST3 through the host's run loop, which watches its
// display's descriptor, LV2 through the UI's idle call, which a host timer makes 60
// times a second.

/** A hosted plug-in's editor in a window of its own on the display, driven with real
    pointer and keys through XTest, as a user drives it: the events go through the X
    server to whichever window it picks, the plug-in's own among them. Points are in
    the plug-in's window (its top-left corner is 0, 0). */
class HostedWindow
{
public:
    explicit HostedWindow (juce::AudioPluginInstance& plugin);
    ~HostedWindow();

    /** True once the plug-in's X window is mapped, whole, inside the host's window. */
    bool isReady() const noexcept { return pluginWindow != 0; }
    juce::Point<int> pluginWindowSize() const noexcept { return size; }

    void move (juce::Point<int> at);
    void click (juce::Point<int> at, int button = 1);
    void doubleClick (juce::Point<int> at);
    /** A left click with the control key held. */
    void controlClick (juce::Point<int> at);
    /** Presses at a point, moves by the offset in a few steps and releases there. */
    void drag (juce::Point<int> from, juce::Point<int> offset);
    /** Types text of unshifted keys (digits, lower-case letters, '-', '.', ' ', backspace
        '\b' and delete '\x7f'), then Return. */
    void typeAndReturn (const juce::String& text);
    /** Gives the keyboard focus to the host's window, as hosts that keep it do: keys
        typed then reach the plug-in's window under the pointer, but it holds no focus. */
    void hostTakesKeyboard();

private:
    void button (int number, bool down);
    void key (unsigned long keysym);
    void settle();

    std::unique_ptr<juce::AudioProcessorEditor> editor;
    std::unique_ptr<juce::DocumentWindow> frame;
    void* display = nullptr;   // the test's own connection, for XTest
    unsigned long pluginWindow = 0;
    juce::Point<int> size;
};
