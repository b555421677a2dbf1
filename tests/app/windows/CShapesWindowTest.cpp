#include "core/view/CBasicColorsLink.h"
#include "core/shapes/ShapeStateFile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/view/CDaubrixView.h"
#include "app/view/CDrawingWidget.h"
#include "app/windows/CShapesWindow.h"
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <algorithm>
#include <vector>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Receives the characters the palette passes on.
struct KeySink : QWidget {
    QString typed;
    void keyPressEvent(QKeyEvent* e) override { typed += e->text(); }
};

struct ShapesWindowTest : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    CBasicColorsLink colors{app.ShapeTable()};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    fs::path dir;

    void SetUp() override
    {
        char tmpl[] = "/tmp/daubrix-shapeswin-XXXXXX";
        dir = mkdtemp(tmpl);
        app.SetProgramDir(std::string(DAUBRIX_DATA_DIR) + "/");
        app.ShapeTable().LoadShapes(app.ProgramDir(), &host);
        app.ShapeTable().PrepareAll();
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(240);
        doc->SetHeight(160);
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->OnInitialUpdate();
        colors.m_activeView = [this] { return view.get(); };
    }
    void TearDown() override { fs::remove_all(dir); }

    std::unique_ptr<CShapesWindow> Open(int w, int h, const std::string& statePath = {})
    {
        auto win = std::make_unique<CShapesWindow>(app, colors, statePath);
        colors.m_shapeRecolored = [w = win.get()] { w->InvalidateShapes(); };
        win->resize(w, h);
        win->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(win.get()));
        return win;
    }
    static QPoint Cell(CShapesWindow& w, int k)
    {
        return {w.Palette().Layout().CentreX(k), w.Palette().Layout().CentreY(k)};
    }
    CShapeTable& Shapes() { return app.ShapeTable(); }
    QAction* Find(QMenu& m, const char* text)
    {
        for (QAction* a : m.actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
};

} // namespace

TEST_F(ShapesWindowTest, ScrollBarAppearsWhenRowsDoNotFit)
{
    ASSERT_EQ(Shapes().Count(), 39);
    auto win = Open(170, 400);   // 14 shown shapes, 5 per row: 3 rows fit
    EXPECT_FALSE(win->ScrollBar()->isVisible());
    EXPECT_EQ(win->ClientWidth(), 170);
    win->resize(170, 80);
    QTest::qWait(10);
    ASSERT_TRUE(win->ScrollBar()->isVisible());
    // The bar narrows the client area to four columns: four rows of which two show.
    const CPaletteLayout& l = win->Palette().Layout();
    EXPECT_EQ(l.Columns(), 4);
    EXPECT_EQ(l.RowCount(), 4);
    EXPECT_EQ(win->ScrollBar()->maximum(), 34 * 2);
    EXPECT_EQ(win->ScrollBar()->pageStep(), 68);
    win->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(l.ScrollRow(), 1);
    EXPECT_EQ(win->ScrollBar()->value(), 34);
    win->ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(l.ScrollRow(), 2);
    win->resize(170, 400);
    QTest::qWait(10);
    EXPECT_FALSE(win->ScrollBar()->isVisible());
    EXPECT_EQ(l.ScrollRow(), 0);
    EXPECT_GE(win->minimumWidth(), 64);
    EXPECT_GE(win->minimumHeight(), 58);
}

TEST_F(ShapesWindowTest, ScrollingToTheCurrentShapeWaitsUntilItsRowIsBeyondTheVisibleRows)
{
    auto win = Open(170, 80);   // four columns, four rows, two of them whole on screen
    const CPaletteLayout& l = win->Palette().Layout();
    ASSERT_EQ(l.VisibleRows(), 2);
    auto makeCurrent = [&](int k) {
        for (int i = 0, n = 0; i < Shapes().Count(); ++i)
            if (Shapes().Shape(i).m_shown && n++ == k)
                Shapes().m_currentShape = static_cast<uint8_t>(i);
        win->ScrollToCurrentShape();
        return l.ScrollRow();
    };
    struct Case {
        int shown, expectedRow;
    } cases[] = {
        {8, 0},    // row 2 is two rows below the first shown: not more than the visible rows
        {12, 2},   // row 3 is beyond: scrolled as far as the last page allows
        {9, 2},    // row 2 is shown now
        {3, 0},    // row 0 is above
    };
    for (const Case& c : cases) {
        EXPECT_EQ(makeCurrent(c.shown), c.expectedRow) << c.shown;
        EXPECT_EQ(win->ScrollBar()->value(), 34 * c.expectedRow) << c.shown;
    }
}

TEST_F(ShapesWindowTest, ClickMovesTheFrameAndDragCopiesTheColour)
{
    auto win = Open(170, 120);
    for (int i = 0; i < 5; ++i)
        doc->AddGlob(20 + 5 * i, 30);
    view->ShowAddedGlobs(5);
    view->BrowseTo(5);
    const int changes = doc->GetColorChangeCount();

    QTest::mouseClick(win.get(), Qt::LeftButton, {}, Cell(*win, 3));
    const int third = Shapes().m_currentShape;
    EXPECT_EQ(win->Palette().ShownNumberOf(third), 3);
    QTest::qWait(10);
    const QImage after = win->PaletteImage();
    EXPECT_EQ(after.pixel(Cell(*win, 3) - QPoint(17, 17)), qRgb(255, 255, 255));
    EXPECT_EQ(after.pixel(Cell(*win, 0) - QPoint(17, 17)), qRgb(0, 0, 0));
    EXPECT_EQ(doc->GetColorChangeCount(), changes);

    Shapes().Shape(third).m_hue = 240;
    QTest::mousePress(win.get(), Qt::LeftButton, {}, Cell(*win, 3));
    QTest::mouseMove(win.get(), Cell(*win, 5));
    QTest::mouseRelease(win.get(), Qt::LeftButton, {}, Cell(*win, 7));
    const int target = Shapes().m_currentShape;
    EXPECT_EQ(win->Palette().ShownNumberOf(target), 7);
    EXPECT_EQ(Shapes().Shape(target).m_hue, 240);
    EXPECT_EQ(doc->GetColorChangeCount(), changes + 1);
    EXPECT_EQ(doc->GetColorChangeHue(5), 240);
}

TEST_F(ShapesWindowTest, HoldingTheButtonAboveTheWindowScrollsUpEvery200ms)
{
    auto win = Open(100, 70);   // 2 columns after the bar: 7 rows, 2 visible
    CPaletteLayout& l = win->Palette().Layout();
    ASSERT_EQ(l.RowCount(), 7);
    l.ScrollToRow(4);
    QTest::mousePress(win.get(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(win.get(), QPoint(10, -5));
    EXPECT_TRUE(win->Palette().ScrollingUp());
    // The rows seen once per timer period climb to the top and stop there; the
    // bound only keeps a broken timer from waiting for ever.
    std::vector<int> rows{l.ScrollRow()};
    for (int i = 0; i < 100 && rows.back() > 0; ++i) {
        QTest::qWait(CShapesWindow::kAutoScrollMs);
        if (l.ScrollRow() != rows.back())
            rows.push_back(l.ScrollRow());
    }
    ASSERT_EQ(rows.back(), 0);
    EXPECT_TRUE(std::is_sorted(rows.rbegin(), rows.rend()));
    QTest::qWait(CShapesWindow::kAutoScrollMs);
    EXPECT_EQ(l.ScrollRow(), 0);
    QTest::mouseRelease(win.get(), Qt::LeftButton, {}, QPoint(10, -5));
    EXPECT_FALSE(win->Palette().Dragging());
}

TEST_F(ShapesWindowTest, MenuGreysMissingSizesAndSmallKeepsTheColour)
{
    auto win = Open(170, 120);
    Shapes().m_currentShape = static_cast<uint8_t>(Shapes().FindShape('N', 0));   // cloud: no Medium
    {
        auto menu = win->CreateContextMenu();
        ASSERT_EQ(menu->actions().size(), 14);   // 11 items, 3 separators
        EXPECT_TRUE(menu->actions()[3]->isSeparator());
        EXPECT_TRUE(menu->actions()[6]->isSeparator());
        EXPECT_TRUE(menu->actions()[11]->isSeparator());
        EXPECT_FALSE(Find(*menu, "&Medium")->isEnabled());
        EXPECT_TRUE(Find(*menu, "&Large")->isEnabled());
        EXPECT_TRUE(Find(*menu, "&Small")->isChecked());
        EXPECT_FALSE(Find(*menu, "&Large")->isChecked());
        menu->grab().save("/tmp/shapes_menu.png");
        EXPECT_EQ(Find(*menu, "Random &history color")->statusTip(),
                  "Set color of shape to a random color from the color history");
    }
    Shapes().m_currentShape = static_cast<uint8_t>(Shapes().FindShape('M', 2));   // pebble: Large only
    {
        auto menu = win->CreateContextMenu();
        EXPECT_FALSE(Find(*menu, "&Small")->isEnabled());
        EXPECT_FALSE(Find(*menu, "&Medium")->isEnabled());
        EXPECT_TRUE(Find(*menu, "&Large")->isChecked());
    }
    const int ball = Shapes().FindShape('A', 1);
    Shapes().m_currentShape = static_cast<uint8_t>(ball);
    Shapes().Shape(ball).m_hue = 200;
    auto menu = win->CreateContextMenu();
    win->RunCommand(static_cast<PaletteCommand>(Find(*menu, "&Small")->data().toInt()));
    const int small = Shapes().FindShape('A', 0);
    EXPECT_EQ(Shapes().m_currentShape, small);
    EXPECT_EQ(Shapes().Shape(small).m_hue, 200);
    EXPECT_EQ(win->Palette().ShownNumberOf(small), 0);
}

TEST_F(ShapesWindowTest, StateFilesThroughTheMenuAndAcrossARestart)
{
    const std::string automatic = (dir / "DBXlastDBX.dss").string();
    {
        auto win = Open(170, 120, automatic);
        Shapes().m_currentShape = static_cast<uint8_t>(Shapes().FindShape('D', 1));
        win->RunCommand(PaletteCommand::Large);
        win->RunCommand(PaletteCommand::RandomColor);
        win->m_askStateFile = [&](bool save) { return save ? QString::fromStdString((dir / "mine.dss").string()) : QString(); };
        win->RunCommand(PaletteCommand::SaveState);
        ASSERT_TRUE(fs::exists(dir / "mine.dss"));
        EXPECT_EQ(fs::file_size(dir / "mine.dss"), 21u + 8 * 39);
    }
    // Closing wrote the automatic file; a fresh start reads it back.
    ASSERT_TRUE(fs::exists(automatic));
    const int large = Shapes().FindShape('D', 2);
    const HsvColor chosen{Shapes().Shape(large).m_hue, Shapes().Shape(large).m_saturation,
                          Shapes().Shape(large).m_value};
    CShapeTable& t = Shapes();
    t.LoadShapes(app.ProgramDir(), &host);
    t.PrepareAll();
    ASSERT_FALSE(t.Shape(large).m_shown);
    auto win = Open(170, 120, automatic);
    EXPECT_TRUE(t.Shape(large).m_shown);
    EXPECT_EQ(t.m_currentShape, large);
    EXPECT_EQ((HsvColor{t.Shape(large).m_hue, t.Shape(large).m_saturation, t.Shape(large).m_value}), chosen);
    // A file that is not a shape state is refused through the menu.
    const std::string junk = (dir / "junk.dss").string();
    FILE* f = fopen(junk.c_str(), "wb");
    fputs("Daubrix Color History and more", f);
    fclose(f);
    win->m_askStateFile = [&](bool) { return QString::fromStdString(junk); };
    win->RunCommand(PaletteCommand::LoadState);
    EXPECT_TRUE(host.Said("Not a valid Shape State file!"));
    EXPECT_EQ(t.m_currentShape, large);
}

TEST_F(ShapesWindowTest, TypedCharactersGoToTheDrawingView)
{
    auto win = Open(170, 120);
    KeySink sink;
    win->m_keyTarget = [&]() -> QWidget* { return &sink; };
    QTest::keyClicks(win.get(), "c+");
    EXPECT_EQ(sink.typed, "c+");
    QSignalSpy closed(win.get(), &CShapesWindow::closedByUser);
    win->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(win->isVisible());
}

TEST_F(ShapesWindowTest, UnpreparedShapesGiveABlackWindowAndNoMenu)
{
    CShapeTable& t = Shapes();
    t.LoadFromImages({"A_1_a.bmp", "B_1_b.bmp"}, {MakeDiscShape(15), MakeDiscShape(15)});
    auto win = Open(120, 80);
    QTest::qWait(10);
    const QImage black = win->PaletteImage();
    ASSERT_FALSE(black.isNull());
    EXPECT_EQ(black.pixel(17, 17), qRgb(0, 0, 0));
    bool popped = false;
    // A menu that runs its own loop is closed from inside it, one shown without is closed after.
    auto sendMenuRequest = [&] {
        auto closePopup = [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popped = true;
                popup->close();
            }
        };
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, closePopup);
        poll.start(0);
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(17, 17), win->mapToGlobal(QPoint(17, 17)));
        QCoreApplication::sendEvent(win.get(), &e);
        QApplication::processEvents();
        closePopup();
    };
    sendMenuRequest();
    EXPECT_FALSE(popped);
    // Once prepared, the same request pops the menu up and the shapes are drawn.
    t.PrepareAll();
    sendMenuRequest();
    EXPECT_TRUE(popped);
    win->InvalidateShapes();
    QTest::qWait(10);
    EXPECT_NE(win->PaletteImage().pixel(17, 17), qRgb(0, 0, 0));
}

// The palette with several shapes recoloured, and a small drawing made with three shapes and
// sizes chosen through the window; both are saved for looking at.
TEST_F(ShapesWindowTest, RecolouredPaletteAndADrawingFromIt)
{
    auto win = Open(170, 130);
    auto pick = [&](int k) { QTest::mouseClick(win.get(), Qt::LeftButton, {}, Cell(*win, k)); };
    auto stroke = [&](int x0, int y0, int n) {
        // What the stroke engine does at button down: the shape's colour is put in force.
        const CShape& s = Shapes().Current();
        doc->SetColorChange(-1, s.m_hue, s.m_saturation, s.m_value);
        for (int i = 0; i < n; ++i)
            doc->AddGlob(x0 + i * 12, y0 + (i % 3) * 4);
        view->ShowAddedGlobs(n);
        view->BrowseTo(doc->GetGlobCount());
    };
    pick(1);
    win->RunCommand(PaletteCommand::Large);
    win->RunCommand(PaletteCommand::RandomColor);
    stroke(20, 30, 17);
    pick(6);
    win->RunCommand(PaletteCommand::Small);
    win->RunCommand(PaletteCommand::RandomColor);
    stroke(20, 80, 18);
    pick(10);
    win->RunCommand(PaletteCommand::RandomColor);
    stroke(20, 125, 17);
    pick(12);
    win->RunCommand(PaletteCommand::RandomColor);
    win->RunCommand(PaletteCommand::AllRandomColors);
    pick(12);
    QTest::qWait(20);
    const QImage palette = win->grab().toImage();
    palette.save("/tmp/shapes_palette.png");
    // Distinct colours reach the palette.
    EXPECT_NE(palette.pixel(Cell(*win, 1)), palette.pixel(Cell(*win, 6)));
    win->resize(120, 80);
    QTest::qWait(20);
    win->grab().save("/tmp/shapes_palette_scrolled.png");

    CDrawingWidget drawing(*view);
    drawing.resize(doc->Width(), doc->Height());
    drawing.RunEngine();
    const QImage img = drawing.grab().toImage();
    img.save("/tmp/shapes_drawing.png");
    EXPECT_EQ(doc->GetGlobCount(), 52);
    EXPECT_GE(doc->GetColorChangeCount(), 3);
    std::set<int> used;
    for (const CGlob& g : doc->Globs())
        used.insert(g.m_shape);
    EXPECT_EQ(used.size(), 3u);
}
