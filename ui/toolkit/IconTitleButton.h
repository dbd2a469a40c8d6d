#pragma once

/** What the logo buttons share: whether they react to hover and press, and how
    far the picture moves right and down while pressed. */
class IconTitleButton
{
public:
    explicit IconTitleButton (bool isInteractive = true, float offsetWhenPressed = 1.0f) noexcept
        : interactive (isInteractive), pressOffset (offsetWhenPressed) {}

    bool isInteractive() const noexcept { return interactive; }
    float getPressOffset() const noexcept { return pressOffset; }

protected:
    bool interactive;
    float pressOffset;
};
