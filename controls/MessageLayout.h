#pragma once
#include <cstddef>

// Geometry of the message dialog in pixels, derived from the size of its text
// control as the template made it and from the length of the text.
struct MessageDlgLayout {
    int textX, textY, textWidth, textHeight;
    int dialogWidth, dialogHeight;
    int buttonY, buttonWidth, buttonHeight;
    int yesX, okX, noX;
};

// About 3 pixels more height for every 10 characters.
int MessageExtraHeight(size_t textLength);

// maxDialogHeight > 0 keeps the panel, and so its buttons, within that height
// (the work area); 0 means no limit.
MessageDlgLayout ComputeMessageDlgLayout(int templateTextWidth, int templateTextHeight,
                                         size_t textLength, int maxDialogHeight);

// Which icon resource a message type shows, and whether it asks a question
// ("&Ja"/"&Nein") instead of showing "&OK". Unknown types are notices.
int MessageIconId(int type);
bool MessageAsksQuestion(int type);
