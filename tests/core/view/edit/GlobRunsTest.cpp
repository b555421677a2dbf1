#include "core/view/edit/GlobRuns.h"
#include <gtest/gtest.h>

TEST(GlobRuns, MovingLeavesOutWhatAStoredCoordinateCannotHoldAndKeepsTheColours)
{
    CGlobBuffer b;
    b.m_globs = {CGlob(10, 10, 1), CGlob(32000, 5, 2), CGlob(20, -32000, 3), CGlob(30, 10, 4)};
    b.m_colorChanges = {CColorChange(0, 10, 255, 255), CColorChange(1, 20, 255, 255), CColorChange(3, 40, 255, 255),
                        CColorChange(4, 50, 255, 255)};
    b.m_refX = 100;
    b.m_refY = 100;
    // Right by 1000, up by 1000.
    const CGlobBuffer m = GlobRuns::MovedTo(b, {1100, -900});
    EXPECT_EQ(m.m_globs, (std::vector<CGlob>{CGlob(1010, -990, 1), CGlob(1030, -990, 4)}));
    // The change of a glob left out passes to the next one that stays, unless it has its own.
    EXPECT_EQ(m.m_colorChanges, (std::vector<CColorChange>{CColorChange(0, 10, 255, 255), CColorChange(1, 40, 255, 255),
                                                           CColorChange(2, 50, 255, 255)}));
    EXPECT_EQ(m.m_refX, 1100);
    // Inside the range nothing is lost.
    EXPECT_EQ(GlobRuns::MovedTo(b, {100, 100}).m_globs, b.m_globs);
}
