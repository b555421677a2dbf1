#include "app/dialogs/CNewDrawingDialog.h"
#include "app/dialogs/CNoLoneMinimize.h"
#include "tests/app/support/ProgramRig.h"
#include <gtest/gtest.h>

// Window managers that offer iconify on every window: a modal dialog or a tool window
// iconified comes straight back, so the program is never blocked by a dialog out of sight.
TEST(NoLoneMinimize, ModalDialogsAndToolWindowsComeBack)
{
    CNoLoneMinimize::Install();
    ProgramRig rig;
    bool minimized = false, cameBack = false;
    rig.dialogs.Then(DialogAnswerer::Step{"restored", [&](QDialog& d) {
        if (!minimized) {
            minimized = true;
            d.setWindowState(d.windowState() | Qt::WindowMinimized);
            return false;
        }
        cameBack = !d.isMinimized() && d.isVisible();
        return cameBack;
    }, DialogAnswerer::Accept()});
    CNewDrawingDialog dialog(400, 400, false, &rig.Frame());
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(cameBack);

    QWidget* colors = rig.Frame().ToolWindowWidget(CMainFrame::ColorsWindow);
    ASSERT_TRUE(colors->isVisible());
    colors->setWindowState(Qt::WindowMinimized);
    for (int i = 0; i < 100 && colors->isMinimized(); ++i)
        QApplication::processEvents();
    EXPECT_FALSE(colors->isMinimized());
    EXPECT_TRUE(colors->isVisible());

    // The main window itself may be iconified as usual.
    rig.Frame().setWindowState(Qt::WindowMinimized);
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    EXPECT_TRUE(rig.Frame().isMinimized());
}
