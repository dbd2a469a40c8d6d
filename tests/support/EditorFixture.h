#pragma once

#include "editor/VortaneAudioProcessorEditor.h"
#include "support/MessagePump.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

/** The user's preferences file, as a processor finds it when it is built. */
namespace PrefsOnDisk
{
    juce::File file();
    /** Replaces the file by a document with these attributes (name, value pairs). */
    void write (std::initializer_list<std::pair<const char*, const char*>> attributes);
    void remove();
    /** The document on disk now, or null. */
    std::unique_ptr<juce::XmlElement> read();
}

/** Runs the message loop until every message posted before the call has been handled. */
bool pumpPosted();

/** A real processor and the editor a host would open for it. */
struct TestEditor
{
    TestEditor()
        : editor (dynamic_cast<VortaneAudioProcessorEditor*> (processor->createEditorIfNeeded()))
    {
    }

    // The editor goes first: it tells the processor as it is deleted.
    ~TestEditor() { editor.reset(); }

    VortaneAudioProcessorEditor& operator*() const { return *editor; }
    VortaneAudioProcessorEditor* operator->() const { return editor.get(); }
    VortaneMainWindow& window() const { return editor->getMainWindow(); }

    /** The editor as drawn, at its own size. */
    juce::Image render() const { return editor->createComponentSnapshot (editor->getLocalBounds(), true, 1.0f); }

    TestProcessor processor;
    std::unique_ptr<VortaneAudioProcessorEditor> editor;
};

/** Writes a PNG into the tests' output folder. */
bool writeTestPng (const juce::Image& image, const juce::String& fileName);

/** A test that starts and ends without a preferences file. */
template <typename Base = ::testing::Test>
struct WithoutPrefs : Base
{
    void SetUp() override    { PrefsOnDisk::remove(); }
    void TearDown() override { PrefsOnDisk::remove(); }
};
