#include "core/settings/CAutoChange.h"
#include "core/view/CBasicColorsLink.h"
#include "core/imaging/PackedDib.h"
#include "core/imaging/BackgroundImage.h"
#include "core/panels/CHistorySlider.h"
#include "core/view/CImportReplay.h"
#include "core/model/CDocumentFile.h"
#include "core/view/CViewKeys.h"
#include "core/commands/DocumentIO.h"
#include "core/commands/DrawingCommands.h"
#include "core/view/IImportDialogs.h"
#include "core/commands/ImageImport.h"
#include "core/commands/ViewCommands.h"
#include "core/view/edit/PatternMode.h"
#include "tests/core/view/edit/GlobEditFixture.h"
#include "tests/core/support/TempDir.h"
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace {

// Drives one view through strokes, history moves, undo and redo, the glob edits, Clear,
// imports, background colours, saving, opening and the recovery copy, each through the call its
// menu command makes, and after every step compares the picture with one replayed from nothing
// at the same position, and what a save would write with what the user has.
class MixedEditsRig : public GlobEditFixture {
protected:
    TempDir dir;
    std::string picture;
    std::string large;
    std::string saved;
    std::vector<uint8_t> onDisk;   // the drawing's file as last saved or opened
    std::mt19937 rng;
    CHistorySlider slider;
    std::string log;
    bool picked = false;   // a colour was picked or sampled since the last edit
    int lastKind = -1;
    bool repaintBehindImport = false;

    void RunSeeds();

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

    // Automatic hue change on or off, as the Colors menu leaves it.
    void AutoHue(bool on)
    {
        app.AutoColor().m_autoHue = on ? kAutoUp : kAutoOff;
        app.AutoChange().Init(ColorComponent::Hue);
    }

    // One of the Drawing menu's modes by number; 0 is none.
    void ToggleStrokeMode(int mode)
    {
        switch (mode) {
        case 1: DrawingCommands::ToggleMirrorHorizontal(app.Drawing(), view.get()); break;
        case 2: DrawingCommands::ToggleMirrorBoth(app.Drawing(), view.get()); break;
        case 3: DrawingCommands::TogglePolar(app.Drawing(), view.get()); break;
        case 4: DrawingCommands::ToggleJitter(app.Modes()); break;
        case 5: DrawingCommands::ToggleSkipping(app.Modes()); break;
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
            // Ctrl+Z or a paint with the button still down.
            if (Pick(8) == 0) {
                Note("z");
                view->Paint();
                view->History().Undo();
            }
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
        PatternMode::Set(app.Modes(), view.get(), true);
        const CPoint p = Inside();
        stroke().ButtonDown(p.x, p.y, false, false);
        stroke().ButtonUp();
        PatternMode::Set(app.Modes(), view.get(), false);
    }

    void Step()
    {
        const int kind = Pick(18);
        lastKind = kind;
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
            if (k != kUndoDrawing && k != RedoKind(kUndoDrawing))
                was.shown = view->ShownCount();
            // Redo Paste pastes again, in the colours of the moment unless they are preserved.
            // Undo puts back the colour changes saved with the edit, without one picked since.
            if (k == kUndoPaste || k == RedoKind(kUndoPaste) || picked)
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
            if (repaintBehindImport && Pick(3) == 0) {
                // The window repaints behind the import's question.
                view->Paint();
                host.onAsk = [this] { view->Paint(); };
                if (Pick(2))
                    host.onProgress = [this](int percent) {
                        if (percent > 50 && host.keys.empty())
                            host.keys.push_back(27);
                    };
            }
            Import(Pick(3) ? picture : large);
            host.onAsk = nullptr;
            host.onProgress = nullptr;
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
        case 14: {
            std::vector<uint8_t> bytes;
            ASSERT_TRUE(DocumentBytes(doc, view.get(), bytes));
            ASSERT_TRUE(SaveDocument(saved, doc, view.get()));
            onDisk = bytes;
            break;
        }
        case 15:
            if (std::filesystem::exists(saved)) {
                view->SetClearPending(false);
                ASSERT_TRUE(OpenDocumentFile(saved, doc, view.get(), false, host));
                std::ifstream in(saved, std::ios::binary);
                onDisk.assign(std::istreambuf_iterator<char>(in), {});
            }
            break;
        case 16: {
            // The recovery copy leaves the drawing as it is, modified or not.
            const bool modified = doc.IsModified();
            std::vector<uint8_t> bytes;
            ASSERT_TRUE(DocumentBytes(doc, view.get(), bytes));
            ASSERT_EQ(doc.IsModified(), modified);
            break;
        }
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
                DrawingCommands::ToggleLines(app.Modes(), view.get());
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

    // The picture a drawing replays to with all its globs shown; the shapes keep their colours.
    CImage32 ReplayedInFull(CDaubrixDoc& d, bool cleared)
    {
        CShapeTable& shapes = app.ShapeTable();
        std::vector<uint64_t> colorings;
        for (int s = 0; s < shapes.Count(); ++s)
            colorings.push_back(shapes.Shape(s).Coloring());
        CImage32 img(d.Width(), d.Height());
        img.Fill(ColorRefToPixel(d.BackgroundColor()));
        if (!cleared)
            CReplayer(d).Draw(img, 0, d.GetGlobCount());
        for (int s = 0; s < shapes.Count(); ++s)
            shapes.Shape(s).SetColoring(colorings[static_cast<size_t>(s)]);
        return img;
    }

    // Empty when what a save would write, read back and replayed in full, is the drawing the
    // user has (nothing of it while a Clear is pending), and the drawing is marked modified
    // when that differs from its file.
    std::string SaveDiffers()
    {
        std::vector<uint8_t> bytes;
        if (!DocumentBytes(doc, view.get(), bytes))
            return "no bytes; ";
        std::string out;
        if (bytes != onDisk && !doc.IsModified())
            out += "differs from its file but unmarked; ";
        CDaubrixDoc back(app.ShapeTable(), &host);
        if (!CDocumentFile::Read(bytes, back, nullptr, false))
            return out + "unreadable; ";
        // The same records replay to the same picture; only a difference needs the replays.
        const bool cleared = view->ClearPending();
        const bool same = cleared ? back.GetGlobCount() == 0
                                  : back.Globs() == doc.Globs() && back.ColorChanges() == doc.ColorChanges();
        if (!same && !(ReplayedInFull(back, false) == ReplayedInFull(doc, cleared)))
            out += "saved picture differs; ";
        return out;
    }

    // The colour each glob is drawn in: a change recolours the shape of the glob it stands at.
    // -1 where no change has coloured the glob's shape yet.
    static std::vector<int64_t> GlobColours(const CDaubrixDoc& d)
    {
        std::map<int, int64_t> shapeColour;
        std::vector<int64_t> out;
        const auto& changes = d.ColorChanges();
        size_t c = 0;
        for (int p = 0; p < d.GetGlobCount(); ++p) {
            const int shape = d.GetGlob(p).m_shape;
            for (; c < changes.size() && static_cast<int64_t>(changes[c].m_position) <= p; ++c)
                if (static_cast<int64_t>(changes[c].m_position) == p)
                    shapeColour[shape] = changes[c].m_hue * 65536LL + changes[c].m_saturation * 256 + changes[c].m_value;
            const auto it = shapeColour.find(shape);
            out.push_back(it == shapeColour.end() ? -1 : it->second);
        }
        return out;
    }

    // Empty when no glob hidden before and after a step changed its colour while the sequence
    // stayed as it was: hidden globs come back as they were drawn.
    static std::string HiddenRecoloured(const std::vector<CGlob>& globsBefore, const std::vector<int64_t>& before,
                                        int shownBefore, const CDaubrixDoc& d, int shownAfter)
    {
        if (d.Globs() != globsBefore)
            return "";
        const std::vector<int64_t> after = GlobColours(d);
        for (size_t p = static_cast<size_t>(std::max(shownBefore, shownAfter)); p < after.size(); ++p)
            if (after[p] != before[p])
                return "hidden glob " + std::to_string(p) + " recoloured; ";
        return "";
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

void MixedEditsRig::RunSeeds()
{
    // A seed stops at its first fault; the others go on, so that one run shows every kind.
    std::map<std::string, int> kinds;
    std::string first;
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
        saved = dir.File("drawing.dbx");
        std::filesystem::remove(saved);
        onDisk.clear();
        ASSERT_TRUE(DocumentBytes(doc, view.get(), onDisk));
        doc.SetModifiedFlag(false);
        for (int step = 0; step < 40; ++step) {
            const std::vector<CGlob> globsBefore = doc.Globs();
            const std::vector<int64_t> coloursBefore = GlobColours(doc);
            const int shownBefore = view->ShownCount();
            Step();
            std::string fault = Broken();
            if (fault.empty())
                fault = SaveDiffers();
            // An opened file brings its own colours; undoing Simulate Depth after a slider move
            // rightly gives hidden globs back the colours they had before it.
            if (fault.empty() && lastKind != 15 && lastKind != 3 && lastKind != 4)
                fault = HiddenRecoloured(globsBefore, coloursBefore, shownBefore, doc, view->ShownCount());
            // Commands may follow one another before the window paints.
            if (fault.empty() && Pick(3) != 0) {
                Note("p" + std::to_string(view->ShownCount()) + "/" + std::to_string(doc.GetGlobCount()) + "u"
                     + std::to_string(view->UndoImageCount()) + "k" + std::to_string(doc.Undo().Kind())
                     + (view->ClearPending() ? "C" : ""));
                view->Paint();
                if (!(view->DrawingImage() == Regenerated()))
                    fault = "picture differs from a replay; ";
            }
            if (!fault.empty()) {
                ++kinds[fault.substr(0, fault.find_first_of("0123456789;")) + " after a step of kind " + std::to_string(lastKind)];
                if (::testing::Test::HasFailure() && first.empty())
                    first = "(failed inside a step) ";
                if (first.empty())
                    first = "seed " + std::to_string(seed) + ": " + fault + "steps " + log;
                break;
            }
        }
    }
    std::ostringstream summary;
    for (const auto& [what, n] : kinds)
        summary << n << " seeds: " << what << "\n";
    EXPECT_TRUE(kinds.empty()) << summary.str() << first;
}

TEST_F(MixedEditsRig, EveryPictureEqualsAReplayAndTheDocumentHoldsTogether)
{
    RunSeeds();
}

TEST_F(MixedEditsRig, AlsoWithRepaintsBehindTheImportsQuestions)
{
    repaintBehindImport = true;
    RunSeeds();
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
