#include "core/model/UndoKind.h"
#include "core/panels/CHistorySlider.h"
#include "core/commands/DrawingCommands.h"
#include "tests/core/support/DrawingFixture.h"
#include <random>
#include <string>

namespace {
constexpr int kHues[] = {0, 120, 240};

// Drives one view with random clicks, strokes, Lines clicks, undos, redos and slider moves,
// keeping its own record of the hue each glob was drawn with.
class HistoryRig : public DrawingFixture {
protected:
    std::mt19937 rng;
    std::vector<int> hueOf;   // per glob
    CHistorySlider slider;

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    CPoint Inside() { return {Pick(200), Pick(100)}; }

    void UseHue(int hue)
    {
        CShape& s = app.CurrentShape();
        s.m_hue = static_cast<int16_t>(hue);
        s.Recolor(s.m_hue, s.m_saturation, s.m_value);
    }
    // A button-down that reaches the stroke start discards the hidden globs.
    void Down(CPoint p, bool ctrl = false)
    {
        const bool inside = p.x >= -20 && p.x <= 220 && p.y >= -20 && p.y <= 120;
        if (inside && !app.Modes().IsOn(CDrawingModes::kMoveCenter))
            hueOf.resize(static_cast<size_t>(std::min(view->ShownCount(), doc.GetGlobCount())));
        stroke().ButtonDown(p.x, p.y, false, ctrl);
        hueOf.resize(static_cast<size_t>(doc.GetGlobCount()), app.CurrentShape().m_hue);
    }
    void Step()
    {
        switch (Pick(8)) {
        case 0:
        case 1: {
            UseHue(kHues[Pick(3)]);
            Down(Inside());
            for (int n = Pick(4); n > 0; --n) {
                const CPoint p = Inside();
                stroke().MouseMove(p.x, p.y, false);
                hueOf.resize(static_cast<size_t>(doc.GetGlobCount()), app.CurrentShape().m_hue);
            }
            stroke().ButtonUp();
            break;
        }
        case 2:
            DrawingCommands::ToggleLines(app.Modes(), view.get());
            break;
        case 3:
            Down(Pick(4) == 0 ? CPoint{500, 500} : Inside(), Pick(4) == 0);
            stroke().ButtonUp();
            break;
        case 4:
        case 5:
            view->History().Undo();
            break;
        case 6: {
            slider.Rebuild(*view);
            CHistorySlider::ForgetDrawingUndo(doc);
            const int span = slider.Maximum() - slider.Minimum();
            slider.EndMove(*view, slider.Minimum() + Pick(span + 1));
            break;
        }
        default:
            view->Paint();
            break;
        }
    }
    // The colour in force at glob i by the document's colour changes.
    int HueInForce(int i) const
    {
        int hue = -1;
        for (const CColorChange& c : doc.ColorChanges())
            if (static_cast<int>(c.m_position) <= i)
                hue = c.m_hue;
        return hue;
    }
};
} // namespace

TEST_F(HistoryRig, PositionStaysInTheSequenceAndColoursFollowTheirChanges)
{
    app.Drawing().m_lineDensity = 8;
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        rng.seed(seed);
        doc.DeleteContents();
        doc.ClearSections();
        doc.Undo().Restore(kUndoNone);
        app.Drawing().m_lineMode = 0;
        stroke().StartNewPolyline();
        view->OnInitialUpdate();
        view->Regenerate();
        hueOf.clear();
        for (int step = 0; step < 24; ++step) {
            Step();
            ASSERT_LE(view->ShownCount(), doc.GetGlobCount()) << "seed " << seed << " step " << step;
            for (const CColorChange& c : doc.ColorChanges())
                ASSERT_LE(static_cast<int>(c.m_position), doc.GetGlobCount()) << "seed " << seed;
        }
        ASSERT_EQ(hueOf.size(), static_cast<size_t>(doc.GetGlobCount())) << "seed " << seed;
        for (int i = 0; i < doc.GetGlobCount(); ++i)
            ASSERT_EQ(HueInForce(i), hueOf[static_cast<size_t>(i)]) << "seed " << seed << " glob " << i;
        if (doc.GetGlobCount() == 0)
            continue;
        // The last glob lies on top: the regenerated picture shows its colour at its centre.
        view->BrowseTo(doc.GetGlobCount());
        view->Regenerate();
        view->Paint();
        const CGlob last = doc.GetGlob(doc.GetGlobCount() - 1);
        if (last.m_x < 0 || last.m_x >= 200 || last.m_y < 0 || last.m_y >= 100)
            continue;
        CShape& shape = app.ShapeTable().Shape(last.m_shape);
        shape.Recolor(hueOf.back(), shape.m_saturation, shape.m_value);
        CImage32 alone(200, 100);
        shape.Draw(alone, last.m_x, last.m_y);
        ASSERT_EQ(view->DrawingImage().At(last.m_x, last.m_y), alone.At(last.m_x, last.m_y)) << "seed " << seed;
    }
}

TEST_F(HistoryRig, ClickThatPlacesNothingAfterUndoLeavesNoStaleRedo)
{
    // Each click below reaches the stroke start without placing a glob, after an Undo Drawing.
    struct Case {
        const char* name;
        bool lines;
        CPoint at;
        bool ctrl;
    };
    const Case cases[] = {
        {"first Lines click", true, {50, 50}, false},
        {"Ctrl-click in Lines mode", true, {50, 50}, true},
        {"click on the previous vertex", true, {10, 10}, false},
        {"click just outside the drawing", false, {-20, 50}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.DeleteContents();
        doc.ClearSections();
        view->OnInitialUpdate();
        // A Lines vertex at (10, 10), then a freehand stroke that Undo hides.
        app.Drawing().m_lineMode = 1;
        stroke().StartNewPolyline();
        stroke().ButtonDown(10, 10, false, false);
        stroke().ButtonUp();
        app.Drawing().m_lineMode = 0;
        UseHue(0);
        Drag({{10, 10}, {20, 20}, {30, 30}, {40, 40}, {50, 50}});
        view->History().Undo();
        ASSERT_EQ(doc.Undo().Kind(), RedoKind(kUndoDrawing));
        if (c.lines && c.at.x != 10)
            stroke().StartNewPolyline();
        app.Drawing().m_lineMode = c.lines ? 1 : 0;
        stroke().ButtonDown(c.at.x, c.at.y, false, c.ctrl);
        stroke().ButtonUp();
        EXPECT_EQ(doc.GetGlobCount(), 0) << "the hidden globs are gone for good";
        EXPECT_EQ(std::string(view->History().MenuState().text), "&Undo Drawing\tCtrl+Z");
        view->History().Undo();
        EXPECT_EQ(view->ShownCount(), 0);

        // A green stroke now records green on its first glob and nothing beyond the end.
        app.Drawing().m_lineMode = 0;
        UseHue(120);
        Drag({{60, 60}, {61, 61}});
        ASSERT_EQ(doc.GetGlobCount(), 2);
        EXPECT_EQ(doc.GetColorChange(doc.GetColorChangeCount() - 1)->m_hue, 120);
        for (const CColorChange& cc : doc.ColorChanges())
            EXPECT_LE(static_cast<int>(cc.m_position), doc.GetGlobCount());
    }
}
