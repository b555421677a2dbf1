#include "core/settings/CAutoChange.h"
#include "core/view/CBasicColorsLink.h"
#include "core/panels/CHistorySlider.h"
#include "core/view/CReplayer.h"
#include "tests/core/support/DrawingFixture.h"
#include <functional>
#include <random>

namespace {

// Drives one view with strokes in two shapes and drifting colours, slider moves, section
// jumps, undo, redo, recolours and background changes, with a small picture budget so that
// kept pictures come and go, and compares the view after every step with a regeneration of
// its history position made apart from it.
class CheckpointRig : public DrawingFixture {
protected:
    std::mt19937 rng;
    CHistorySlider slider;
    int fromCheckpoint = 0;
    int lastStep = -1;
    HistoryRedraw lastRedraw = HistoryRedraw::ShowPending;

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    CPoint Inside() { return {Pick(200), Pick(100)}; }

    // Background and globs up to the position, drawn on their own; the shapes' colours are
    // put back afterwards so that the view under test does not notice.
    CImage32 Regenerated()
    {
        CShapeTable& shapes = app.ShapeTable();
        std::vector<uint64_t> colorings;
        for (int s = 0; s < shapes.Count(); ++s)
            colorings.push_back(shapes.Shape(s).Coloring());
        CImage32 picture(doc.Width(), doc.Height(), ColorRefToPixel(doc.BackgroundColor()));
        CReplayer(doc).Draw(picture, 0, view->ShownCount());
        for (int s = 0; s < shapes.Count(); ++s)
            shapes.Shape(s).SetColoring(colorings[static_cast<size_t>(s)]);
        return picture;
    }

    void Move(int position)
    {
        slider.Rebuild(*view);
        CHistorySlider::ForgetDrawingUndo(doc);
        lastRedraw = slider.EndMove(*view, position);
        if (lastRedraw == HistoryRedraw::FromCheckpoint)
            ++fromCheckpoint;
    }

    void Stroke()
    {
        app.ShapeTable().m_currentShape = static_cast<uint8_t>(Pick(2) == 0 ? 1 : 4);
        app.AutoColor().m_autoHue = Pick(3) == 0 ? kAutoUp : kAutoOff;
        app.AutoChange().Init(ColorComponent::Hue);
        CShape& s = app.CurrentShape();
        s.m_hue = static_cast<int16_t>(Pick(360));
        s.Recolor(s.m_hue, s.m_saturation, s.m_value);
        const CPoint start = Inside();
        stroke().ButtonDown(start.x, start.y, false, false);
        for (int n = 1 + Pick(12); n > 0; --n) {
            const CPoint p = Inside();
            stroke().MouseMove(p.x, p.y, false);
            if (Pick(3) == 0)
                view->Paint();
        }
        stroke().ButtonUp();
    }

    void Step()
    {
        const int shown = view->ShownCount();
        lastStep = Pick(10);
        switch (lastStep) {
        case 0:
        case 1:
        case 2:
            Stroke();
            break;
        case 3:
            Move(doc.Sections().Floor() + Pick(doc.GetGlobCount() - doc.Sections().Floor() + 1));
            break;
        case 4:
        case 5:
            slider.Rebuild(*view);
            Move(Pick(2) ? CHistorySlider::PreviousTarget(doc, shown) : doc.Sections().At(Pick(10)));
            break;
        case 6:
            view->History().Undo();
            break;
        case 7: {
            // A colour picked while looking back changes the globs from the position on.
            ApplyColorToCurrentShape(app.ShapeTable(), view.get(), HsvColor{static_cast<int16_t>(Pick(360)), 200, 255});
            view->RestoreTo(view->ShownCount());
            break;
        }
        case 8:
            if (Pick(4) == 0) {
                doc.SetBackgroundColor(MakeColorRef(Pick(256), Pick(256), Pick(256)));
                view->RebuildUndoImage();
                view->RestoreTo(shown);
            } else if (shown > view->UndoImageCount() && shown < doc.GetGlobCount()) {
                // An edit above the undo image: only the pictures beyond it are stale.
                const int at = view->UndoImageCount() + Pick(shown - view->UndoImageCount());
                doc.SetColorChange(at, Pick(360), 255, 255);
                view->RestoreTo(shown);
            }
            break;
        default:
            break;
        }
    }
};

} // namespace

TEST_F(CheckpointRig, EveryPictureEqualsARegenerationAndTheBudgetHolds)
{
    CImage32 probe(doc.Width(), doc.Height());
    // Room for three pictures only, and every kept picture worth using.
    const size_t budget = 3 * probe.ByteCount() + 4096;
    view->Checkpoints().SetBudget(budget);
    view->Checkpoints().SetWorthGlobs(0);
    app.Drawing().m_skipping = 0;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        rng.seed(seed);
        doc.DeleteContents();
        doc.LoadSections(0, 0, nullptr);
        doc.Undo().Restore(0);
        view->OnInitialUpdate();
        view->Regenerate();
        view->Paint();
        for (int step = 0; step < 40; ++step) {
            Step();
            view->Paint();
            ASSERT_TRUE(view->DrawingImage() == Regenerated()) << "seed " << seed << " step " << step << " kind " << lastStep
                                                                    << " redraw " << static_cast<int>(lastRedraw);
        }
    }
    EXPECT_LE(view->Checkpoints().PeakBytes(), budget);
    EXPECT_GT(view->Checkpoints().PeakBytes(), 2 * probe.ByteCount()) << "the budget was reached";
    EXPECT_GT(fromCheckpoint, 100) << "moves started from kept pictures";
}

// Every edit of the document forgets the kept pictures that hold globs at or beyond it, and
// only those.
TEST_F(DrawingFixture, DocumentEditsForgetThePicturesBeyondThem)
{
    struct Case {
        const char* name;
        int from;   // pictures above this position go
        std::function<void(CDaubrixDoc&)> edit;
    };
    const Case cases[] = {
        {"insert a glob", 25, [](CDaubrixDoc& d) { d.InsertGlob(25, 5, 5); }},
        {"delete globs", 15, [](CDaubrixDoc& d) { d.DeleteGlobs(15, 18); }},
        {"truncate", 30, [](CDaubrixDoc& d) { d.TruncateAt(30); }},
        {"set a colour change", 22, [](CDaubrixDoc& d) { d.SetColorChange(22, 10, 20, 30); }},
        {"change a value", 0, [](CDaubrixDoc& d) { d.SetColorChangeValue(0, 99); }},
        {"shift colour changes", 35, [](CDaubrixDoc& d) { d.ShiftColorChanges(35, 2); }},
        {"swap colour changes", 20,
         [](CDaubrixDoc& d) {
             d.SaveColorChanges();
             d.SetColorChange(20, 1, 2, 3);
             d.SwapColorChanges();
         }},
        {"empty the document", 0, [](CDaubrixDoc& d) { d.DeleteContents(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.DeleteContents();
        doc.ClearSections();
        view->OnInitialUpdate();
        // Five strokes of ten globs: boundaries at 10, 20, ... 50.
        for (int s = 0; s < 5; ++s) {
            std::vector<CPoint> points;
            for (int i = 0; i < 10; ++i)
                points.push_back({10 + 30 * s + i, 10 + 8 * i});
            Drag(points);
        }
        view->Regenerate();
        view->Paint();
        std::vector<int> kept;
        for (int p : CCheckpointCache::Wanted(doc))
            if (view->Checkpoints().Has(p))
                kept.push_back(p);
        ASSERT_EQ(kept, (std::vector<int>{10, 20, 30, 40, 50}));
        c.edit(doc);
        for (int p : kept)
            EXPECT_EQ(view->Checkpoints().Has(p), p <= c.from) << "picture at " << p;
    }
}
