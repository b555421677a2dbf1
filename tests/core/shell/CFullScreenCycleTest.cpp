#include "core/shell/CFullScreenCycle.h"
#include <gtest/gtest.h>
#include <string>

namespace {
class FakeFrame : public IFullScreenFrame {
public:
    bool tools[3] = {true, false, true};
    bool bars[3] = {true, true, true};
    bool full = false;
    std::string log;
    bool IsToolWindowVisible(int i) const override { return tools[i]; }
    void SetToolWindowVisible(int i, bool v) override
    {
        tools[i] = v;
        log += (v ? "T+" : "T-") + std::to_string(i) + " ";
    }
    bool IsBarVisible(int i) const override { return bars[i]; }
    void SetBarVisible(int i, bool v) override { bars[i] = v; }
    void EnterFullScreenWindow() override
    {
        EXPECT_FALSE(full);
        full = true;
    }
    void LeaveFullScreenWindow() override
    {
        EXPECT_TRUE(full);
        full = false;
    }
    bool AllHidden() const { return !tools[0] && !tools[1] && !tools[2] && !bars[0] && !bars[1] && !bars[2]; }
    bool Original() const { return tools[0] && !tools[1] && tools[2] && bars[0] && bars[1] && bars[2]; }
};
} // namespace

TEST(FullScreenCycle, KeyWalksThroughTheStages)
{
    FakeFrame f;
    CFullScreenCycle c(f);
    c.Cycle();
    EXPECT_EQ(c.Stage(), 1);
    EXPECT_FALSE(f.tools[0] || f.tools[2]);
    EXPECT_TRUE(f.bars[0] && f.bars[1] && f.bars[2]);
    EXPECT_FALSE(f.full);
    c.Cycle();
    EXPECT_EQ(c.Stage(), 2);
    EXPECT_TRUE(f.AllHidden());
    EXPECT_FALSE(f.full);
    c.Cycle();
    EXPECT_EQ(c.Stage(), 3);
    EXPECT_TRUE(c.IsFullScreen());
    EXPECT_TRUE(f.full);
    c.Cycle();
    EXPECT_EQ(c.Stage(), 0);
    EXPECT_FALSE(c.IsActive());
    EXPECT_FALSE(f.full);
    EXPECT_TRUE(f.Original());
    // Only the windows that were visible come back; Colors stays hidden.
    EXPECT_EQ(f.log, "T-0 T-2 T+0 T+2 ");
}

TEST(FullScreenCycle, CommandJumpsInAndOut)
{
    FakeFrame f;
    CFullScreenCycle c(f);
    c.Command();
    EXPECT_EQ(c.Stage(), 3);
    EXPECT_TRUE(f.full);
    EXPECT_TRUE(f.AllHidden());
    c.Command();
    EXPECT_EQ(c.Stage(), 0);
    EXPECT_FALSE(f.full);
    EXPECT_TRUE(f.Original());
}

TEST(FullScreenCycle, CommandFromStageTwoStillRestoresEverything)
{
    FakeFrame f;
    CFullScreenCycle c(f);
    c.Cycle();
    c.Cycle();
    c.Command();   // enter the window from stage 2: bars are already hidden
    EXPECT_TRUE(f.full);
    c.Command();
    EXPECT_TRUE(f.Original());
}

TEST(FullScreenCycle, WindowShownAgainDuringStageOneIsRestoredToo)
{
    FakeFrame f;
    CFullScreenCycle c(f);
    c.Cycle();
    f.tools[1] = true;   // user toggles Colors on in stage 1
    c.Cycle();
    EXPECT_FALSE(f.tools[1]);
    c.Leave();
    EXPECT_TRUE(f.tools[0] && f.tools[1] && f.tools[2]);
}

TEST(FullScreenCycle, LeaveFromAPartialStageDoesNotTouchThePlacement)
{
    FakeFrame f;
    CFullScreenCycle c(f);
    c.Cycle();
    c.Leave();   // LeaveFullScreenWindow would fail its check if called
    EXPECT_FALSE(c.IsActive());
    EXPECT_TRUE(f.Original());
    // A second round starts from a clean memory.
    f.tools[0] = false;
    c.Cycle();
    c.Leave();
    EXPECT_FALSE(f.tools[0]);
}
