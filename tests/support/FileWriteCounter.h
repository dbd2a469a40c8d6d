#pragma once

#include <juce_core/juce_core.h>

/** Counts how often a file is written, from the kernel's file events: every time
    it is closed after writing or another file is renamed onto it. */
class FileWriteCounter
{
public:
    explicit FileWriteCounter (const juce::File& file);
    ~FileWriteCounter();

    /** Writes seen since construction, or -1 if the folder cannot be watched. */
    int count();

private:
    juce::String fileName;
    int fd = -1, watch = -1, writes = 0;

    JUCE_DECLARE_NON_COPYABLE (FileWriteCounter)
};
