#include "core/model/CSectionList.h"
#include "core/model/CUndoState.h"
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {
// At most ten distinct ascending boundaries, none below the floor. (Cutting the hidden globs
// back to the floor leaves a boundary standing on it.)
std::string Broken(const CSectionList& s)
{
    if (s.Count() > CSectionList::kMax)
        return "count";
    for (int i = 0; i < s.Count(); ++i) {
        if (s.At(i) < s.Floor())
            return "boundary " + std::to_string(s.At(i)) + " below floor " + std::to_string(s.Floor());
        if (i > 0 && s.At(i) <= s.At(i - 1))
            return "not ascending at " + std::to_string(i);
    }
    return "";
}
} // namespace

// Random strokes (boundaries at growing ends), history truncations, cuts and pastes above the
// floor, and their undo swaps: the list keeps its rules throughout.
TEST(SectionList, KeepsItsRulesThroughEveryEdit)
{
    std::mt19937 rng(7);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int run = 0; run < 200; ++run) {
        CSectionList s;
        int end = 0;
        for (int step = 0; step < 60; ++step) {
            switch (pick(5)) {
            case 0:
                end += 1 + pick(20);
                s.Add(end);
                break;
            case 1:
                end = s.Floor() + pick(end - s.Floor() + 1);
                s.TruncateAt(end);
                break;
            case 2: {
                const int from = s.Floor() + pick(end - s.Floor() + 1);
                const int to = from + pick(end - from + 1);
                s.Save();
                s.CutOut(from, to, false);
                end -= to - from;
                break;
            }
            case 3: {
                const int at = s.Floor() + 1 + pick(end - s.Floor() + 1);
                const int n = 1 + pick(10);
                s.Save();
                if (!s.Contains(at))
                    s.Add(at);
                s.ShiftFrom(at, n);
                s.Add(at);
                end += n;
                break;
            }
            default: {
                const CSectionList before = s;
                s.Swap();
                s.Swap();
                ASSERT_EQ(s.Count(), before.Count());
                ASSERT_EQ(s.Floor(), before.Floor());
                for (int i = 0; i < s.Count(); ++i)
                    ASSERT_EQ(s.At(i), before.At(i));
            }
            }
            ASSERT_EQ(Broken(s), "") << "run " << run << " step " << step;
        }
    }
}

TEST(SectionList, TheEleventhBoundaryRaisesTheFloorAndClearHidesUntilShownAgain)
{
    CSectionList s;
    for (int p = 10; p <= 110; p += 10)
        s.Add(p);
    EXPECT_EQ(s.Count(), 10);
    EXPECT_EQ(s.Floor(), 10);
    EXPECT_EQ(s.At(0), 20);
    EXPECT_EQ(s.StartFor(25), 20);
    EXPECT_EQ(s.StartFor(15), 10) << "below the first boundary the section starts at the floor";
    EXPECT_FALSE(s.Add(5)) << "below everything with the list full: only the floor may move";

    const CSectionList::Hidden h = s.Hide();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.Floor(), 0);
    s.Unhide(h);
    EXPECT_EQ(s.Count(), 10);
    EXPECT_EQ(s.Floor(), 10);
}

// Every action through undo and redo, and the forgetting rules of the slider and clipboard.
TEST(UndoState, EachActionFlipsBetweenUndoAndRedoAndForgetsOnlyWhatItIsAskedTo)
{
    for (int a = kUndoDepth; a <= kUndoActionCount; ++a) {
        const auto action = static_cast<UndoKind>(a);
        CUndoState u;
        EXPECT_FALSE(u.Menu().enabled);
        u.Record(action);
        EXPECT_EQ(u.Action(), action);
        EXPECT_FALSE(u.IsRedo());
        EXPECT_STREQ(u.Menu().text, UndoMenuFor(a).text);
        u.Flip();
        EXPECT_TRUE(u.IsRedo());
        EXPECT_EQ(u.Kind(), a + kUndoActionCount);
        EXPECT_EQ(std::string(u.Menu().text).rfind("&Redo", 0), 0u) << u.Menu().text;
        u.ForgetUndoOf(action);
        EXPECT_EQ(u.Action(), action) << "waiting to be redone, not undone";
        u.ForgetRedoOf(action);
        EXPECT_EQ(u.Action(), kUndoNone);

        u.Record(action);
        u.ForgetAction(action == kUndoDrawing ? kUndoClear : kUndoDrawing);
        EXPECT_EQ(u.Action(), action);
        u.Flip();
        u.ForgetAction(action);
        EXPECT_EQ(u.Kind(), kUndoNone);
        u.Flip();
        EXPECT_EQ(u.Kind(), kUndoNone) << "nothing to flip";
    }
    CUndoState stored;
    stored.Restore(2 * kUndoActionCount + 1);
    EXPECT_EQ(stored.Action(), kUndoNone) << "a kind past the table does nothing";
    EXPECT_FALSE(stored.Menu().enabled);
}
