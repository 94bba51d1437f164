#include "controls/MessageLayout.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(MessageLayoutTest, EmptyTextGivesTheSmallestPanel)
{
    const MessageDlgLayout layout = ComputeMessageDlgLayout(330, 44, 0, 0);
    EXPECT_EQ(70, layout.textX);
    EXPECT_EQ(20, layout.textY);
    EXPECT_EQ(330, layout.textWidth);
    EXPECT_EQ(24, layout.textHeight) << "20 pixels shorter than in the template";
    EXPECT_EQ(410, layout.dialogWidth);
    EXPECT_EQ(104, layout.dialogHeight);
    EXPECT_EQ(64, layout.buttonY) << "buttons right below the text";
    EXPECT_EQ(70, layout.buttonWidth);
    EXPECT_EQ(20, layout.buttonHeight);
}

TEST(MessageLayoutTest, LongerTextsMakeTallerPanels)
{
    const int base = ComputeMessageDlgLayout(330, 44, 0, 0).dialogHeight;
    EXPECT_EQ(base + 11, ComputeMessageDlgLayout(330, 44, 39, 0).dialogHeight);
    EXPECT_EQ(base + 12, ComputeMessageDlgLayout(330, 44, 40, 0).dialogHeight);
    const MessageDlgLayout layout = ComputeMessageDlgLayout(330, 44, 80, 0);
    EXPECT_EQ(base + 24, layout.dialogHeight);
    EXPECT_EQ(48, layout.textHeight);
    EXPECT_EQ(88, layout.buttonY);
    EXPECT_EQ(410, layout.dialogWidth) << "the width never changes";
}

TEST(MessageLayoutTest, ButtonsAreSymmetricAboutTheHiddenOk)
{
    const MessageDlgLayout layout = ComputeMessageDlgLayout(331, 44, 10, 0);
    EXPECT_EQ(170, layout.okX); // (331 + 10) / 2
    EXPECT_EQ(80, layout.yesX);
    EXPECT_EQ(260, layout.noX);
}

TEST(MessageLayoutTest, HugeTextsStayOnScreenAndDoNotOverflow)
{
    EXPECT_EQ(1000000, MessageExtraHeight(SIZE_MAX));
    EXPECT_EQ(11, MessageExtraHeight(39));
    const MessageDlgLayout layout = ComputeMessageDlgLayout(330, 44, 100000, 700);
    EXPECT_EQ(700, layout.dialogHeight);
    EXPECT_EQ(660, layout.buttonY) << "buttons stay inside the panel";
    EXPECT_EQ(620, layout.textHeight);
    // A short text is not touched by the limit.
    EXPECT_EQ(104, ComputeMessageDlgLayout(330, 44, 0, 700).dialogHeight);
    // A text control shorter than the trim never gets a negative height.
    EXPECT_EQ(0, ComputeMessageDlgLayout(330, 10, 0, 0).textHeight);
}

TEST(MessageLayoutTest, TypesChooseIconAndButtons)
{
    const struct {
        int type, icon;
        bool question;
    } cases[] = {{0, 177, false}, {1, 180, true}, {2, 178, false}, {3, 177, false}, {-1, 177, false}, {7, 177, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.icon, MessageIconId(c.type)) << c.type;
        EXPECT_EQ(c.question, MessageAsksQuestion(c.type)) << c.type;
    }
}

} // namespace
