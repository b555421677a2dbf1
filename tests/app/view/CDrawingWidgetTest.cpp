#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/shell/CDaubrixApp.h"
#include "app/view/CDrawingWidget.h"
#include <gtest/gtest.h>

// The widget shows the engine's own pixels: what the engine drew is what the window paints.
TEST(CDrawingWidget, ShowsBackgroundAndAddedGlobs)
{
    FakeHost host;
    CDaubrixApp app(host);
    LoadTestShapes(app.ShapeTable());
    CDaubrixDoc doc(app.ShapeTable(), &host);
    doc.SetWidth(120);
    doc.SetHeight(80);
    doc.SetBackgroundColor(MakeColorRef(10, 20, 30));
    CDaubrixView view(app, doc);
    CDrawingWidget widget(view);
    widget.resize(120, 80);
    view.OnInitialUpdate();
    widget.RunEngine();

    QImage before = widget.grab().toImage();
    ASSERT_EQ(before.size(), QSize(120, 80));
    EXPECT_EQ(QColor(before.pixel(60, 40)), QColor(10, 20, 30));

    ASSERT_TRUE(doc.AddGlob(60, 40));
    view.ShowAddedGlobs(1);
    widget.RunEngine();
    QImage after = widget.grab().toImage();
    EXPECT_NE(QColor(after.pixel(60, 40)), QColor(10, 20, 30));
    EXPECT_EQ(QColor(after.pixel(2, 2)), QColor(10, 20, 30));
    // The grabbed window and the engine's image agree pixel for pixel.
    EXPECT_EQ(after.convertToFormat(QImage::Format_RGB32), widget.ImageView());
}
