#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include "app/shell/CChildFrame.h"
#include "app/program/CFeatureWiring.h"
#include "tests/core/support/TempDir.h"
#include "app/view/CDrawingWidget.h"
#include "app/windows/CColorsWindow.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include "app/windows/CShapesWindow.h"
#include <QAction>
#include <QTest>
#include <gtest/gtest.h>
#include "core/settings/CAutoChange.h"
#include "app/widgets/CTickSlider.h"
#include <cmath>
#include <filesystem>

TEST(FeatureWiring, ToolWindowsReplaceThePlaceholders)
{
    ProgramRig w;
    EXPECT_EQ(w.frame->ToolWindowWidget(CMainFrame::ShapesWindow), w.wiring->ShapesWindow());
    EXPECT_EQ(w.frame->ToolWindowWidget(CMainFrame::ColorsWindow), w.wiring->ColorsWindow());
    EXPECT_EQ(w.frame->ToolWindowWidget(CMainFrame::HistoryWindow), w.wiring->HistoryWindow());
    // The drawing commands are live, with their check marks from the settings.
    EXPECT_TRUE(w.Act(CommandId::PolarMirror)->isEnabled());
    EXPECT_EQ(w.Act(CommandId::PolarMirror)->isChecked(), w.app.Drawing().m_polar != 0);
    EXPECT_FALSE(w.Act(CommandId::SaveImage)->isEnabled()) << "no drawing open";
    EXPECT_FALSE(w.Act(CommandId::EditUndo)->isEnabled());
}

TEST(FeatureWiring, StrokeUndoAndRedoThroughTheEditMenu)
{
    ProgramRig w;
    CChildFrame* c = w.NewDrawing(300, 200);
    w.Stroke(*c, {{100, 100}, {120, 100}, {140, 110}, {160, 120}});
    CDaubrixDoc& doc = c->Doc();
    const int globs = doc.GetGlobCount();
    ASSERT_GT(globs, 0);
    EXPECT_EQ(c->View().ShownCount(), globs);
    EXPECT_TRUE(w.Act(CommandId::EditUndo)->isEnabled());
    EXPECT_EQ(w.Act(CommandId::EditUndo)->text(), "&Undo Drawing");
    const QImage drawn = c->DrawingWidget().ImageView().copy();

    w.Act(CommandId::EditUndo)->trigger();
    c->DrawingWidget().RunEngine();
    w.frame->UpdateCommands();
    EXPECT_EQ(c->View().ShownCount(), 0);
    EXPECT_EQ(w.Act(CommandId::EditUndo)->text(), "&Redo Drawing");
    EXPECT_NE(c->DrawingWidget().ImageView(), drawn);

    w.Act(CommandId::EditUndo)->trigger();
    c->DrawingWidget().RunEngine();
    EXPECT_EQ(c->View().ShownCount(), globs);
    EXPECT_EQ(c->DrawingWidget().ImageView(), drawn);
}

TEST(FeatureWiring, SaveAndReopenGiveTheSameDrawing)
{
    ProgramRig w;
    CChildFrame* c = w.NewDrawing(240, 160);
    w.Stroke(*c, {{40, 40}, {80, 60}, {120, 80}});
    w.Stroke(*c, {{60, 120}, {100, 110}});
    const std::string path = w.data.Path() + "/two strokes.dbx";
    c->Doc().SetPathName(path);
    w.Act(CommandId::FileSave)->trigger();
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(c->Doc().IsModified());
    EXPECT_EQ(w.frame->RecentFiles().value(0), QString::fromStdString(path));

    // The file is open already: its window is the answer. Closed, it is read back.
    ASSERT_TRUE(w.frame->OpenFile(QString::fromStdString(path)));
    EXPECT_EQ(w.frame->ActiveChild(), c);
    const int globs = c->Doc().GetGlobCount();
    const QImage image = c->DrawingWidget().ImageView().copy();
    c->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(w.frame->OpenFile(QString::fromStdString(path)));
    CChildFrame* again = w.frame->ActiveChild();
    ASSERT_NE(again, nullptr);
    again->DrawingWidget().RunEngine();
    EXPECT_EQ(again->Doc().GetGlobCount(), globs);
    EXPECT_EQ(again->Doc().Width(), 240);
    EXPECT_EQ(again->DrawingWidget().ImageView(), image);
    EXPECT_EQ(again->Doc().Title(), "two strokes.dbx");
}

TEST(FeatureWiring, BrokenFileOpensNothing)
{
    ProgramRig w;
    const std::string path = w.data.Path() + "/broken.dbx";
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("\x07" "Daubrix but not really", f);
    std::fclose(f);
    EXPECT_FALSE(w.frame->OpenFile(QString::fromStdString(path)));
    EXPECT_TRUE(w.frame->Children().isEmpty());
    ASSERT_FALSE(w.host.messages.empty());
    EXPECT_EQ(w.host.messages.back().text, "Unexpected file format.");
}

TEST(FeatureWiring, MirrorCommandsKeepTheirExclusionsAndCheckMarks)
{
    ProgramRig w;
    w.NewDrawing(200, 100);
    w.Act(CommandId::MirrorBoth)->trigger();
    w.frame->UpdateCommands();
    EXPECT_TRUE(w.Act(CommandId::MirrorBoth)->isChecked());
    w.Act(CommandId::MirrorHorizontal)->trigger();
    w.frame->UpdateCommands();
    EXPECT_TRUE(w.Act(CommandId::MirrorHorizontal)->isChecked());
    EXPECT_FALSE(w.Act(CommandId::MirrorBoth)->isChecked()) << "one mirror at a time";
}

TEST(FeatureWiring, RealShapeSetDrawsThroughTheWholeProgram)
{
    ProgramRig w;
    CDaubrixApp& app = w.app;
    app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &w.host);
    ASSERT_GE(app.ShapeTable().Count(), 36);
    ASSERT_TRUE(app.ShapeTable().PrepareAll());
    w.wiring->ShapesWindow()->InvalidateShapes();
    app.Drawing().m_polar = 1;
    app.Drawing().m_polarCount = 6;
    app.AutoColor().m_autoHue = 1;   // drift upwards
    app.AutoColor().m_autoHueSpeed = 10;
    app.AutoChange().InitAll();
    CChildFrame* c = w.NewDrawing(420, 320);
    std::vector<QPoint> spiral;
    for (int i = 0; i < 120; ++i) {
        double a = i * 0.09, r = 10 + i * 1.2;
        spiral.push_back(QPoint(int(210 + r * std::cos(a)), int(160 + r * std::sin(a))));
    }
    w.Stroke(*c, spiral);
    const CDaubrixDoc& doc = c->Doc();
    ASSERT_GT(doc.GetGlobCount(), 600);
    EXPECT_GT(doc.GetColorChangeCount(), 3) << "the hue drifted during the stroke";
    for (QWidget* t : {static_cast<QWidget*>(w.wiring->ShapesWindow()), static_cast<QWidget*>(w.wiring->ColorsWindow()),
                       static_cast<QWidget*>(w.wiring->HistoryWindow())})
        t->show();
    w.wiring->HistoryWindow()->Reload();
    QApplication::processEvents();
    EXPECT_EQ(w.wiring->HistoryWindow()->Slider()->maximum(), doc.GetGlobCount());
    MaybeShoot(*w.frame, "program_frame");
    MaybeShoot(*w.wiring->ShapesWindow(), "program_shapes");
    MaybeShoot(*w.wiring->ColorsWindow(), "program_colors");
    MaybeShoot(*w.wiring->HistoryWindow(), "program_history");
}
