// The frame follows the drawings at once: its title names the front drawing once, and the
// commands' states change as soon as the document does, not at the next key.
#include "app/windows/CDrawingHistoryWindow.h"
#include "tests/app/support/ProgramRig.h"
#include <QMdiArea>
#include <gtest/gtest.h>

TEST(FrameFollows, TitleNamesTheFrontDrawingOnceMaximizedOrNot)
{
    ProgramRig rig;
    CChildFrame* first = rig.NewDrawing(200, 150);
    EXPECT_EQ(rig.Frame().windowTitle(), "Daubrix - Daubrix1");
    first->showMaximized();
    rig.Settle();
    EXPECT_EQ(rig.Frame().windowTitle(), "Daubrix - Daubrix1");
    rig.NewDrawing(100, 100);
    EXPECT_EQ(rig.Frame().windowTitle(), "Daubrix - Daubrix2");
    rig.Frame().Workspace()->setActiveSubWindow(first);
    rig.Settle();
    EXPECT_EQ(rig.Frame().windowTitle(), "Daubrix - Daubrix1");
    first->showNormal();
    rig.Settle();
    EXPECT_EQ(rig.Frame().windowTitle(), "Daubrix - Daubrix1");
    rig.Close(first);
    rig.Close(rig.Frame().ActiveChild());
    rig.Settle();
    EXPECT_EQ(rig.Frame().windowTitle(), "Daubrix");
}

TEST(FrameFollows, CommandsFollowAHistoryMoveAndAnyClickAtOnce)
{
    ProgramRig rig;
    CChildFrame* c = rig.Drawing(300, 200);
    rig.Stroke(*c, {{30, 150}, {150, 160}, {260, 150}});
    QAction* undo = rig.Act(CommandId::EditUndo);
    ASSERT_TRUE(undo->isEnabled());
    // Going back a section forgets Undo Drawing: the button goes grey now.
    rig.wiring->HistoryWindow()->PreviousSection();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_LT(c->View().ShownCount(), c->Doc().GetGlobCount());

    // Whatever else changes the document, the release of the click or key that did it
    // brings the commands up to date.
    rig.wiring->HistoryWindow()->NextSection();
    rig.Stroke(*c, {{30, 50}, {150, 60}});
    ASSERT_TRUE(undo->isEnabled());
    c->Doc().Undo().Forget();
    QTest::mouseRelease(rig.wiring->HistoryWindow(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    rig.Settle();
    EXPECT_FALSE(undo->isEnabled());
}
