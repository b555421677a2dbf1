#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include "app/shell/CChildFrame.h"
#include "app/view/CDrawingWidget.h"
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

TEST(ChildFrame, MaximizedSmallDrawingStandsCentredInWorkspaceColour)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.frame->resize(1000, 800);
    rig.frame->show();
    CChildFrame* child = rig.frame->NewDrawing();
    ASSERT_NE(child, nullptr);
    child->Doc().SetBackgroundColor(MakeColorRef(200, 30, 40));
    rig.Settle();
    QSize normalSize = child->size();

    child->showMaximized();
    rig.Settle();
    EXPECT_TRUE(child->IsMaximizedFrame());
    QWidget* viewport = child->ScrollArea().viewport();
    QSize vs = viewport->size();
    ASSERT_GT(vs.width(), 400);
    ASSERT_GT(vs.height(), 400);
    EXPECT_EQ(child->DrawingWidget().pos(), QPoint((vs.width() - 400) / 2, (vs.height() - 400) / 2));
    EXPECT_FALSE(child->ScrollArea().horizontalScrollBar()->isVisible());
    EXPECT_FALSE(child->ScrollArea().verticalScrollBar()->isVisible());

    child->DrawingWidget().RunEngine();
    QImage shot = viewport->grab().toImage();
    QColor workspace = QColor(rig.frame->Workspace()->background().color().rgb());
    EXPECT_EQ(QColor(shot.pixel(2, 2)), workspace);
    EXPECT_EQ(QColor(shot.pixel(vs.width() - 3, vs.height() - 3)), workspace);
    EXPECT_EQ(QColor(shot.pixel(vs.width() / 2, vs.height() / 2)), QColor(200, 30, 40));
    MaybeShoot(*rig.frame, "maximized_drawing");

    // Restoring brings back the frame of exactly the drawing.
    child->showNormal();
    rig.Settle();
    EXPECT_FALSE(child->IsMaximizedFrame());
    EXPECT_EQ(child->size(), normalSize);
    EXPECT_EQ(child->ScrollArea().viewport()->size(), QSize(400, 400));
}

TEST(ChildFrame, NeverLargerThanTheDrawingAndScrollsWhenSmaller)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.frame->resize(1000, 800);
    rig.frame->show();
    rig.nextW = 300;
    rig.nextH = 250;
    CChildFrame* child = rig.frame->NewDrawing();
    ASSERT_NE(child, nullptr);
    rig.Settle();
    QSize full = child->size();
    child->resize(full.width() + 200, full.height() + 150);
    rig.Settle();
    EXPECT_EQ(child->size(), full);
    EXPECT_FALSE(child->ScrollArea().horizontalScrollBar()->isVisible());

    child->resize(full.width() - 100, full.height() - 80);
    rig.Settle();
    EXPECT_TRUE(child->ScrollArea().horizontalScrollBar()->isVisible());
    EXPECT_TRUE(child->ScrollArea().verticalScrollBar()->isVisible());
}

TEST(ChildFrame, LargeDrawingStartsInsideTheWorkspace)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.frame->resize(700, 500);
    rig.frame->show();
    rig.nextW = 2048;
    rig.nextH = 1500;
    CChildFrame* child = rig.frame->NewDrawing();
    ASSERT_NE(child, nullptr);
    rig.Settle();
    QRect area = rig.frame->Workspace()->viewport()->rect();
    EXPECT_LE(child->geometry().right(), area.right());
    EXPECT_LE(child->geometry().bottom(), area.bottom());
    EXPECT_TRUE(child->ScrollArea().verticalScrollBar()->isVisible());
}

TEST(ChildFrame, ClosingAModifiedDrawingAsksToSave)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.frame->show();
    CChildFrame* child = rig.frame->NewDrawing();
    ASSERT_NE(child, nullptr);
    child->Doc().SetModifiedFlag();

    rig.host.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(child->close());
    ASSERT_EQ(rig.host.questions.size(), 1u);
    EXPECT_EQ(rig.host.questions[0], "Save changes to Daubrix1?");
    EXPECT_EQ(rig.frame->Children().size(), 1);

    // Yes with a save that fails keeps the drawing.
    int saves = 0;
    rig.frame->m_saveDocument = [&](CChildFrame&) { return ++saves, false; };
    rig.host.answers = {MsgAnswer::Yes};
    EXPECT_FALSE(child->close());
    EXPECT_EQ(saves, 1);

    rig.host.answers = {MsgAnswer::No};
    EXPECT_TRUE(child->close());
    rig.Settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(rig.frame->Children().isEmpty());

    // An unmodified drawing closes without a question.
    CChildFrame* plain = rig.frame->NewDrawing();
    ASSERT_NE(plain, nullptr);
    size_t asked = rig.host.questions.size();
    EXPECT_TRUE(plain->close());
    EXPECT_EQ(rig.host.questions.size(), asked);
}
