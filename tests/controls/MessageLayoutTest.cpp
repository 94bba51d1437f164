// The message dialog's geometry from its template's text control and the text's length.
#include "controls/MessageLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string Describe(const MessageDlgLayout& l)
{
    char text[160];
    std::snprintf(text, sizeof text, "text %d,%d %dx%d dialog %dx%d buttons y=%d %dx%d yes=%d ok=%d no=%d", l.textX,
                  l.textY, l.textWidth, l.textHeight, l.dialogWidth, l.dialogHeight, l.buttonY, l.buttonWidth,
                  l.buttonHeight, l.yesX, l.okX, l.noX);
    return text;
}

TEST(MessageLayoutTest, PanelGrowsWithTheTextAndStaysOnScreen)
{
    const struct { int width, height; size_t length; int maxHeight; const char* expected; } cases[] = {
        // An empty text: 20 pixels shorter than the template, buttons right below.
        {330, 44, 0, 0, "text 70,20 330x24 dialog 410x104 buttons y=64 70x20 yes=80 ok=170 no=260"},
        // About 3 pixels for every 10 characters; the width never changes.
        {330, 44, 39, 0, "text 70,20 330x35 dialog 410x115 buttons y=75 70x20 yes=80 ok=170 no=260"},
        {331, 44, 80, 0, "text 70,20 331x48 dialog 411x128 buttons y=88 70x20 yes=80 ok=170 no=260"},
        // Limited to the work area with the buttons inside; a short text untouched.
        {330, 44, 100000, 700, "text 70,20 330x620 dialog 410x700 buttons y=660 70x20 yes=80 ok=170 no=260"},
        {330, 44, 0, 700, "text 70,20 330x24 dialog 410x104 buttons y=64 70x20 yes=80 ok=170 no=260"},
        // A text control shorter than the trim never gets a negative height.
        {330, 10, 0, 0, "text 70,20 330x0 dialog 410x70 buttons y=30 70x20 yes=80 ok=170 no=260"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Describe(ComputeMessageDlgLayout(c.width, c.height, c.length, c.maxHeight))) << c.length;
    EXPECT_EQ(12, MessageExtraHeight(40));
    EXPECT_EQ(1000000, MessageExtraHeight(SIZE_MAX)); // no overflow
}

} // namespace
