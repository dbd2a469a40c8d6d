#include "midi/PrefsFile.h"
#include "core/SafeXml.h"
#include "core/StateNumbers.h"

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

std::unique_ptr<juce::XmlElement> PrefsFile::readFile() const
{
    SafeXml::Limits limits;
    limits.maxBytes = (std::size_t) maximumFileSize;
    limits.maxDepth = 16;
    limits.maxElements = 1000;
    return SafeXml::parseFile (prefsFile, limits);
}

void PrefsFile::loadPrefs()
{
    if (! prefsFile.existsAsFile())
    {
        if (! prefsFile.exists())
            prefsFile.create();
        return;
    }

    if (auto parsed = readFile())
    {
        prefsElement = *parsed;
        prefsLoaded (&prefsElement);
    }
}

void PrefsFile::writePrefsAttribute (const juce::String& name, int value)
{
    prefsElement.setAttribute (name, value);

    // Another instance may have written since this one read the file: change
    // only this attribute in what the file holds now.
    auto document = readFile();
    if (document == nullptr)
        document = std::make_unique<juce::XmlElement> (prefsElement);
    else
        document->setAttribute (name, value);

    juce::XmlElement::TextFormat format;
    format.lineWrapLength = 60;
    format.newLineChars = "\r\n";
    document->writeTo (prefsFile, format);
}

int PrefsFile::getPrefsInt (const juce::String& name, int fallback) const
{
    int v = fallback;
    return StateNumbers::readWholeInt (prefsElement.getStringAttribute (name), v) ? v : fallback;
}

int PrefsFile::getPrefsScale() const
{
    if (! prefsElement.hasAttribute ("scale"))
        return defaultScale;

    // Read as a decimal integer (text that is no number reads as 0), limited to
    // the scaler's range; long digit runs are cut before they could overflow.
    const auto digits = prefsElement.getStringAttribute ("scale").trimStart().initialSectionContainingOnly ("+-0123456789").substring (0, 12);
    return (int) juce::jlimit<juce::int64> (minimumScale, maximumScale, digits.getLargeIntValue());
}

bool PrefsFile::getPrefsBool (const juce::String& name, bool fallback) const
{
    return prefsElement.getBoolAttribute (name, fallback);
}
