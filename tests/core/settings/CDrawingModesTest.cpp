#include "core/settings/CDrawingModes.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace {
using M = CDrawingModes;
constexpr M::Mode kAll[] = {M::kLines, M::kPattern, M::kJitter, M::kSkipping, M::kMoveCenter, M::kSampleColor, M::kSampleShape};
constexpr M::Mode kOneShots[] = {M::kMoveCenter, M::kSampleColor, M::kSampleShape};
} // namespace

// Every row of the table: switching a mode on ends exactly the modes it names, and leaves the
// others that were on as they were.
TEST(DrawingModes, EveryModeSwitchesOffWhatItCannotWorkWith)
{
    for (M::Mode mode : kAll)
        for (M::Mode other : kAll) {
            if (other == mode)
                continue;
            CDrawingSettings drawing;
            drawing.m_jitter = 0;
            CDrawingModes modes(drawing);
            modes.Set(other, true);
            ASSERT_TRUE(modes.IsOn(other));
            modes.Set(mode, true);
            const bool ends = (M::SwitchesOff(mode) & (1u << other)) != 0;
            const std::string what = std::to_string(mode) + " after " + std::to_string(other);
            EXPECT_TRUE(modes.IsOn(mode)) << what;
            // A one-shot mode puts Lines aside without ending it: it comes back afterwards.
            if (other == M::kLines && M::IsOneShot(mode)) {
                EXPECT_FALSE(modes.IsOn(M::kLines)) << what;
                modes.LeaveOneShot();
                EXPECT_TRUE(modes.IsOn(M::kLines)) << what;
                continue;
            }
            EXPECT_EQ(modes.IsOn(other), !ends) << what;
        }
}

TEST(DrawingModes, TheClickGoesToTheToolOfTheModesOn)
{
    CDrawingSettings drawing;
    CDrawingModes modes(drawing);
    EXPECT_EQ(modes.Tool(), DrawingTool::Freehand);
    modes.Set(M::kPattern, true);
    EXPECT_EQ(modes.Tool(), DrawingTool::Pattern);
    modes.Set(M::kLines, true);
    EXPECT_EQ(modes.Tool(), DrawingTool::Lines);
    modes.Set(M::kSampleShape, true);
    EXPECT_EQ(modes.Tool(), DrawingTool::Sample);
    modes.Set(M::kMoveCenter, true);
    EXPECT_EQ(modes.Tool(), DrawingTool::MoveCenter);
    modes.GiveLinesBack();   // the click began: Lines is back, the release still goes to the mode
    EXPECT_EQ(modes.Tool(), DrawingTool::MoveCenter);
    modes.LeaveOneShot();
    EXPECT_EQ(modes.Tool(), DrawingTool::Lines);
}

// Every sequence of up to four one-shot steps, from Lines on and off: once no one-shot mode
// is left, Lines is what it was, and while one waits Lines is off.
TEST(DrawingModes, LinesComesBackOnEveryPathOutOfTheOneShotModes)
{
    std::vector<std::function<void(M&)>> steps;
    for (M::Mode m : kOneShots) {
        steps.push_back([m](M& x) { x.Set(m, true); });
        steps.push_back([m](M& x) { x.Set(m, false); });
        steps.push_back([m](M& x) { x.Toggle(m); });
    }
    steps.push_back([](M& x) { x.LeaveOneShot(); });
    steps.push_back([](M& x) { x.GiveLinesBack(); });
    const size_t n = steps.size();
    for (int lines : {0, 1})
        for (size_t length = 1; length <= 4; ++length) {
            size_t total = 1;
            for (size_t i = 0; i < length; ++i)
                total *= n;
            for (size_t code = 0; code < total; ++code) {
                CDrawingSettings drawing;
                drawing.m_lineMode = lines;
                CDrawingModes modes(drawing);
                bool givenBack = false;
                for (size_t i = 0, c = code; i < length; ++i, c /= n) {
                    const size_t step = c % n;
                    steps[step](modes);
                    givenBack = step == n - 1 ? modes.AnyOneShot() : (modes.AnyOneShot() && givenBack);
                    if (!modes.AnyOneShot()) {
                        ASSERT_EQ(drawing.m_lineMode, lines) << "lines " << lines << " code " << code;
                    } else if (!givenBack) {
                        ASSERT_EQ(drawing.m_lineMode, 0) << "lines " << lines << " code " << code;
                    }
                }
                modes.LeaveOneShot();
                ASSERT_EQ(drawing.m_lineMode, lines) << "lines " << lines << " code " << code;
            }
        }
}

TEST(DrawingModes, LinesChosenOrDroppedWhileAOneShotModeWaitsStands)
{
    CDrawingSettings drawing;
    CDrawingModes modes(drawing);
    modes.Set(M::kSampleColor, true);
    modes.Set(M::kLines, true);
    EXPECT_FALSE(modes.AnyOneShot()) << "Lines ends the waiting mode";
    EXPECT_EQ(drawing.m_lineMode, 1);

    modes.Set(M::kMoveCenter, true);
    modes.Set(M::kPattern, true);   // Pattern ends Lines, also while it is put aside
    modes.LeaveOneShot();
    EXPECT_EQ(drawing.m_lineMode, 0);
    EXPECT_TRUE(modes.IsOn(M::kPattern));
}

// Each row alone: its clicks go to its tool, a stored mode is its setting and one kept for the
// run is not, and switching it off leaves every setting as it was before.
TEST(DrawingModes, EachRowAloneGivesItsToolAndKeepsItsStateWhereTheRowSays)
{
    for (M::Mode mode : kAll) {
        CDrawingSettings drawing;
        drawing.m_jitter = 0;
        CDrawingModes modes(drawing);
        const M::Rule& rule = M::kRules[mode];
        modes.Set(mode, true);
        const DrawingTool want = rule.tool == DrawingTool::Count ? DrawingTool::Freehand : rule.tool;
        EXPECT_EQ(modes.Tool(), want) << mode;
        EXPECT_EQ(modes.AnyOneShot(), M::IsOneShot(mode)) << mode;
        for (M::Mode other : kAll) {
            if (const auto field = M::kRules[other].stored) {
                EXPECT_EQ(drawing.*field, other == mode ? 1 : 0) << mode << " " << other;
            }
        }
        modes.Set(mode, false);
        EXPECT_FALSE(modes.IsOn(mode)) << mode;
        EXPECT_EQ(modes.Tool(), DrawingTool::Freehand) << mode;
        EXPECT_EQ(drawing.m_lineMode + drawing.m_jitter + drawing.m_skipping, 0) << mode;
    }
    // Modes for the run end with it; stored ones stay.
    CDrawingSettings drawing;
    CDrawingModes modes(drawing);
    modes.Set(M::kSkipping, true);
    modes.Set(M::kSampleColor, true);
    modes.ResetRunModes();
    EXPECT_FALSE(modes.IsOn(M::kSampleColor));
    EXPECT_TRUE(modes.IsOn(M::kSkipping));
}
