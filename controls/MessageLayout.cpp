#include "controls/MessageLayout.h"

#include <algorithm>

namespace {
constexpr int ButtonWidth = 70;
constexpr int ButtonHeight = 20;
constexpr int ButtonSpacing = 90;
constexpr int IconNotice = 177;
constexpr int IconError = 178;
constexpr int IconQuestion = 180;
// Far beyond any screen, small enough that the sums below never overflow.
constexpr size_t MaxExtra = 1000000;
} // namespace

int MessageExtraHeight(size_t textLength)
{
    const size_t extra = textLength / 40 * 12 + textLength % 40 * 12 / 40;
    return static_cast<int>(std::min(extra, MaxExtra));
}

MessageDlgLayout ComputeMessageDlgLayout(int tw, int th, size_t textLength, int maxDialogHeight)
{
    int extra = MessageExtraHeight(textLength);
    // A text too long for the screen would push the buttons out of reach.
    if (maxDialogHeight > 0 && th + extra + 60 > maxDialogHeight)
        extra = std::max(0, maxDialogHeight - th - 60);

    MessageDlgLayout layout{};
    layout.textX = 70;
    layout.textY = 20;
    layout.textWidth = tw;
    layout.textHeight = std::max(0, th - 20 + extra);
    layout.dialogWidth = tw + 80;
    layout.dialogHeight = th + extra + 60;
    layout.buttonY = th + extra + 20;
    layout.buttonWidth = ButtonWidth;
    layout.buttonHeight = ButtonHeight;
    layout.okX = (tw + 10) / 2;
    layout.yesX = layout.okX - ButtonSpacing;
    layout.noX = layout.okX + ButtonSpacing;
    return layout;
}

int MessageIconId(int type)
{
    switch (type) {
    case 1:
        return IconQuestion;
    case 2:
        return IconError;
    default:
        return IconNotice;
    }
}

bool MessageAsksQuestion(int type)
{
    return type == 1;
}
