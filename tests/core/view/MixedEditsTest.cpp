#include "core/view/AutoColor.h"
#include "core/view/CBasicColorsLink.h"
#include "core/imaging/PackedDib.h"
#include "core/imaging/BackgroundImage.h"
#include "core/panels/CHistorySlider.h"
#include "core/view/CImportReplay.h"
#include "core/view/CViewKeys.h"
#include "core/commands/DrawingCommands.h"
#include "core/view/IImportDialogs.h"
#include "core/commands/ImageImport.h"
#include "core/commands/ViewCommands.h"
#include "core/view/edit/PatternMode.h"
#include "tests/core/view/edit/GlobEditFixture.h"
#include "tests/core/support/TempDir.h"
#include <functional>
#include <random>
#include <sstream>
#include <string>

namespace {

// Drives one view through strokes, history moves, undo and redo, the glob edits, Clear,
// imports and background colours, each through the call its menu command makes, and after
// every step compares the picture with one replayed from nothing at the same position.
class MixedEditsRig : public GlobEditFixture {
protected:
    TempDir dir;
    std::string picture;
    std::string large;
    std::mt19937 rng;
    CHistorySlider slider;
    std::string log;
    bool picked = false;   // a colour was picked or sampled since the last edit

    void SetUp() override
    {
        GlobEditFixture::SetUp();
        CImage32 img(24, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 24; ++x)
                img.Set(x, y, MakePixel(x * 10, y * 15, 255 - x * 10));
        picture = dir.File("in.bmp");
        ASSERT_TRUE(SaveBitmapAsBmp(picture, img));
        large = dir.File("large.bmp");
        ASSERT_TRUE(SaveBitmapAsBmp(large, StretchNearest(img, 150, 90)));
        app.Import().m_importRemoveBackground = 0;
        app.Import().m_importGlobCount = 3;
        app.Drawing().m_skipping = 0;
        // Every kept picture worth using, and room for a few only, so that they come and go.
        CImage32 probe(doc.Width(), doc.Height());
        view->Checkpoints().SetBudget(4 * probe.ByteCount() + 4096);
        view->Checkpoints().SetWorthGlobs(0);
    }

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    CPoint Inside() { return {Pick(200), Pick(100)}; }
    void Note(const std::string& what) { log += what + " "; }

    // Image > Import with the file chosen and the settings as they stand.
    void Import(const std::string& path)
    {
        struct Dialogs : IImportDialogs {
            std::string path;
            std::string AskImportPath() override { return path; }
            bool AskImportSettings(CImportSettings&) override { return true; }
        } dialogs;
        dialogs.path = path;
        ImportImageCommand(app, *view, dialogs);
    }

    // Automatic hue change on or off, as the Colors menu leaves it.
    void AutoHue(bool on)
    {
        app.AutoColor().m_autoHue = on ? kAutoUp : kAutoOff;
        InitAutoHue(app);
    }

    // One of the Drawing menu's modes by number; 0 is none.
    void ToggleStrokeMode(int mode)
    {
        switch (mode) {
        case 1: DrawingCommands::ToggleMirrorHorizontal(app, view.get()); break;
        case 2: DrawingCommands::ToggleMirrorBoth(app, view.get()); break;
        case 3: DrawingCommands::TogglePolar(app, view.get()); break;
        case 4: DrawingCommands::ToggleJitter(app); break;
        case 5: DrawingCommands::ToggleSkipping(app); break;
        default: break;
        }
    }

    // In a mode switched on for this stroke only.
    void FreehandStroke()
    {
        app.ShapeTable().m_currentShape = static_cast<uint8_t>(Pick(app.ShapeTable().Count()));
        AutoHue(Pick(3) == 0);
        CShape& s = app.CurrentShape();
        s.m_hue = static_cast<int16_t>(Pick(360));
        s.Recolor(s.m_hue, s.m_saturation, s.m_value);
        const int mode = Pick(6);
        ToggleStrokeMode(mode);
        const CPoint start = Inside();
        stroke().ButtonDown(start.x, start.y, false, false);
        for (int n = 1 + Pick(6); n > 0; --n) {
            const CPoint p = Inside();
            stroke().MouseMove(p.x, p.y, false);
        }
        stroke().ButtonUp();
        ToggleStrokeMode(mode);
    }

    void PatternStamp()
    {
        if (app.Clipboard().m_pattern.IsEmpty() && !view->Edits().DefinePattern(Pick(2) == 0))
            return;
        app.Clipboard().m_patternPreserveColors = Pick(2);
        AutoHue(Pick(2) == 0);
        PatternMode::Set(app, view.get(), true);
        const CPoint p = Inside();
        stroke().ButtonDown(p.x, p.y, false, false);
        stroke().ButtonUp();
        PatternMode::Set(app, view.get(), false);
    }

    void Step()
    {
        const int kind = Pick(15);
        Note(std::to_string(kind));
        const int kindBefore = doc.Undo().Kind();
        switch (kind) {
        case 0:
        case 1:
            FreehandStroke();
            break;
        case 2: {
            slider.Rebuild(*view);
            CHistorySlider::ForgetDrawingUndo(doc);
            // The thumb within its range, or a section button.
            int to = slider.Minimum() + Pick(slider.Maximum() - slider.Minimum() + 1);
            if (Pick(2) == 0) {
                const auto next = CHistorySlider::NextTarget(doc, view->ShownCount());
                to = Pick(2) ? CHistorySlider::PreviousTarget(doc, view->ShownCount()) : next.value_or(to);
            }
            slider.EndMove(*view, std::clamp(to, slider.Minimum(), slider.Maximum()));
            Note("@" + std::to_string(view->ShownCount()) + "/" + std::to_string(doc.GetGlobCount()));
            break;
        }
        case 3:
            view->History().Undo();
            break;
        case 4: {
            // Undo and Redo give back what was.
            DocState was = State();
            const int k = doc.Undo().Kind();
            Note("k" + std::to_string(k));
            view->History().Undo();
            if (Pick(2))
                view->Paint();
            view->History().Undo();
            // A slider move since the edit leaves its undo in place; the edit's redo returns
            // to the edit's own position.
            if (k != kUndoDrawing && k != kRedoDrawing)
                was.shown = view->ShownCount();
            // Redo Paste pastes again, in the colours of the moment unless they are preserved.
            // Undo puts back the colour changes saved with the edit, without one picked since.
            if (k == kUndoPaste || k == kRedoPaste || picked)
                was.changes = doc.ColorChanges();
            if (k != 0 && !(State() == was))
                ADD_FAILURE() << "undo kind " << k << "\n" << was << "\n" << State() << "\n" << log;
            break;
        }
        case 5:
            view->Edits().SimulateDepth({Pick(2) == 0, Pick(2) == 0, Pick(5), 10 + Pick(16)});
            break;
        case 6:
            if (Pick(2))
                view->Edits().Copy(Pick(2) == 0);
            else
                view->Edits().Cut(Pick(2) == 0);
            break;
        case 7: {
            // Preserved, current and stepped colours.
            const int way = Pick(3);
            AutoHue(way == 2);
            view->Edits().Paste(way == 0);
            break;
        }
        case 8:
            PatternStamp();
            break;
        case 9:
            ASSERT_TRUE(ViewCommands::Clear(*view));
            break;
        case 10:
            app.Import().m_importPreserveColors = Pick(2);
            app.Import().m_importOrderFromImage = Pick(2);
            AutoHue(Pick(3) == 0);
            // ESC cancels the sampling, or the paint of a larger picture's globs.
            if (Pick(6) == 0)
                host.keys.push_back(27);
            Import(Pick(3) ? picture : large);
            if (Pick(4) == 0) {
                // The paint may also be the one a stroke or paste starts with.
                host.keys.push_back(27);
                const int then = Pick(3);
                if (then == 0)
                    view->Paint();
                else if (then == 1)
                    FreehandStroke();
                else
                    view->Edits().Paste(true);
            }
            host.keys.clear();
            break;
        case 11:
            ViewCommands::SetBackgroundColor(*view, {static_cast<int16_t>(Pick(360)), 80, 200});
            break;
        case 12: {
            picked = true;
            // A sampling click, or a colour picked in the Colors window.
            if (Pick(3) == 0) {
                Note("pick");
                ApplyColorToCurrentShape(app.ShapeTable(), view.get(), {static_cast<int16_t>(Pick(360)), 255, 255});
                break;
            }
            if (Pick(2) == 0) {
                // A colour or shape key typed into the view.
                CViewKeys(*view, nullptr).Type("1QE3[]"[Pick(6)]);
                break;
            }
            if (Pick(2))
                ViewCommands::ToggleSampleColor(*view);
            else
                ViewCommands::ToggleSampleShape(*view);
            const CPoint p = Inside();
            stroke().ButtonDown(p.x, p.y, false, false);
            stroke().ButtonUp();
            ViewCommands::LeaveOneShotModes(*view);
            break;
        }
        case 13: {
            // Lines on or off, and a few clicks in it.
            if (Pick(2))
                DrawingCommands::ToggleLines(app, view.get());
            for (int n = Pick(4); n > 0; --n) {
                const CPoint p = Inside();
                stroke().ButtonDown(p.x, p.y, false, false);
                stroke().ButtonUp();
            }
            break;
        }
        default:
            view->Paint();
            break;
        }
        if (doc.Undo().Kind() != kindBefore && kind != 3 && kind != 4 && kind != 12)
            picked = false;
    }

    // The shown globs replayed from nothing; the shapes' colours are put back afterwards so
    // that the view under test does not notice.
    CImage32 Regenerated()
    {
        CShapeTable& shapes = app.ShapeTable();
        std::vector<uint64_t> colorings;
        for (int s = 0; s < shapes.Count(); ++s)
            colorings.push_back(shapes.Shape(s).Coloring());
        CReplayer replay(doc);
        replay.ApplyInForceBefore(0);
        CImage32 img = Replayed();
        for (int s = 0; s < shapes.Count(); ++s)
            shapes.Shape(s).SetColoring(colorings[static_cast<size_t>(s)]);
        return img;
    }

    // Empty when the document's bookkeeping holds together.
    std::string Broken() const
    {
        std::ostringstream out;
        const int count = doc.GetGlobCount();
        int64_t last = -1;
        for (const CColorChange& c : doc.ColorChanges()) {
            if (static_cast<int64_t>(c.m_position) <= last || static_cast<int>(c.m_position) > count)
                out << "colour change at " << c.m_position << " of " << count << "; ";
            last = c.m_position;
        }
        if (count > 0 && (doc.ColorChanges().empty() || doc.ColorChanges().front().m_position != 0))
            out << "no colour at the first glob; ";
        int previous = 0;
        for (int i = 0; i < doc.Sections().Count(); ++i) {
            const int b = doc.Sections().At(i);
            if (b < previous || b > count)
                out << "section " << i << " at " << b << " of " << count << "; ";
            previous = b;
        }
        if (doc.Sections().Floor() < 0 || doc.Sections().Floor() > count
            || (doc.Sections().Count() > 0 && doc.Sections().Floor() > doc.Sections().At(0)))
            out << "floor " << doc.Sections().Floor() << "; ";
        if (view->ShownCount() < doc.Sections().Floor() || view->ShownCount() > count)
            out << "position " << view->ShownCount() << " of " << count << "; ";
        return out.str();
    }
};

} // namespace

TEST_F(MixedEditsRig, EveryPictureEqualsAReplayAndTheDocumentHoldsTogether)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        rng.seed(seed);
        log.clear();
        doc.DeleteContents();
        doc.LoadSections(0, 0, nullptr);
        doc.Undo().Restore(0);
        doc.SetBackgroundColor(MakeColorRef(255, 255, 255));
        app.Clipboard().m_clipboard = {};
        app.Clipboard().m_pattern = {};
        app.Drawing().m_lineMode = 0;
        view->SetClearPending(false);
        view->OnInitialUpdate();
        view->Regenerate();
        view->Paint();
        for (int step = 0; step < 40; ++step) {
            Step();
            ASSERT_EQ(Broken(), "") << "seed " << seed << " steps " << log;
            // Commands may follow one another before the window paints.
            if (Pick(3) == 0)
                continue;
            Note("p" + std::to_string(view->ShownCount()) + "/" + std::to_string(doc.GetGlobCount()) + "u" + std::to_string(view->UndoImageCount()) + "k" + std::to_string(doc.Undo().Kind()) + (view->ClearPending() ? "C" : ""));
            view->Paint();
            ASSERT_TRUE(view->DrawingImage() == Regenerated()) << "seed " << seed << " steps " << log;
        }
    }
}

TEST_F(MixedEditsRig, UndoAfterAColourPickedWhileLookingBackRedrawsWhatItRestores)
{
    // The pick below the undo image rebuilds it; Undo then swaps back the colours from before
    // the edit, which the undo image must follow.
    struct Case {
        const char* name;
        std::function<void()> edit;
    };
    const Case cases[] = {
        {"paste", [&] { edits().Copy(false), edits().Paste(true); }},
        {"depth of the last section", [&] { edits().SimulateDepth({false, true, 0, 25}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.DeleteContents();
        doc.ClearSections();
        view->OnInitialUpdate();
        view->Regenerate();
        ThreeStrokes();
        c.edit();
        view->Paint();
        ASSERT_GE(view->UndoImageCount(), 9);
        view->BrowseTo(6);
        view->Paint();
        ApplyColorToCurrentShape(app.ShapeTable(), view.get(), {200, 255, 255});
        view->History().Undo();
        EXPECT_TRUE(Rendered() == Replayed());
        view->BrowseTo(doc.GetGlobCount());
        EXPECT_TRUE(Rendered() == Replayed());
    }
}

TEST_F(MixedEditsRig, RedoPastePutsBackTheUndoneRunAfterTheClipboardChanged)
{
    ThreeStrokes();
    edits().Copy(false);
    ASSERT_TRUE(edits().Paste(true));
    const DocState pasted = State();
    edits().Copy(true);
    view->History().Undo();
    view->History().Undo();
    EXPECT_EQ(State(), pasted);
    EXPECT_TRUE(Rendered() == Replayed());
}

TEST_F(MixedEditsRig, AnEditThatCancelsAnImportsPaintStartsFromTheRestoredPicture)
{
    // ESC during the paint an edit starts with: the imported globs are hidden again before
    // the edit keeps the picture for its undo.
    for (const bool paste : {true, false}) {
        SCOPED_TRACE(paste ? "paste" : "stroke");
        doc.DeleteContents();
        doc.ClearSections();
        view->OnInitialUpdate();
        view->Regenerate();
        ThreeStrokes();
        edits().Copy(false);
        const int before = doc.GetGlobCount();
        Import(large);
        ASSERT_GT(doc.GetGlobCount(), before + 100);
        host.keys.push_back(27);
        if (paste)
            edits().Paste(true);
        else
            Drag({{100, 50}, {110, 50}});
        ASSERT_TRUE(host.Said(CImportReplay::CancelledText()));
        EXPECT_EQ(view->UndoImageCount(), before);
        EXPECT_TRUE(Rendered() == Replayed());
        view->BrowseTo(before);
        EXPECT_TRUE(Rendered() == Replayed());
    }
}

TEST_F(MixedEditsRig, PasteBelowAFullListOfSectionsKeepsTheFloorUnderThem)
{
    for (int i = 0; i < CDaubrixDoc::kMaxSections; ++i)
        Stroke(36 * i, 3, 10 + 15 * i, 20);
    ASSERT_EQ(doc.Sections().Count(), CDaubrixDoc::kMaxSections);
    edits().Copy(false);
    view->BrowseTo(0);
    ASSERT_TRUE(edits().Paste(true));
    EXPECT_EQ(Broken(), "");
    EXPECT_EQ(doc.Sections().Floor(), 3) << "the pasted run ends at the new floor";
    EXPECT_EQ(doc.Sections().At(0), 6);
    EXPECT_EQ(view->ShownCount(), 3);
}
