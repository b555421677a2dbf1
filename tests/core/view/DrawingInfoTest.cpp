#include "core/view/DrawingInfo.h"
#include "core/commands/ViewCommands.h"
#include "tests/core/support/DrawingFixture.h"

using DrawingInfoText = DrawingFixture;

TEST_F(DrawingInfoText, HiddenGlobsAndAPendingClear)
{
    doc.SetBackgroundColor(MakeColorRef(255, 10, 0));
    for (int i = 0; i < 120; ++i)
        ASSERT_TRUE(doc.AddGlob(i, 50));
    doc.SetColorChange(60, 30, 200, 200);
    view->OnInitialUpdate();
    DrawingInfo info = DescribeDrawing(*view);
    EXPECT_EQ(info.globs, "120 globs");
    EXPECT_EQ(info.colors, "2 colors");
    EXPECT_EQ(info.imageSize, "Image size is 200 x 100");
    EXPECT_EQ(info.background, "bg color  R:255  G:10  B:0");

    view->BrowseTo(100);
    info = DescribeDrawing(*view);
    EXPECT_EQ(info.globs, "120 globs  (20 hidden)");
    EXPECT_EQ(info.colors, "2 colors  (some hidden)");

    ViewCommands::ClearNow(*view);
    info = DescribeDrawing(*view);
    EXPECT_EQ(info.globs, "0 globs");
    EXPECT_EQ(info.colors, "0 colors");
    EXPECT_EQ(info.imageSize, "Image size is 200 x 100");
}
