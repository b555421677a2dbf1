#include "tests/app/support/Shots.h"
#include "core/panels/CColorsLayout.h"
#include "core/colour/ColorConversion.h"
#include "core/base/AtomicFile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "app/windows/CColorsWindow.h"
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;
using L = CColorsLayout;

HsvColor C(int h, int s, int v)
{
    return {static_cast<int16_t>(h), static_cast<uint8_t>(s), static_cast<uint8_t>(v)};
}
QRgb Shown(int h, int s, int v)
{
    return ColorRefToPixel(HsvToRgb(h, s * 0.003921569f, v * 0.003921569f));
}

struct ColorsWindowFixture : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    fs::path dir;
    std::string autoFile;

    void SetUp() override
    {
        LoadTestShapes(app.ShapeTable());
        dir = fs::temp_directory_path() / ("dbx_colorswin_" + std::to_string(::getpid()) + "_"
                                           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        autoFile = (dir / "DBXlastDBX.dch").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void Send(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
    QAction* Item(QMenu& m, const char* text)
    {
        for (QAction* a : m.actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
};
} // namespace

TEST_F(ColorsWindowFixture, DrawnLayoutMatchesTheRectangles)
{
    CColorsWindow w(app, autoFile);
    w.Panel().AcceptValues(C(120, 255, 255));
    w.Panel().AcceptValues(C(240, 100, 200));
    w.Panel().Last();
    w.SetCurrentColor(C(150, 100, 200));
    w.show();
    ASSERT_EQ(w.size(), QSize(L::kClientWidth, L::kClientHeight));
    const QImage img = GrabFor(w, "colors_window");
    const QPalette& pal = w.palette();
    const QRgb shadow = pal.color(QPalette::Dark).rgb(), light = pal.color(QPalette::Light).rgb();
    const QRgb face = pal.color(QPalette::Button).rgb();
    ASSERT_NE(shadow, light);

    // The field starts at (5, 5) with full red and ends at (124, 67) with the last rendered row.
    EXPECT_EQ(img.pixel(5, 5) | 0xFF000000u, Shown(0, 255, 255)) << "field origin";
    EXPECT_EQ(img.pixel(124, 67), Shown(357, 7, 255));
    EXPECT_EQ(img.pixel(4, 30), shadow);
    EXPECT_EQ(img.pixel(125, 30), light);
    EXPECT_EQ(img.pixel(60, 68), light);
    // The strip, grey from white at the top, with its border.
    EXPECT_EQ(img.pixel(138, 5), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(132, 30), shadow);
    EXPECT_EQ(img.pixel(143, 30), light);
    // Field marker of hue 150 and saturation 100, strip marker of value 200 in red.
    const CRect fm = L::FieldMarker(150, 100);
    EXPECT_EQ(img.pixel(fm.left, fm.top), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(fm.right - 1, fm.bottom - 1), qRgb(0, 0, 0));
    const CRect sm = L::StripMarker(200);
    EXPECT_EQ(img.pixel(sm.left, sm.top), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(sm.right - 1, sm.bottom - 1), qRgb(255, 0, 0));
    // The swatch fills (52, 74)-(82, 95) inside its sunken border.
    EXPECT_EQ(img.pixel(52, 74), Shown(150, 100, 200));
    EXPECT_EQ(img.pixel(81, 94), Shown(150, 100, 200));
    EXPECT_EQ(img.pixel(51, 74), shadow);
    EXPECT_EQ(img.pixel(82, 74), light);
    // History: three entries, the middle one selected with its four frames.
    EXPECT_EQ(img.pixel(4, 107), Shown(0, 255, 255));
    EXPECT_EQ(img.pixel(24, 101), Shown(240, 100, 200));
    EXPECT_EQ(img.pixel(26, 104), face);
    EXPECT_EQ(img.pixel(3, 104), shadow);
    EXPECT_EQ(img.pixel(144, 104), light);
    EXPECT_EQ(img.pixel(10, 100), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(11, 101), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(12, 102), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(13, 103), qRgb(0, 0, 0));

    // The buttons sit on their boxes, carry pictures and their tooltips.
    const struct {
        QPushButton* b;
        CRect r;
        const char* tip;
    } buttons[] = {{w.ValuesButton(), L::kValuesButton, "Color values"},
                   {w.LastButton(), L::kLastButton, "Previous color"},
                   {w.NextButton(), L::kNextButton, "Next color"}};
    for (const auto& b : buttons) {
        EXPECT_EQ(b.b->geometry(), QRect(b.r.left, b.r.top, b.r.Width(), b.r.Height()));
        EXPECT_FALSE(b.b->icon().isNull());
        EXPECT_TRUE(b.b->text().isEmpty());
        EXPECT_EQ(b.b->toolTip(), b.tip);
    }
}

TEST_F(ColorsWindowFixture, PointerPicksOnTheFieldAndAppliesOnRelease)
{
    CColorsWindow w(app, autoFile);
    w.show();
    Send(w, QEvent::MouseButtonPress, {124, 67}, Qt::LeftButton);
    EXPECT_EQ(w.Panel().CurrentColor(), C(357, 7, 255));
    Send(w, QEvent::MouseMove, {300, 5}, Qt::LeftButton);
    EXPECT_EQ(w.Panel().CurrentColor(), C(360, 255, 255));
    EXPECT_EQ(app.CurrentShape().m_hue, 0) << "the shape waits for the release";
    Send(w, QEvent::MouseButtonRelease, {300, 5}, Qt::NoButton);
    EXPECT_EQ(app.CurrentShape().m_hue, 360);
    EXPECT_EQ(w.Panel().History().Count(), 2);
    // The swatch shows the dragged colour after the repaint.
    const QImage img = GrabFor(w, "colors_after_drag");
    EXPECT_EQ(img.pixel(60, 80), Shown(360, 255, 255));
}

TEST_F(ColorsWindowFixture, ButtonsStepAndValuesAddsTheTypedColour)
{
    CColorsWindow w(app, autoFile);
    w.m_askValues = [](HsvColor c) {
        EXPECT_EQ(c, C(0, 255, 255));
        return std::optional<HsvColor>(C(45, 90, 135));
    };
    w.ValuesButton()->click();
    EXPECT_EQ(w.Panel().History().Count(), 2);
    EXPECT_EQ(app.CurrentShape().m_value, 135);
    w.LastButton()->click();
    EXPECT_EQ(w.Panel().CurrentColor(), C(0, 255, 255));
    EXPECT_EQ(app.CurrentShape().m_value, 255);
    w.LastButton()->click();
    EXPECT_EQ(w.Panel().History().Selected(), 0);
    w.NextButton()->click();
    EXPECT_EQ(w.Panel().CurrentColor(), C(45, 90, 135));
    // Cancel changes nothing.
    w.m_askValues = [](HsvColor) { return std::optional<HsvColor>(); };
    w.ValuesButton()->click();
    EXPECT_EQ(w.Panel().History().Count(), 2);
}

TEST_F(ColorsWindowFixture, ContextMenuItemsAndConfirmations)
{
    CColorsWindow w(app, autoFile);
    std::unique_ptr<QMenu> menu(w.BuildContextMenu());
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QString("-") : a->text());
    EXPECT_EQ(texts, (QStringList{"&Random color", "-", "&Delete color", "&Clear all colors", "-", "&Save colors",
                                  "&Load colors"}));
    EXPECT_FALSE(Item(*menu, "&Delete color")->isEnabled());
    EXPECT_FALSE(Item(*menu, "&Clear all colors")->isEnabled());
    EXPECT_EQ(Item(*menu, "&Save colors")->statusTip(), "Save the color history to a file");

    Item(*menu, "&Random color")->trigger();
    EXPECT_EQ(w.Panel().History().Count(), 2);
    menu.reset(w.BuildContextMenu());
    ASSERT_TRUE(Item(*menu, "&Delete color")->isEnabled());
    host.answers = {MsgAnswer::No};
    Item(*menu, "&Delete color")->trigger();
    EXPECT_EQ(w.Panel().History().Count(), 2);
    Item(*menu, "&Clear all colors")->trigger();
    EXPECT_EQ(w.Panel().History().Count(), 1);
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Delete color?", "Delete all colors?"}));
}

TEST_F(ColorsWindowFixture, SaveAndLoadThroughTheMenu)
{
    const QString path = QString::fromStdString((dir / "mine.dch").string());
    CColorsWindow w(app, autoFile);
    w.Panel().AcceptValues(C(10, 20, 30));
    w.Panel().AcceptValues(C(40, 50, 60));
    w.m_askSavePath = [&] { return path; };
    w.SaveColors();
    EXPECT_EQ(fs::file_size(path.toStdString()), 37u);

    CColorsWindow other(app, autoFile);
    other.m_askLoadPath = [&] { return path; };
    other.LoadColors();
    EXPECT_EQ(other.Panel().History().Count(), 3);
    EXPECT_EQ(other.Panel().CurrentColor(), C(40, 50, 60));
    // A cancelled file dialog does nothing.
    other.m_askLoadPath = [] { return QString(); };
    other.LoadColors();
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ColorsWindowFixture, AutomaticHistoryFollowsFirstShowAndDestruction)
{
    {
        CColorsWindow w(app, autoFile);
        w.show();
        w.Panel().AcceptValues(C(99, 98, 97));
    }
    ASSERT_TRUE(fs::exists(autoFile));
    CColorsWindow again(app, autoFile);
    EXPECT_EQ(again.Panel().History().Count(), 1) << "nothing is read before the window shows";
    again.show();
    EXPECT_EQ(again.Panel().History().Count(), 2);
    EXPECT_EQ(again.Panel().CurrentColor(), C(99, 98, 97));
}

TEST_F(ColorsWindowFixture, CloseOnlyHides)
{
    CColorsWindow w(app, autoFile);
    int closed = 0;
    w.m_onClosed = [&] { ++closed; };
    w.show();
    EXPECT_FALSE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(closed, 1);
}
