#include "core/panels/CPlayback.h"
#include <array>
#include <gtest/gtest.h>

// Frame after frame the ranges join without gap or overlap and end at the end.
TEST(Playback, FramesCoverTheRangeOnceAndEndAtTheEnd)
{
    for (auto [start, end, frames] : {std::array{0, 1000000, 600}, std::array{37, 40, 600}, std::array{5, 5, 3},
                                      std::array{0, 7, 1}}) {
        CPlayback play(start, end, frames);
        int at = start, steps = 0;
        while (!play.Done()) {
            const CPlayback::Range r = play.Next();
            EXPECT_EQ(r.from, at);
            EXPECT_GE(r.to, r.from);
            at = r.to;
            ++steps;
        }
        EXPECT_EQ(at, end);
        EXPECT_EQ(steps, frames);
        EXPECT_EQ(play.Next().to, end) << "nothing after the end";
    }
    // A million globs in 600 frames: each adds 1666 or 1667.
    CPlayback play(0, 1000000, 600);
    EXPECT_EQ(play.PositionAt(1), 1666);
    EXPECT_EQ(play.PositionAt(300), 500000);
}

TEST(Playback, ASlowFrameMakesTheNextStepLargerSoTheLengthHolds)
{
    CPlayback play(100, 1300, CPlayback::FrameCount(2.0, 60));
    ASSERT_EQ(play.Frames(), 120);
    EXPECT_EQ(play.Advance(0.001, 60).to, play.PositionAt(1)) << "at least one frame on";
    // Half a second went by in one frame: the position catches up with the clock.
    const CPlayback::Range r = play.Advance(0.5, 60);
    EXPECT_EQ(r.from, play.PositionAt(1));
    EXPECT_EQ(r.to, 100 + 1200 * 30 / 120);
    EXPECT_EQ(play.Advance(9.0, 60).to, 1300);
    EXPECT_TRUE(play.Done());
    EXPECT_EQ(CPlayback::FrameCount(0.001, 60), 1);
    EXPECT_EQ(CPlayback::FrameCount(600, 60), 36000);
}
