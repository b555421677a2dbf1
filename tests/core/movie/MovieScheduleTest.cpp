#include "core/movie/MovieSchedule.h"
#include <gtest/gtest.h>

TEST(MovieScheduleTest, FramesFollowTheSinglePrecisionStepAndTheLastShowsEveryGlob)
{
    struct Case {
        int shown, frames;
        bool firstEmpty;
        std::vector<int> counts;
    };
    const Case cases[] = {
        {100, 10, false, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        // The step 100/9 in single precision falls just short; the last frame still gets 100.
        {100, 10, true, {0, 11, 22, 33, 44, 55, 66, 77, 88, 100}},
        {10, 4, true, {0, 3, 6, 10}},
        {1000, 7, true, {0, 166, 333, 500, 666, 833, 1000}},
        {7, 3, false, {2, 4, 7}},
        {5, 5, false, {1, 2, 3, 4, 5}},
        {1, 1, false, {1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MovieFrameCounts(c.shown, c.frames, c.firstEmpty), c.counts)
            << c.shown << " globs, " << c.frames << " frames" << (c.firstEmpty ? ", first empty" : "");
    EXPECT_TRUE(MovieFrameCounts(10, 0, false).empty());
}

TEST(MovieScheduleTest, FrameCountSizeLengthAndFileNames)
{
    EXPECT_EQ(MovieFrameCount(50, 20, false), 20);   // no more frames than globs shown
    EXPECT_EQ(MovieFrameCount(0, 20, false), 1);
    EXPECT_EQ(MovieFrameCount(1, 20, true), 2);      // an empty first frame needs a second one
    EXPECT_EQ(MovieFrameCount(10, 5, true), 5);
    EXPECT_EQ(ScaledSide(641, 50), 320);
    EXPECT_EQ(ScaledSide(480, 50), 240);
    EXPECT_EQ(ScaledSide(641, 200), 1282);
    EXPECT_EQ(MovieLengthText(10, 30), "0.33");
    EXPECT_EQ(MovieLengthText(10, 0), "10.00");
    EXPECT_EQ(MovieLengthText(1000, 120), "8.33");
    EXPECT_EQ(SequenceFileName("/art/grow.bmp", 0), "/art/grow000.bmp");
    EXPECT_EQ(SequenceFileName("/art/grow.bmp", 42), "/art/grow042.bmp");
    EXPECT_EQ(SequenceFileName("/art/grow.bmp", 1000), "/art/grow1000.bmp");
    EXPECT_EQ(SequenceFileName("/a.b/grow", 7), "/a.b/grow007");
}
