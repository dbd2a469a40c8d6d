#pragma once

#include <juce_core/juce_core.h>

/** The user's interface preferences (scale, knob drag mode): a small XML document
    shared by every instance on the machine, kept in memory by each processor. */
class PrefsFile
{
public:
    explicit PrefsFile (const juce::String& productName);
    virtual ~PrefsFile();

    /** Called once at construction when a document was read from the file. */
    virtual void prefsLoaded (juce::XmlElement* prefs) = 0;

    /** Reads the file; creates it (empty) with its folders when it is missing. */
    void loadPrefs();

    /** Sets an integer attribute and writes the document to the file. */
    void writePrefsAttribute (const juce::String& name, int value);

    juce::XmlElement& getPrefsElement() noexcept { return prefsElement; }
    const juce::File& getPrefsFile() const noexcept { return prefsFile; }

protected:
    juce::String prefsName;
    juce::XmlElement prefsElement;
    juce::File prefsFile;

private:
    JUCE_DECLARE_NON_COPYABLE (PrefsFile)
};
