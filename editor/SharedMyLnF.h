#pragma once

#include "editor/MyLnF.h"

/** Counted use of the one MyLnF of the process: the first user builds it, the last
    one deletes it. Each main window holds one.

    A window must hold its SharedMyLnF as its first base class or first member, so
    that it is released after every child component that draws with the
    look-and-feel. Releasing the last use first unsets the look-and-feel as the
    framework's default, then deletes it. */
class SharedMyLnF
{
public:
    SharedMyLnF();
    ~SharedMyLnF();

    MyLnF& get() const noexcept { return *lookAndFeel; }
    MyLnF* operator->() const noexcept { return lookAndFeel; }

    /** Clears the framework's typeface cache and makes the shared look-and-feel the
        framework's default, so every component without its own takes it. */
    void makeDefault() const;

    /** The shared instance, or null when no one uses it. */
    static MyLnF* getInstance() noexcept;
    static int getUserCount() noexcept;

private:
    MyLnF* lookAndFeel = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SharedMyLnF)
};
