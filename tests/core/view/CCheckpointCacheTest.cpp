#include "core/view/CCheckpointCache.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
struct CacheFixture : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    CCheckpointCache cache;
    const CImage32 picture{20, 10, MakePixel(1, 2, 3)};

    void SetUp() override { LoadTestShapes(app.ShapeTable()); }
    size_t OnePicture() { return picture.ByteCount() + static_cast<size_t>(app.ShapeTable().Count()) * 8; }
    std::vector<int> Kept() const
    {
        std::vector<int> kept;
        for (int p = 0; p <= 100; ++p)
            if (cache.Has(p))
                kept.push_back(p);
        return kept;
    }
};
} // namespace

TEST_F(CacheFixture, TheLeastUsefulGoFirstAndTheBudgetIsNeverPassed)
{
    cache.SetBudget(3 * OnePicture());
    const std::vector<int> wanted = {10, 30, 40};
    for (int p : {10, 20, 30})
        cache.Store(p, picture, app.ShapeTable(), wanted);
    CImage32 out;
    ASSERT_TRUE(cache.Restore(10, out, app.ShapeTable()));
    EXPECT_EQ(out, picture);

    // 20 is no longer at a boundary: it goes before any wanted one.
    cache.Store(40, picture, app.ShapeTable(), wanted);
    EXPECT_EQ(Kept(), (std::vector<int>{10, 30, 40}));
    // Among wanted ones the longest unused goes: 30 (10 was restored since).
    cache.Store(50, picture, app.ShapeTable(), wanted);
    EXPECT_EQ(Kept(), (std::vector<int>{10, 40, 50}));
    EXPECT_EQ(cache.PeakBytes(), 3 * OnePicture());

    EXPECT_EQ(cache.NearestAtOrBelow(45), 40);
    EXPECT_EQ(cache.NearestAtOrBelow(9), -1);
    cache.DropAbove(40);
    EXPECT_EQ(Kept(), (std::vector<int>{10, 40})) << "a change at 40 leaves the picture of globs below it";
    cache.SetBudget(OnePicture() - 1);
    EXPECT_TRUE(Kept().empty()) << "nothing fits any more";
    cache.Store(60, picture, app.ShapeTable(), wanted);
    EXPECT_FALSE(cache.Has(60));
    EXPECT_EQ(cache.Bytes(), 0u);
}

TEST_F(CacheFixture, RestorePutsTheShapesColoursBack)
{
    CShapeTable& shapes = app.ShapeTable();
    shapes.Shape(1).Recolor(120, 255, 255);
    const CImage32 green = shapes.Shape(1).Colored();
    const CImage32 raw = shapes.Shape(2).Colored();
    cache.Store(5, picture, shapes, {});
    shapes.Shape(1).Recolor(0, 255, 255);
    shapes.Shape(2).Recolor(240, 100, 100);
    CImage32 out;
    ASSERT_TRUE(cache.Restore(5, out, shapes));
    EXPECT_EQ(shapes.Shape(1).Colored(), green);
    EXPECT_EQ(shapes.Shape(2).Colored(), raw) << "a shape never recoloured is back as prepared";
}
