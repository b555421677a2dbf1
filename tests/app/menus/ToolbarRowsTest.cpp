#include "app/shell/CMainFrame.h"
#include "core/base/CMapProfile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include <QApplication>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
bool ExtensionShown(QToolBar* bar)
{
    for (QToolButton* b : bar->findChildren<QToolButton*>("qt_toolbar_ext_button"))
        if (b->isVisible())
            return true;
    return false;
}
} // namespace

TEST(ToolbarRows, EveryButtonFitsTheDefaultWindowAndAStoredRowIsKept)
{
    FakeHost host;
    CDaubrixApp app(host);
    LoadTestShapes(app.ShapeTable());
    CMapProfile profile;
    {
        CMainFrame frame(app, profile);
        frame.resize(640, 480);
        frame.show();
        QApplication::processEvents();
        for (int i = 0; i < 2; ++i) {
            EXPECT_FALSE(ExtensionShown(frame.Toolbar(i))) << i;
            EXPECT_TRUE(frame.rect().contains(frame.Toolbar(i)->geometry())) << i;
        }
        EXPECT_GT(frame.Toolbar(1)->y(), frame.Toolbar(0)->y());
        // The user drags the second bar up beside the first one.
        frame.removeToolBarBreak(frame.Toolbar(1));
        QApplication::processEvents();
        ASSERT_EQ(frame.Toolbar(1)->y(), frame.Toolbar(0)->y());
        frame.close();
    }
    CMainFrame next(app, profile);
    next.resize(900, 480);
    next.show();
    QApplication::processEvents();
    EXPECT_EQ(next.Toolbar(1)->y(), next.Toolbar(0)->y());
}
