#pragma once

#include <juce_core/juce_core.h>

/** The user's interface preferences (scale, knob drag mode): a small XML document
    shared by every instance on the machine, kept in memory by each processor.

    The file is read once, at construction. A write changes one attribute: it
    re-reads the file, sets only that attribute in what it found and writes the
    result back, so a change made by another instance meanwhile is kept. */
class PrefsFile
{
public:
    explicit PrefsFile (const juce::String& productName);
    virtual ~PrefsFile();

    /** Called once at construction when a document was read from the file. */
    virtual void prefsLoaded (juce::XmlElement* prefs) = 0;

    /** Reads the file; creates it (empty) with its folders when it is missing. */
    void loadPrefs();

    /** Sets an integer attribute here and in the file. */
    void writePrefsAttribute (const juce::String& name, int value);

    /** The interface scale in percent: 100 when absent or not a number, else
        clamped to 50..200. */
    int getPrefsScale() const;

    /** An integer attribute: fallback when absent or not a whole number. */
    int getPrefsInt (const juce::String& name, int fallback) const;

    /** A boolean attribute as the framework reads it (1, t, y: true), fallback when absent. */
    bool getPrefsBool (const juce::String& name, bool fallback) const;

    const juce::XmlElement& getPrefsElement() const noexcept { return prefsElement; }
    const juce::File& getPrefsFile() const noexcept { return prefsFile; }

    static constexpr int defaultScale = 100, minimumScale = 50, maximumScale = 200;
    static constexpr juce::int64 maximumFileSize = 64 * 1024;

protected:
    juce::String prefsName;
    juce::XmlElement prefsElement;
    juce::File prefsFile;

private:
    std::unique_ptr<juce::XmlElement> readFile() const;

    JUCE_DECLARE_NON_COPYABLE (PrefsFile)
};
