#include "tests/core/support/DrawingFixture.h"
#include "core/commands/DrawingCommands.h"
#include "core/view/Symmetry.h"

using Symmetry = DrawingFixture;

TEST_F(Symmetry, ResetCentreOfTwoHundredByHundred)
{
    EXPECT_EQ(view->Center(), (CPoint{97, 48}));
    EXPECT_EQ(DefaultCenter(1, 1), (CPoint{-2, -1}));
}

TEST_F(Symmetry, PolarRingAroundTheCentre)
{
    app.Drawing().m_polar = 1;
    app.Drawing().m_polarCount = 5;
    EXPECT_EQ(stroke().PlaceGlobs(107, 48, false, -1), 5);
    EXPECT_EQ(Globs(), (std::vector<CPoint>{{107, 48}, {100, 57}, {88, 53}, {88, 42}, {100, 38}}));
    EXPECT_EQ(view->PendingCount(), 5);
}

TEST_F(Symmetry, ClickOnTheCentreGivesCountGlobsThere)
{
    app.Drawing().m_polar = 1;
    app.Drawing().m_polarCount = 7;
    EXPECT_EQ(stroke().PlaceGlobs(97, 48, false, -1), 7);
    for (const CPoint& p : Globs())
        EXPECT_EQ(p, (CPoint{97, 48}));
}

TEST_F(Symmetry, MirrorBothGivesFourInOrder)
{
    DrawingCommands::ToggleMirrorBoth(app.Drawing(), view.get());
    stroke().PlaceGlobs(10, 20, false, -1);
    EXPECT_EQ(Globs(), (std::vector<CPoint>{{10, 20}, {184, 20}, {10, 76}, {184, 76}}));
}

TEST_F(Symmetry, PolarWithMirrorKeepsMirrorCopiesUnrotated)
{
    app.Drawing().m_polar = 1;
    app.Drawing().m_polarCount = 2;
    app.Drawing().m_mirrorHorizontal = 1;
    stroke().PlaceGlobs(107, 48, false, -1);
    // The mirror copy, then the ring; the point itself only as ring copy 0.
    ASSERT_EQ(Globs().size(), 3u);
    EXPECT_EQ(Globs()[0], (CPoint{87, 48}));
    EXPECT_EQ(Globs()[1], (CPoint{107, 48}));
    EXPECT_EQ(Globs()[2].x, 87);
}

TEST_F(Symmetry, CommandsKeepModesExclusive)
{
    ASSERT_EQ(app.Drawing().m_polar, 0);
    DrawingCommands::TogglePolar(app.Drawing(), view.get());
    EXPECT_EQ(app.Drawing().m_polar, 1);
    DrawingCommands::ToggleMirrorHorizontal(app.Drawing(), view.get());
    EXPECT_EQ(app.Drawing().m_mirrorHorizontal, 1);
    EXPECT_EQ(app.Drawing().m_polar, 0);
    DrawingCommands::ToggleMirrorVertical(app.Drawing(), view.get());
    EXPECT_EQ(app.Drawing().m_mirrorHorizontal, 0);
    EXPECT_EQ(app.Drawing().m_mirrorVertical, 1);
    DrawingCommands::ApplyPolar(app.Drawing(), view.get(), true, 8);
    EXPECT_EQ(app.Drawing().m_mirrorVertical, 0);
    EXPECT_EQ(app.Drawing().m_polarCount, 8);
    // Turning a mirror off leaves the others alone.
    DrawingCommands::ToggleMirrorBoth(app.Drawing(), view.get());
    DrawingCommands::ToggleMirrorBoth(app.Drawing(), view.get());
    EXPECT_EQ(app.Drawing().m_mirrorBoth, 0);
    EXPECT_EQ(app.Drawing().m_polar, 0);
}

TEST_F(Symmetry, RubberBandCopiesFollowTheSymmetry)
{
    std::vector<std::pair<CPoint, CPoint>> segs;
    app.Drawing().m_mirrorVertical = 1;
    SymmetricSegments(app.Drawing(), {97, 48}, {10, 10}, {20, 30}, segs);
    ASSERT_EQ(segs.size(), 2u);
    EXPECT_EQ(segs[1].first, (CPoint{10, 86}));
    EXPECT_EQ(segs[1].second, (CPoint{20, 66}));
    app.Drawing().m_mirrorVertical = 0;
    app.Drawing().m_polar = 1;
    app.Drawing().m_polarCount = 5;
    SymmetricSegments(app.Drawing(), {97, 48}, {107, 48}, {97, 48}, segs);
    ASSERT_EQ(segs.size(), 5u);
    EXPECT_EQ(segs[2].first, (CPoint{88, 53}));
    EXPECT_EQ(segs[2].second, (CPoint{97, 48}));
}

TEST_F(Symmetry, JitterRepeatsTheWholeCopyListPerJitteredPoint)
{
    app.Drawing().m_jitter = 1;
    app.Drawing().m_jitterAmount = 4;   // two jittered points
    app.Drawing().m_mirrorVertical = 1;
    EXPECT_EQ(stroke().PlaceGlobs(50, 30, false, -1), 4);
    const std::vector<CPoint> g = Globs();
    EXPECT_EQ(g[1], (CPoint{g[0].x, 96 - g[0].y}));
    EXPECT_EQ(g[3], (CPoint{g[2].x, 96 - g[2].y}));
    EXPECT_NE(g[0], g[2]);
}
