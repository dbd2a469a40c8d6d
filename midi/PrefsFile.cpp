#include "midi/PrefsFile.h"

PrefsFile::PrefsFile (const juce::String& productName)
    : prefsName (productName.removeCharacters (" ")),
      prefsElement (prefsName + "-Preferences"),
      prefsFile (juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                     .getChildFile ("Quillmere")
                     .getChildFile (prefsName)
                     .getChildFile (prefsName + "-Preferences.prf"))
{
}

PrefsFile::~PrefsFile() = default;

void PrefsFile::loadPrefs()
{
    if (! prefsFile.existsAsFile())
    {
        if (! prefsFile.exists())
            prefsFile.create();
        return;
    }

    if (auto parsed = juce::parseXML (prefsFile))
    {
        prefsElement = *parsed;
        prefsLoaded (&prefsElement);
    }
}

void PrefsFile::writePrefsAttribute (const juce::String& name, int value)
{
    prefsElement.setAttribute (name, value);
    juce::XmlElement::TextFormat format;
    format.lineWrapLength = 60;
    format.newLineChars = "\r\n";
    prefsElement.writeTo (prefsFile, format);
}
