// A window manager keeps a tool window above the frame only when it knows the frame already as
// the tool window's owner; a tool window mapped before its frame ends up behind it.
#include "tests/app/support/ProgramRig.h"
#include <QWindow>
#include <gtest/gtest.h>

namespace {
class ShowWatch : public QObject {
public:
    QWindow* frame = nullptr;
    QStringList shownBeforeFrame, shown;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            auto* w = static_cast<QWidget*>(o);
            shown << w->windowTitle();
            if (!frame || !frame->isVisible())
                shownBeforeFrame << w->windowTitle();
        }
        return false;
    }
};
} // namespace

TEST(ToolWindowsAboveFrame, TheyAreShownAfterTheFrameAndOwnedByIt)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.wiring = new CFeatureWiring(rig.Frame(), rig.app);
    ShowWatch watch;
    for (int i = 0; i < 3; ++i)
        rig.Frame().ToolWindowWidget(i)->installEventFilter(&watch);
    rig.Frame().winId();
    watch.frame = rig.Frame().windowHandle();
    rig.Frame().show();
    EXPECT_EQ(watch.shown.size(), 3);
    EXPECT_TRUE(watch.shownBeforeFrame.isEmpty()) << watch.shownBeforeFrame.join(", ").toStdString();
    for (int i = 0; i < 3; ++i) {
        QWidget* tool = rig.Frame().ToolWindowWidget(i);
        EXPECT_TRUE(tool->isVisible()) << i;
        ASSERT_NE(tool->windowHandle(), nullptr);
        EXPECT_EQ(tool->windowHandle()->transientParent(), rig.Frame().windowHandle()) << i;
    }
    // Shown again from the View menu, a tool window keeps its owner.
    rig.Frame().ToggleToolWindow(CMainFrame::ColorsWindow);
    rig.Frame().ToggleToolWindow(CMainFrame::ColorsWindow);
    EXPECT_EQ(rig.Frame().ToolWindowWidget(CMainFrame::ColorsWindow)->windowHandle()->transientParent(),
              rig.Frame().windowHandle());
}
