#pragma once

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <functional>

#include "presets/PresetManager.h"

/** Message-loop helpers: the tests run on the message thread, so timers, jobs that
    wait for the message-manager lock and hand-overs need the loop pumped. */
namespace MessageLoop
{
    inline void pump (int milliseconds)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
    }

    /** Pumps until the condition holds; false after the timeout. */
    inline bool waitUntil (const std::function<bool()>& condition, int timeoutMs = 10000)
    {
        const auto end = juce::Time::getMillisecondCounterHiRes() + timeoutMs;

        while (! condition())
        {
            if (juce::Time::getMillisecondCounterHiRes() > end)
                return false;

            pump (5);
        }

        return true;
    }

    /** Waits until the manager has no loading pending and no job queued or running. */
    inline bool waitForIdle (const PresetManager& manager, int timeoutMs = 10000)
    {
        return waitUntil ([&] { return ! manager.isLoadingBankList() && manager.getNumJobs() == 0; }, timeoutMs);
    }
}

/** Gives a test the user's bank file in the temporary HOME to itself: the file and
    any temporary siblings are removed before and after the test. */
class UserBankFileTest : public ::testing::Test
{
protected:
    void SetUp() override     { removeBankFiles(); }
    void TearDown() override  { removeBankFiles(); }

    static juce::File folder()
    {
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                   .getChildFile ("Quillmere").getChildFile ("Vortane");
    }

    static juce::File bankFile()   { return folder().getChildFile ("VortanePresets.kqb"); }

    static void writeBankFile (const juce::MemoryBlock& bytes)
    {
        folder().createDirectory();
        ASSERT_TRUE (bankFile().replaceWithData (bytes.getData(), bytes.getSize()));
    }

    static void writeBankFile (const juce::String& text)
    {
        writeBankFile (juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8()));
    }

    static juce::MemoryBlock readBankFile()
    {
        juce::MemoryBlock bytes;
        bankFile().loadFileAsData (bytes);
        return bytes;
    }

    /** Files in the folder whose name starts like the bank file's (leftover temporaries). */
    static juce::Array<juce::File> bankFileSiblings()
    {
        juce::Array<juce::File> found;
        for (const auto& entry : juce::RangedDirectoryIterator (folder(), false, "*", juce::File::findFilesAndDirectories))
            if (entry.getFile() != bankFile() && entry.getFile().getFileName().contains ("VortanePresets"))
                found.add (entry.getFile());
        return found;
    }

private:
    static void removeBankFiles()
    {
        if (! folder().isDirectory())
            return;

        for (const auto& entry : juce::RangedDirectoryIterator (folder(), false, "*", juce::File::findFilesAndDirectories))
            if (entry.getFile().getFileName().contains ("VortanePresets"))
                entry.getFile().deleteRecursively();
    }
};
