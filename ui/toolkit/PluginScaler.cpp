#include "ui/toolkit/PluginScaler.h"
#include "midi/PrefsFile.h"

PluginScaler::PluginScaler (PrefsFile& prefsToUse, juce::Component& target)
    : prefs (prefsToUse), resizeTarget (target)
{
}

PluginScaler::~PluginScaler()
{
    stopTimer();
}

int PluginScaler::readStoredScale() const
{
    return prefs.getPrefsScale();
}

void PluginScaler::initialiseScale()
{
    scale = readStoredScale();
    writePending = true;
    startTimer (1);
    applyScale();
}

void PluginScaler::setScale (int newScale)
{
    scale = juce::jlimit (minimumScale, maximumScale, newScale);
    writePending = true;
    correctedSize = { -1, -1 };
    startTimer (1);
}

int PluginScaler::stepUp (int s) noexcept
{
    switch (s)
    {
        case 50: return 75;
        case 75: return 100;
        case 150: return 200;
        case 200: return 200;
        default: return 150;
    }
}

int PluginScaler::stepDown (int s) noexcept
{
    switch (s)
    {
        case 50: return 50;
        case 75: return 50;
        case 100: return 75;
        case 150: return 100;
        case 200: return 150;
        default: return 75;
    }
}

float PluginScaler::factorFor (int s) noexcept
{
    return (float) (s < 51 ? 50 : s) * 0.01f;
}

juce::Point<int> PluginScaler::sizeFor (int s) noexcept
{
    // Integer arithmetic: the exact truncation of 703 × s / 100, free of float rounding.
    const int percent = s < 51 ? 50 : s;
    return { baseWidth * percent / 100, baseHeight * percent / 100 };
}

bool PluginScaler::keyPressed (const juce::KeyPress& press, juce::Component*)
{
    if (press.getModifiers().withoutMouseButtons() != juce::ModifierKeys (juce::ModifierKeys::commandModifier))
        return false;

    const auto code = juce::CharacterFunctions::toLowerCase ((juce::juce_wchar) press.getKeyCode());
    const auto character = juce::CharacterFunctions::toLowerCase (press.getTextCharacter());
    const auto is = [&] (juce::juce_wchar c)
    { return code == c || character == c; };

    if (is ('=') || is ('+'))
    {
        setScale (stepUp (scale));
        return true;
    }

    if (is ('-'))
    {
        setScale (stepDown (scale));
        return true;
    }

    return false;
}

void PluginScaler::timerCallback()
{
    // Stopped first: nothing that applying the scale sets off can run this again.
    stopTimer();

    if (writePending)
    {
        writePending = false;
        prefs.writePrefsAttribute (key, scale);
    }

    applyScale();
}

void PluginScaler::applyScale()
{
    if (transformTarget == nullptr)
        return;

    const auto size = sizeFor (scale);
    {
        const juce::ScopedValueSetter<bool> sizing (applying, true);
        transformTarget->setTransform (juce::AffineTransform::scale (factorFor (scale)));
        resizeTarget.setBounds (resizeTarget.getX(), resizeTarget.getY(), size.x, size.y);
        resizeTarget.resized();
        transformTarget->resized();
    }

    // A host that answered with another size keeps it: asking again would only
    // be refused again.
    const juce::Point<int> actual { resizeTarget.getWidth(), resizeTarget.getHeight() };
    if (actual != size)
        correctedSize = actual;
}

void PluginScaler::resizeTargetResized()
{
    if (applying || transformTarget == nullptr)
        return;

    const juce::Point<int> actual { resizeTarget.getWidth(), resizeTarget.getHeight() };
    if (actual == sizeFor (scale) || actual == correctedSize)
        return;

    correctedSize = actual;
    startTimer (1);
}
