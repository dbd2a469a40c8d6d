#include "ui/toolkit/PopupDisplayLauncher.h"

PopupDisplayLauncher::PopupDisplayLauncher() = default;
PopupDisplayLauncher::~PopupDisplayLauncher() = default;

PopupDisplayLauncher* PopupDisplayLauncher::findFor (juce::Component* target)
{
    for (auto* c = target; c != nullptr; c = c->getParentComponent())
        if (auto* launcher = dynamic_cast<PopupDisplayLauncher*> (c))
            return launcher;

    return nullptr;
}

bool PopupDisplayLauncher::launch (juce::Component* target, std::unique_ptr<juce::Component> content,
                                   juce::Point<int> position, bool withShadow)
{
    auto* launcher = findFor (target);
    return launcher != nullptr && launcher->launchPopup (std::move (content), position, target, withShadow);
}

bool PopupDisplayLauncher::launchPopup (std::unique_ptr<juce::Component> content, juce::Point<int> position,
                                        juce::Component* target, bool withShadow)
{
    return popupDisplay.launchPopup (std::move (content), position, target, withShadow);
}
