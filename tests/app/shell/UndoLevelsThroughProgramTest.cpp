// Several undo levels as a user sets and uses them: Edit > Preferences, the Edit menu's Undo
// and Redo with their keys, and what a save keeps afterwards.
#include "tests/app/support/ProgramRig.h"
#include "app/dialogs/CPreferencesDialog.h"
#include "app/widgets/CNumberSpinBox.h"
#include "core/commands/DocumentIO.h"
#include "core/model/CDocumentFile.h"
#include <QDialog>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {
using C = CommandId;

std::vector<QPoint> Row(int y, int n)
{
    std::vector<QPoint> pts;
    for (int i = 0; i < n; ++i)
        pts.push_back({30 + 25 * i, y});
    return pts;
}

void Key(ProgramRig& p, CChildFrame& c, Qt::Key key, Qt::KeyboardModifiers mods)
{
    QTest::keyClick(&c.DrawingWidget(), key, mods);
    p.Settle();
    c.DrawingWidget().RunEngine();
    p.frame->UpdateCommands();
}

void SetLevels(ProgramRig& p, const QString& levels)
{
    p.dialogs.Then([levels](QDialog& d) {
        auto* box = d.findChild<CNumberSpinBox*>("undoLevels");
        ASSERT_NE(box, nullptr);
        box->SetText(levels);
        d.accept();
    });
    p.Run(C::Preferences);
}
} // namespace

TEST(UndoLevelsThroughProgram, TwentyLevelsUndoThreeStrokesRedoTwoAndANewStrokeKeepsThem)
{
    ProgramRig p;
    CChildFrame* c = p.NewDrawing(300, 200);
    p.frame->UpdateCommands();
    EXPECT_FALSE(p.Act(C::EditRedo)->isVisible()) << "one level: Undo redoes";
    SetLevels(p, "20");
    ASSERT_EQ(p.app.Shell().m_undoLevels, 20);
    EXPECT_EQ(c->Doc().Undo().Levels(), 20) << "the open drawing follows";
    EXPECT_TRUE(p.Act(C::EditRedo)->isVisible());
    EXPECT_NE(p.frame->Toolbar(1)->widgetForAction(p.Act(C::EditRedo)), nullptr);

    std::vector<int> counts;
    for (int y : {40, 90, 140}) {
        p.Stroke(*c, Row(y, 6));
        counts.push_back(c->Doc().GetGlobCount());
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p.frame.get()));
    // The keys go to the drawing as typed there, once the frame is active after the dialog.
    p.frame->activateWindow();
    p.Settle();
    c->DrawingWidget().setFocus();
    p.Settle();

    for (int i = 0; i < 3; ++i) {
        Key(p, *c, Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(c->View().ShownCount(), 0);
    EXPECT_FALSE(p.Act(C::EditUndo)->isEnabled());
    EXPECT_EQ(p.Act(C::EditRedo)->text(), "&Redo Drawing");
    const QImage empty = c->DrawingWidget().ImageView().copy();
    EXPECT_EQ(empty.pixel(30, 40), empty.pixel(290, 190)) << "only the background";

    Key(p, *c, Qt::Key_Y, Qt::ControlModifier);
    Key(p, *c, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(c->View().ShownCount(), counts[1]);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Drawing");
    // The other keys of the two commands.
    Key(p, *c, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(c->View().ShownCount(), counts[0]);
    Key(p, *c, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(c->View().ShownCount(), counts[1]);

    p.Stroke(*c, Row(170, 4));
    const int total = c->Doc().GetGlobCount();
    EXPECT_GT(total, counts[1]);
    EXPECT_LT(total, counts[2]) << "the third stroke went for good";
    EXPECT_FALSE(p.Act(C::EditRedo)->isEnabled());
    EXPECT_TRUE(p.Act(C::EditUndo)->isEnabled());

    const std::string path = p.File("levels.dbx");
    c->Doc().SetPathName(path);
    p.Run(C::FileSave);
    CDaubrixDoc back(p.app.ShapeTable(), &p.host);
    DocumentBackground none;
    ASSERT_TRUE(ReadDocument(path, back, &none, false).ok);
    EXPECT_EQ(back.Globs(), c->Doc().Globs());
    ASSERT_EQ(back.Sections().Count(), 3);
    EXPECT_EQ(back.Sections().At(0), counts[0]);
    EXPECT_EQ(back.Sections().At(1), counts[1]);
    EXPECT_EQ(back.Sections().At(2), total);

    // Back to one level: Redo leaves the menu and Undo takes turns again.
    SetLevels(p, "1");
    EXPECT_FALSE(p.Act(C::EditRedo)->isVisible());
    Key(p, *c, Qt::Key_Z, Qt::ControlModifier);
    Key(p, *c, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(c->View().ShownCount(), total);
}

TEST(UndoLevelsThroughProgram, PreferencesRefuseANumberOutOfRangeAndKeepTheSettings)
{
    ProgramRig p;
    p.NewDrawing(200, 150);
    QString warned;
    p.dialogs.Then([&warned](QDialog& d) {
        auto* seconds = d.findChild<CNumberSpinBox*>("playbackSeconds");
        ASSERT_NE(seconds, nullptr);
        seconds->SetText("601");
        auto* dialog = qobject_cast<CPreferencesDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        dialog->m_warn = [&warned](const QString& text) { warned = text; };
        d.accept();
        EXPECT_TRUE(d.isVisible()) << "refused";
        seconds->SetText("30");
        d.findChild<CNumberSpinBox*>("autoSaveMinutes")->SetText("0");
        d.accept();
    });
    p.Run(C::Preferences);
    EXPECT_FALSE(warned.isEmpty());
    EXPECT_EQ(p.app.Shell().m_playbackSeconds, 30);
    EXPECT_EQ(p.app.Shell().m_autoSaveMinutes, 0);
    EXPECT_EQ(p.app.Shell().m_undoLevels, 1);
}
