#include "tests/app/support/ProgramRig.h"
#include "app/shell/CShellStartup.h"
#include "core/shell/CSettingsTable.h"
#include "app/windows/CColorsWindow.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include "app/windows/CShapesWindow.h"
#include "app/widgets/CTickSlider.h"
#include <QMdiArea>
#include <QPainter>
#include <QPushButton>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// The three tool windows of a wired program, shown where a user would see them.
struct ToolWindows {
    ProgramRig& w;
    CShapesWindow& shapes;
    CColorsWindow& colors;
    CDrawingHistoryWindow& history;

    explicit ToolWindows(ProgramRig& rig)
        : w(rig), shapes(*rig.wiring->ShapesWindow()), colors(*rig.wiring->ColorsWindow()),
          history(*rig.wiring->HistoryWindow())
    {
        shapes.resize(150, 80);
        for (QWidget* t : {static_cast<QWidget*>(&shapes), static_cast<QWidget*>(&colors),
                           static_cast<QWidget*>(&history)})
            t->show();
        QApplication::processEvents();
    }

    CShapeTable& Table() { return w.app.ShapeTable(); }
    // Table index of the k-th shown shape (the table's own lookup also makes it current).
    int Shown(int k)
    {
        for (int i = 0; i < Table().Count(); ++i)
            if (Table().Shape(i).m_shown && k-- == 0)
                return i;
        return -1;
    }
    QPoint Cell(int k) { return {shapes.Palette().Layout().CentreX(k), shapes.Palette().Layout().CentreY(k)}; }
    void Pick(int k)
    {
        QTest::mouseClick(&shapes, Qt::LeftButton, {}, Cell(k));
        QApplication::processEvents();
    }
    HsvColor ColourOf(int shape) { return {Table().Shape(shape).m_hue, Table().Shape(shape).m_saturation, Table().Shape(shape).m_value}; }
    HsvColor LastHistoryEntry()
    {
        const CColorHistory& h = colors.Panel().History();
        return h.Entry(h.Count() - 1);
    }
};

QImage CursorPicture(CChildFrame& c)
{
    return c.DrawingWidget().cursor().mask().toImage().convertToFormat(QImage::Format_RGB32);
}

std::vector<QPoint> Line(QPoint from, QPoint to, int steps)
{
    std::vector<QPoint> pts;
    for (int i = 0; i <= steps; ++i)
        pts.push_back(from + (to - from) * i / steps);
    return pts;
}

} // namespace

TEST(ToolWindowsWiring, PaletteChoiceReachesColorsWindowAndTheDrawingCursor)
{
    ProgramRig w;
    ToolWindows t(w);
    for (int k = 0; k < 3; ++k) {
        CShape& s = t.Table().Shape(t.Shown(k));
        s.m_hue = static_cast<int16_t>(40 + 100 * k);
        s.m_saturation = 200;
        s.m_value = static_cast<uint8_t>(230 - 20 * k);
        s.m_recolorPending = 1;
    }
    t.shapes.InvalidateShapes();
    CChildFrame* c = w.NewDrawing(200, 150);
    const int changes = c->Doc().GetColorChangeCount();
    const QImage firstCursor = CursorPicture(*c);

    // The third shown shape is a different size from the first, so its cursor differs.
    t.Pick(2);
    const int third = t.Shown(2);
    EXPECT_EQ(t.Table().m_currentShape, third);
    EXPECT_EQ(t.colors.Panel().CurrentColor(), t.ColourOf(third));
    EXPECT_EQ(t.LastHistoryEntry(), t.ColourOf(third)) << "a click adds the chosen colour to the history";
    EXPECT_EQ(c->Doc().GetColorChangeCount(), changes) << "choosing a shape changes no colour";
    EXPECT_NE(CursorPicture(*c), firstCursor) << "the drawing's cursor follows the chosen shape";

    t.Pick(0);
    EXPECT_EQ(t.colors.Panel().CurrentColor(), t.ColourOf(t.Shown(0)));
    EXPECT_EQ(CursorPicture(*c), firstCursor);
}

TEST(ToolWindowsWiring, ColorsWindowApplyRecoloursThePaletteAndRecordsAChange)
{
    ProgramRig w;
    ToolWindows t(w);
    CChildFrame* c = w.NewDrawing(240, 160);
    w.Stroke(*c, Line({40, 60}, {160, 80}, 8));
    const int globs = c->Doc().GetGlobCount();
    ASSERT_GT(globs, 0);
    const int changes = c->Doc().GetColorChangeCount();
    const int current = t.Table().m_currentShape;
    const QPoint centre = t.Cell(t.shapes.Palette().ShownNumberOf(current));
    QApplication::processEvents();
    const QRgb before = t.shapes.PaletteImage().pixel(centre);

    // Field at (65, 20): hue 3 * 65 - 15, saturation 275 - 4 * 20.
    QTest::mouseClick(&t.colors, Qt::LeftButton, {}, QPoint(65, 20));
    QApplication::processEvents();
    const HsvColor picked{180, 195, 255};
    EXPECT_EQ(t.colors.Panel().CurrentColor(), picked);
    EXPECT_EQ(t.ColourOf(current), picked);
    ASSERT_EQ(c->Doc().GetColorChangeCount(), changes + 1);
    EXPECT_EQ(c->Doc().GetColorChangeHue(globs), 180);
    EXPECT_EQ(c->Doc().GetColorChangeSaturation(globs), 195);
    const QRgb after = t.shapes.PaletteImage().pixel(centre);
    EXPECT_NE(after, before) << "the palette shows the shape's new colour";
    EXPECT_NEAR(QColor(after).hsvHue(), 180, 4) << "shaded, but of the picked hue";

    // Stepping back through the history applies the older colour the same way.
    t.colors.LastButton()->click();
    QApplication::processEvents();
    EXPECT_EQ(t.ColourOf(current), t.colors.Panel().History().Entry(t.colors.Panel().History().Selected()));
    EXPECT_EQ(c->Doc().GetColorChangeCount(), changes + 1) << "same position: the record is replaced";
    EXPECT_NE(t.shapes.PaletteImage().pixel(centre), after);
}

TEST(ToolWindowsWiring, HistorySliderFollowsStrokesUndoOpenAndTheActiveDrawing)
{
    ProgramRig w;
    ToolWindows t(w);
    CTickSlider* slider = t.history.Slider();
    CChildFrame* first = w.NewDrawing(240, 160);
    w.Stroke(*first, Line({30, 30}, {200, 40}, 10));
    const int n1 = first->Doc().GetGlobCount();
    ASSERT_GT(n1, 0);
    EXPECT_EQ(slider->maximum(), n1);
    EXPECT_EQ(slider->value(), n1);

    w.Act(CommandId::EditUndo)->trigger();
    first->DrawingWidget().RunEngine();
    EXPECT_EQ(slider->value(), 0) << "undo drawing hides the stroke";
    EXPECT_EQ(slider->maximum(), n1);
    w.Act(CommandId::EditUndo)->trigger();
    first->DrawingWidget().RunEngine();
    EXPECT_EQ(slider->value(), n1) << "redo shows it again";

    w.Stroke(*first, Line({30, 120}, {200, 130}, 10));
    const int total = first->Doc().GetGlobCount();
    ASSERT_GT(total, n1);
    EXPECT_EQ(slider->maximum(), total);
    EXPECT_EQ(slider->value(), total);
    EXPECT_TRUE(t.history.Logic().Ticks().size() >= 1) << "the second stroke starts a section";

    CChildFrame* second = w.NewDrawing(160, 120);
    EXPECT_EQ(slider->maximum(), 0) << "a new, empty drawing";
    w.Stroke(*second, Line({20, 20}, {60, 30}, 3));
    const int n2 = second->Doc().GetGlobCount();
    ASSERT_GT(n2, 0);
    ASSERT_NE(n2, total);
    EXPECT_EQ(slider->maximum(), n2);

    w.frame->Workspace()->setActiveSubWindow(first);
    QApplication::processEvents();
    EXPECT_EQ(slider->maximum(), total) << "the slider follows the drawing brought to the front";
    EXPECT_EQ(slider->value(), total);

    // Moving the slider back hides globs in the active drawing and ends Undo Drawing.
    slider->setSliderPosition(n1);
    slider->triggerAction(QAbstractSlider::SliderMove);
    slider->setValue(n1);
    first->DrawingWidget().RunEngine();
    EXPECT_EQ(first->View().ShownCount(), n1);
    EXPECT_EQ(second->View().ShownCount(), n2) << "the other drawing is untouched";

    const std::string path = w.data.Path() + "/first.dbx";
    first->Doc().SetPathName(path);
    w.Act(CommandId::FileSave)->trigger();
    ASSERT_TRUE(w.frame->OpenFile(QString::fromStdString(path)));
    CChildFrame* opened = w.frame->ActiveChild();
    opened->DrawingWidget().RunEngine();
    EXPECT_EQ(slider->maximum(), opened->Doc().GetGlobCount());
    EXPECT_EQ(slider->value(), opened->View().ShownCount());
}

TEST(ToolWindowsWiring, ClosingAToolWindowUnchecksItsCommandAndStoresIt)
{
    ProgramRig w;
    ToolWindows t(w);
    struct Case {
        QWidget* window;
        CommandId command;
        int32_t& shown;
    } cases[] = {{&t.shapes, CommandId::ViewShapesWindow, w.app.Shell().m_shapesWindow.shown},
                 {&t.colors, CommandId::ViewColorsWindow, w.app.Shell().m_colorsWindow.shown},
                 {&t.history, CommandId::ViewHistoryWindow, w.app.Shell().m_undoSlider.shown}};
    for (Case& k : cases) {
        SCOPED_TRACE(k.window->windowTitle().toStdString());
        w.frame->UpdateCommands();
        ASSERT_TRUE(w.Act(k.command)->isChecked());
        k.window->close();
        QApplication::processEvents();
        EXPECT_TRUE(k.window->isHidden());
        EXPECT_FALSE(w.Act(k.command)->isChecked());
        EXPECT_EQ(k.shown, 0);
        EXPECT_NE(w.frame->ToolWindowWidget(0), nullptr) << "closing only hides";

        w.Act(k.command)->trigger();
        QApplication::processEvents();
        EXPECT_FALSE(k.window->isHidden());
        EXPECT_TRUE(w.Act(k.command)->isChecked());
        EXPECT_EQ(k.shown, 1);
    }
}

TEST(ToolWindowsWiring, AutomaticFilesCarryPaletteAndHistoryIntoTheNextRun)
{
    TempDir keep;
    int current = -1;
    HsvColor colour;
    std::vector<HsvColor> history;
    {
        ProgramRig w(ProgramRig::Wired, keep.Path());
        ToolWindows t(w);
        t.Pick(2);
        QTest::mouseClick(&t.colors, Qt::LeftButton, {}, QPoint(40, 30));
        current = t.Table().m_currentShape;
        colour = t.ColourOf(current);
        const CColorHistory& h = t.colors.Panel().History();
        for (int i = 0; i < h.Count(); ++i)
            history.push_back(h.Entry(i));
        ASSERT_GE(history.size(), 2u);
        ASSERT_EQ(history.back(), colour);
    }
    // The program wrote both files as its windows went away.
    int found = 0;
    for (const auto& e : fs::recursive_directory_iterator(keep.Path())) {
        const std::string name = e.path().filename().string();
        if (name == "DBXlastDBX.dss") {
            EXPECT_EQ(fs::file_size(e.path()), 21u + 8u * 8u);
        }
        if (name == "DBXlastDBX.dch") {
            EXPECT_EQ(fs::file_size(e.path()), 25u + 4u * history.size());
        }
        found += name == "DBXlastDBX.dss" || name == "DBXlastDBX.dch";
    }
    EXPECT_EQ(found, 2);

    ProgramRig w(ProgramRig::Wired, keep.Path());
    CShapeTable& table = w.app.ShapeTable();
    EXPECT_EQ(table.m_currentShape, current);
    EXPECT_EQ((HsvColor{table.Shape(current).m_hue, table.Shape(current).m_saturation,
                        table.Shape(current).m_value}),
              colour);
    ToolWindows t(w);
    const CColorHistory& h = t.colors.Panel().History();
    ASSERT_EQ(h.Count(), static_cast<int>(history.size()));
    for (int i = 0; i < h.Count(); ++i)
        EXPECT_EQ(h.Entry(i), history[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(t.colors.Panel().CurrentColor(), colour);
}

// Three shapes and sizes chosen through the palette, drawn side by side; the windows beside the
// drawing are put into one picture for looking at.
TEST(ToolWindowsWiring, DrawingWithThreeShapesChosenInThePalette)
{
    ProgramRig w;
    CDaubrixApp& app = w.app;
    app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &w.host);
    ASSERT_GE(app.ShapeTable().Count(), 36);
    ASSERT_TRUE(app.ShapeTable().PrepareAll());
    app.Drawing().m_polar = 0;   // three plain strokes, one per shape
    ToolWindows t(w);
    t.shapes.resize(176, 150);
    t.shapes.Palette().Relayout();
    t.shapes.InvalidateShapes();
    QApplication::processEvents();
    CChildFrame* c = w.NewDrawing(360, 240);

    const int picks[3] = {0, 4, 9};
    const QPoint fields[3] = {{10, 10}, {45, 30}, {85, 20}};
    const std::vector<QPoint> strokes[3] = {Line({40, 50}, {320, 50}, 14), Line({40, 120}, {320, 120}, 14),
                                           Line({40, 190}, {320, 190}, 14)};
    std::vector<int> chosen;
    for (int i = 0; i < 3; ++i) {
        t.Pick(picks[i]);
        // Large for the middle stroke: the size comes from the palette's menu.
        if (i == 1 && t.shapes.Commands().State(PaletteCommand::Large).enabled)
            t.shapes.RunCommand(PaletteCommand::Large);
        QTest::mouseClick(&t.colors, Qt::LeftButton, {}, fields[i]);
        chosen.push_back(app.ShapeTable().m_currentShape);
        w.Stroke(*c, strokes[i]);
    }
    EXPECT_NE(chosen[0], chosen[1]);
    EXPECT_NE(chosen[1], chosen[2]);
    EXPECT_NE(chosen[0], chosen[2]);
    const CDaubrixDoc& doc = c->Doc();
    std::vector<int> used;
    for (int i = 0; i < doc.GetGlobCount(); ++i)
        if (used.empty() || used.back() != doc.GetGlob(i).m_shape)
            used.push_back(doc.GetGlob(i).m_shape);
    EXPECT_EQ(used, chosen) << "each stroke stamps the shape chosen before it";
    EXPECT_EQ(doc.GetColorChangeCount(), 3) << "one colour change per Colors window pick";
    EXPECT_EQ(t.history.Slider()->maximum(), doc.GetGlobCount());

    // One picture: the frame with the drawing, the three windows to its right.
    QApplication::processEvents();
    const QImage frame = w.frame->grab().toImage();
    const QImage parts[3] = {t.shapes.grab().toImage(), t.colors.grab().toImage(), t.history.grab().toImage()};
    int height = 0, width = 0;
    for (const QImage& p : parts) {
        height += p.height() + 8;
        width = std::max(width, p.width());
    }
    QImage all(frame.width() + width + 16, std::max(frame.height(), height), QImage::Format_RGB32);
    all.fill(Qt::darkGray);
    QPainter painter(&all);
    painter.drawImage(0, 0, frame);
    int y = 0;
    for (const QImage& p : parts) {
        painter.drawImage(frame.width() + 8, y, p);
        y += p.height() + 8;
    }
    painter.end();
    if (const char* dir = std::getenv("DAUBRIX_SHOTS"))
        all.save(QString("%1/three_shapes_with_tool_windows.png").arg(dir));
}

namespace {
// One run of the program as main() makes it, up to the point where the user would work.
struct ProgramRun {
    FakeHost host;
    CDaubrixApp app{host};
    CShellStartup startup;
    CFeatureWiring* wiring = nullptr;

    ProgramRun(IProfile& profile, const std::string& dataDir) : startup(app, profile)
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataDir));
        startup.m_loadVideoLibraries = [] { return true; };
        startup.m_tipOfTheDay = [](CMainFrame&) {};
        startup.m_displayCheck = [](CMainFrame&) {};
        startup.m_frameCreated = [this](CMainFrame& f) { wiring = new CFeatureWiring(f, app); };
    }
    bool Start()
    {
        if (!startup.InitInstance(std::string(DAUBRIX_DATA_DIR) + "/", {}, {1280, 1024}))
            return false;
        QApplication::processEvents();
        return wiring != nullptr;
    }
};

std::vector<char> Bytes(const std::string& path)
{
    std::vector<char> b;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        for (int ch; (ch = std::fgetc(f)) != EOF;)
            b.push_back(static_cast<char>(ch));
        std::fclose(f);
    }
    return b;
}

std::string Find(const std::string& dir, const std::string& name)
{
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.path().filename() == name)
            return e.path().string();
    return {};
}
} // namespace

// Start, work, exit and start again as the real program does, settings and automatic files
// included; a run with the Colors window hidden must not lose the saved colour history.
TEST(ToolWindowsWiring, RealStartAndExitKeepPaletteHistoryAndShownWindows)
{
    TempDir data;
    CMapProfile profile;
    int chosen = -1;
    HsvColor picked;
    int entries = 0;
    {
        ProgramRun run(profile, data.Path());
        ASSERT_TRUE(run.Start());
        CShapesWindow& shapes = *run.wiring->ShapesWindow();
        CColorsWindow& colors = *run.wiring->ColorsWindow();
        ASSERT_FALSE(shapes.isHidden());
        ASSERT_FALSE(colors.isHidden());
        shapes.resize(176, 150);
        QApplication::processEvents();
        const CPaletteLayout& l = shapes.Palette().Layout();
        QTest::mouseClick(&shapes, Qt::LeftButton, {}, QPoint(l.CentreX(3), l.CentreY(3)));
        QTest::mouseClick(&colors, Qt::LeftButton, {}, QPoint(100, 40));
        chosen = run.app.ShapeTable().m_currentShape;
        picked = colors.Panel().CurrentColor();
        entries = colors.Panel().History().Count();
        EXPECT_EQ(picked, (HsvColor{285, 115, 255}));
        colors.close();
        QApplication::processEvents();
        run.startup.Frame()->close();
        run.startup.ExitInstance();
    }
    const std::string dch = Find(data.Path(), "DBXlastDBX.dch");
    const std::string dss = Find(data.Path(), "DBXlastDBX.dss");
    ASSERT_FALSE(dch.empty());
    ASSERT_FALSE(dss.empty());
    EXPECT_EQ(profile.GetInt("Settings", "showColorsWindow", -1), 0);
    EXPECT_EQ(profile.GetInt("Settings", "showShapesWindow", -1), 1);
    const std::vector<char> savedHistory = Bytes(dch);
    EXPECT_EQ(savedHistory.size(), 25u + 4u * static_cast<size_t>(entries));

    {
        ProgramRun run(profile, data.Path());
        ASSERT_TRUE(run.Start());
        EXPECT_TRUE(run.wiring->ColorsWindow()->isHidden()) << "closed last time";
        EXPECT_FALSE(run.startup.Frame()->Action(CommandId::ViewColorsWindow)->isChecked());
        const CShape& s = run.app.ShapeTable().Current();
        EXPECT_EQ(run.app.ShapeTable().m_currentShape, chosen);
        EXPECT_EQ((HsvColor{s.m_hue, s.m_saturation, s.m_value}), picked);
        run.startup.Frame()->close();
        run.startup.ExitInstance();
    }
    EXPECT_EQ(Bytes(dch), savedHistory) << "a run that never showed the history keeps it";

    ProgramRun run(profile, data.Path());
    ASSERT_TRUE(run.Start());
    run.startup.Frame()->Action(CommandId::ViewColorsWindow)->trigger();
    QApplication::processEvents();
    CColorsWindow& colors = *run.wiring->ColorsWindow();
    EXPECT_FALSE(colors.isHidden());
    EXPECT_EQ(colors.Panel().History().Count(), entries);
    EXPECT_EQ(colors.Panel().CurrentColor(), picked);
    EXPECT_EQ(profile.GetInt("Settings", "showColorsWindow", -1), 0) << "stored at exit";
    run.startup.Frame()->close();
    run.startup.ExitInstance();
    EXPECT_EQ(profile.GetInt("Settings", "showColorsWindow", -1), 1);
}

TEST(ToolWindowsWiring, ClosingTheLastDrawingLeavesTheWindowsWithNothingToChange)
{
    ProgramRig w;
    ToolWindows t(w);
    CChildFrame* c = w.NewDrawing(200, 120);
    w.Stroke(*c, Line({20, 40}, {180, 60}, 8));
    ASSERT_GT(t.history.Slider()->maximum(), 0);
    w.host.answers.push_back(MsgAnswer::No);   // do not save it
    c->close();
    QApplication::processEvents();
    ASSERT_TRUE(w.frame->Children().isEmpty());
    EXPECT_EQ(w.frame->ActiveView(), nullptr);
    EXPECT_EQ(t.history.Slider()->maximum(), 0) << "no drawing, empty slider";

    // Every window still works on the shapes alone, without reaching for the closed drawing.
    t.history.PreviousSection();
    t.history.NextSection();
    QTest::mouseClick(&t.colors, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(t.Table().Current().m_hue, 75);
    QTest::mousePress(&t.shapes, Qt::LeftButton, {}, t.Cell(0));
    QTest::mouseRelease(&t.shapes, Qt::LeftButton, {}, t.Cell(1));
    EXPECT_EQ(t.Table().m_currentShape, t.Shown(1));
    EXPECT_EQ(t.Table().Current().m_hue, t.Table().Shape(t.Shown(0)).m_hue) << "the drag still copies the colour";
}
