#include "core/shell/CNewDrawingModel.h"
#include <gtest/gtest.h>

TEST(NewDrawingModel, LockedWidthDrivesHeight)
{
    CNewDrawingModel m(800, 600, true);
    m.FinishSetUp(800, 600);
    EXPECT_EQ(m.WidthEdited("1000").value_or(""), "750");
    // Below the range the spin position stays at 100.
    EXPECT_EQ(m.WidthEdited("50").value_or(""), "75");
    EXPECT_EQ(m.WidthEdited("9999").value_or(""), "1536");
    // A box without a number leaves the height alone.
    EXPECT_FALSE(m.WidthEdited("").has_value());
    EXPECT_FALSE(m.WidthEdited("abc").has_value());
    // And OK is still refused for 50.
    std::string msg;
    int bad = -1;
    EXPECT_FALSE(m.Accept("50", "75", msg, bad));
    EXPECT_EQ(msg, "Please enter an integer between 100 and 2048.");
    EXPECT_EQ(bad, 0);
}

TEST(NewDrawingModel, UnlockedOrInitialisingChangesNothing)
{
    CNewDrawingModel m(800, 600, true);
    EXPECT_FALSE(m.WidthEdited("1000").has_value());   // still setting up
    m.FinishSetUp(800, 600);
    m.ApplyLock(false, 800, 600);
    EXPECT_FALSE(m.WidthEdited("1000").has_value());
}

TEST(NewDrawingModel, PresetWhileLockedSetsTheNewRatio)
{
    CNewDrawingModel m(800, 600, true);
    m.FinishSetUp(800, 600);
    m.Preset(3);
    EXPECT_EQ(m.m_width, 400);
    EXPECT_EQ(m.m_height, 400);
    m.ApplyLock(true, m.m_width, m.m_height);
    EXPECT_EQ(m.WidthEdited("1000").value_or(""), "1000");
    m.Preset(0);
    EXPECT_EQ(m.m_width, 1024);
    EXPECT_EQ(m.m_height, 768);
    m.Preset(2);
    EXPECT_EQ(m.m_width, 640);
    EXPECT_EQ(m.m_height, 480);
}

TEST(NewDrawingModel, ValidationMessages)
{
    EXPECT_EQ(CNewDrawingModel::Check("").value_or(""), "Please enter an integer.");
    EXPECT_EQ(CNewDrawingModel::Check("12a").value_or(""), "Please enter an integer.");
    EXPECT_EQ(CNewDrawingModel::Check("99999999999").value_or(""), "Please enter an integer.");
    EXPECT_EQ(CNewDrawingModel::Check("99").value_or(""), "Please enter an integer between 100 and 2048.");
    EXPECT_EQ(CNewDrawingModel::Check("2049").value_or(""), "Please enter an integer between 100 and 2048.");
    int v = 0;
    EXPECT_FALSE(CNewDrawingModel::Check(" 100 ", &v).has_value());
    EXPECT_EQ(v, 100);
    EXPECT_FALSE(CNewDrawingModel::Check("2048", &v).has_value());
    EXPECT_EQ(v, 2048);

    CNewDrawingModel m(400, 400, false);
    std::string msg;
    int bad = -1;
    EXPECT_FALSE(m.Accept("640", "", msg, bad));
    EXPECT_EQ(msg, "Please enter an integer.");
    EXPECT_EQ(bad, 1);
    EXPECT_EQ(m.m_width, 400);   // nothing stored on failure
    EXPECT_TRUE(m.Accept("640", "480", msg, bad));
    EXPECT_EQ(m.m_width, 640);
    EXPECT_EQ(m.m_height, 480);
}
