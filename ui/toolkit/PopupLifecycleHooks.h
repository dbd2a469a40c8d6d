#pragma once

/** Implemented by a pop-up's content (or its children) that wants to know when the
    pop-up display shows it and before it removes it. */
class PopupLifecycleHooks
{
public:
    virtual ~PopupLifecycleHooks() = default;

    virtual void popupShown() = 0;
    virtual void popupClosed() = 0;
};
