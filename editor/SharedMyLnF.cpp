#include "editor/SharedMyLnF.h"

namespace
{
    // Guards the pointer and count against two editors built or closed at once.
    juce::SpinLock lock;
    MyLnF* instance = nullptr;
    int users = 0;
}

SharedMyLnF::SharedMyLnF()
{
    const juce::SpinLock::ScopedLockType sl (lock);

    if (users++ == 0)
        instance = new MyLnF();

    lookAndFeel = instance;
}

SharedMyLnF::~SharedMyLnF()
{
    const juce::SpinLock::ScopedLockType sl (lock);

    if (--users > 0)
        return;

    // Components without a look-and-feel of their own must not be left pointing
    // at a deleted default, nor fonts at its typeface.
    if (&juce::LookAndFeel::getDefaultLookAndFeel() == instance)
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);

    juce::Typeface::clearTypefaceCache();

    delete instance;
    instance = nullptr;
}

void SharedMyLnF::makeDefault() const
{
    juce::Typeface::clearTypefaceCache();
    juce::LookAndFeel::setDefaultLookAndFeel (lookAndFeel);
}

MyLnF* SharedMyLnF::getInstance() noexcept
{
    const juce::SpinLock::ScopedLockType sl (lock);
    return instance;
}

int SharedMyLnF::getUserCount() noexcept
{
    const juce::SpinLock::ScopedLockType sl (lock);
    return users;
}
