// Play as a user starts and stops it in the program: Shift+P typed into the drawing, Esc.
#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include "app/widgets/CTickSlider.h"
#include <QTest>
#include <gtest/gtest.h>

TEST(PlaybackThroughProgram, ShiftPPlaysFromTheFloorAndEscStopsAtTheFrameShown)
{
    ProgramRig p;
    CChildFrame* c = p.NewDrawing(300, 200);
    for (int y : {40, 90, 140})
        p.Stroke(*c, {{20, y}, {100, y}, {200, y}, {280, y}});
    const int end = c->Doc().GetGlobCount();
    CDrawingHistoryWindow* history = p.wiring->HistoryWindow();
    ASSERT_NE(history, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p.frame.get()));
    p.frame->activateWindow();
    CDrawingWidget& w = c->DrawingWidget();

    QTest::keyClick(&w, Qt::Key_P, Qt::ShiftModifier);
    ASSERT_TRUE(history->Playing()) << "Shift+P is Play, not Polar Mirror";
    EXPECT_EQ(c->View().ShownCount(), 0);
    history->PlayFrame(5.0);
    w.RunEngine();
    const int halfway = c->View().ShownCount();
    EXPECT_NEAR(halfway, end / 2, end / 100 + 1) << "at half the length (the frame rate is the display's)";
    EXPECT_EQ(history->Slider()->value(), halfway);
    MaybeShoot(*p.frame, "playback_halfway");

    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(history->Playing());
    history->PlayFrame(9.0);
    EXPECT_EQ(c->View().ShownCount(), halfway) << "stopped where it was";
    p.frame->UpdateCommands();
    EXPECT_FALSE(p.Act(CommandId::EditUndo)->isEnabled()) << "as after a slider move";

    // Play goes on from there; a second Shift+P stops it again.
    QTest::keyClick(&w, Qt::Key_P, Qt::ShiftModifier);
    EXPECT_TRUE(history->Playing());
    QTest::keyClick(&w, Qt::Key_P, Qt::ShiftModifier);
    EXPECT_FALSE(history->Playing());
    EXPECT_EQ(c->View().ShownCount(), halfway);
}
