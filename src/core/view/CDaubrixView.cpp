#include "core/view/CDaubrixView.h"
#include "core/model/UndoKind.h"
#include "core/view/CBasicColorsLink.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CLongOperation.h"
#include "core/view/CReplayer.h"
#include "core/view/Symmetry.h"
#include "core/view/edit/CGlobEdits.h"
#include "core/view/undo/CDrawingUndoStep.h"
#include "core/view/undo/CMoveCenterUndoStep.h"
#include <algorithm>

namespace {
constexpr const char* kRebuildStatus = "Rebuilding Undo Image, Please wait...";

// A paint's replay. What it draws reaches the window as one bounding rectangle per few hundred
// globs: a window call per glob would cost more than the drawing. An import may stop it.
class CPaintProgress : public IReplayProgress {
public:
    static constexpr int kGlobsPerFlush = 256;

    CPaintProgress(IViewWindow* window, IReplayProgress* stop) : m_window(window), m_stop(stop) {}
    void GlobDrawn(int, const CRect& r) override
    {
        m_dirty = m_dirty.United(r);
        if (++m_drawn == kGlobsPerFlush)
            Flush();
    }
    bool Continue(int position) override
    {
        m_stopped = m_stopped || (m_stop && !m_stop->Continue(position));
        return !m_stopped;
    }
    bool Stopped() const { return m_stopped; }
    void Flush()
    {
        if (m_window && !m_dirty.IsEmpty())
            m_window->CopyToWindow(m_dirty);
        m_dirty = {};
        m_drawn = 0;
    }

private:
    IViewWindow* m_window;
    IReplayProgress* m_stop;
    CRect m_dirty;
    int m_drawn = 0;
    bool m_stopped = false;
};

// What the kept pictures depend on besides the sequence.
uint64_t PictureKey(const CDaubrixDoc& doc)
{
    return uint64_t{static_cast<uint16_t>(doc.Width())} << 48 | uint64_t{static_cast<uint16_t>(doc.Height())} << 32
        | (doc.HasBackgroundImage() ? uint64_t{1} << 31 : 0) | (doc.BackgroundColor() & 0xFFFFFFu);
}
} // namespace

CDaubrixView::CDaubrixView(CDaubrixApp& app, CDaubrixDoc& doc)
    : m_app(app), m_doc(doc), m_stroke(app, *this), m_history(app.Host(), app.ShapeTable(), *this)
{
    // A new view starts with no one-shot mode waiting for a click (and Lines as it was).
    m_app.Modes().LeaveOneShot();
    m_doc.Undo().SetLevels(app.Shell().m_undoLevels);
    m_history.Register(std::make_unique<CDrawingUndoStep>(*this));
    m_history.Register(std::make_unique<CMoveCenterUndoStep>(m_doc, m_center, [this] { BandChanged(); }));
    m_edits = std::make_unique<CGlobEdits>(*this);
    m_doc.SetView(this);
    m_doc.SetShownPosition(m_shownCount);
}

CDaubrixView::~CDaubrixView()
{
    if (m_doc.View() == this)
        m_doc.SetView(nullptr);
}

void CDaubrixView::OnSectionAdded(int position)
{
    m_observer->SectionAdded(position);
    // A stroke's end: its picture is at hand now.
    if (!NeedsEngineWork() && m_imageAt == position)
        m_checkpoints.Keep(position, m_drawingImage, m_doc);
}

void CDaubrixView::OnSequenceChanged(int position)
{
    m_checkpoints.DropAbove(position);
    if (m_imageAt > position)
        m_imageAt = -1;
    // Globs the undo image holds look different now (an undo swapping back colour changes
    // that a colour picked while looking back had joined): it is replayed before its next use.
    if (position < m_undoImageCount)
        m_undoImageStale = true;
}

void CDaubrixView::OnInitialUpdate()
{
    m_center = DefaultCenter(m_doc.Width(), m_doc.Height());
    SetShown(m_doc.GetGlobCount());
    Invalidate();
}

void CDaubrixView::RecreateImages()
{
    m_checkpoints.Clear();
    m_imageAt = -1;
    m_needImages = true;
    m_fullRedraw = true;
}

void CDaubrixView::SetShown(int position)
{
    m_shownCount = std::clamp(position, 0, m_doc.GetGlobCount());
    m_doc.SetShownPosition(m_shownCount);
}

void CDaubrixView::Invalidate()
{
    if (m_window)
        m_window->Invalidate();
}

void CDaubrixView::BandChanged()
{
    if (m_window)
        m_window->DrawRubberBand();
}

void CDaubrixView::Flush(const CRect& r)
{
    if (m_window)
        m_window->CopyToWindow(r);
}

void CDaubrixView::FillBackground(CImage32& image) const
{
    image.Fill(ColorRefToPixel(m_doc.BackgroundColor()));
    if (m_doc.HasBackgroundImage() && !m_backgroundImage.IsNull())
        image.Blit(m_backgroundImage, m_backgroundX, m_backgroundY);
}

void CDaubrixView::Paint()
{
    const int W = m_doc.Width(), H = m_doc.Height();
    if (PictureKey(m_doc) != m_pictureKey) {
        m_pictureKey = PictureKey(m_doc);
        m_checkpoints.Clear();
        m_imageAt = -1;
    }
    if (m_needImages) {
        m_needImages = false;
        m_drawingImage = CImage32(W, H);
        m_undoImage = CImage32(W, H);
        // A new undo image holds no globs yet: the bare background, counted as none. Taking it
        // as the first m_shownCount globs would let a first paint behind the end of the
        // sequence start from an unfilled picture.
        FillBackground(m_undoImage);
        m_undoImageCount = 0;
        m_undoImageStale = false;
        m_pendingCount = m_doc.GetGlobCount();
        m_imageAt = -1;
    }

    if (m_fullRedraw) {
        m_fullRedraw = false;
        m_imageAt = RestoreBase(m_shownCount - m_pendingCount);
        Flush(m_drawingImage.Bounds());
    }

    CLongOperation op(m_app.Host());
    const int pending = m_pendingCount;
    if (pending > 0) {
        if (m_waitCursor)
            op.BeginWait();
        if (m_import.Active())
            m_import.Start(op, m_shownCount);
        const int first = std::max(m_shownCount - pending, 0);
        CReplayer replay(m_doc);
        // Globs drawn after others continue the colour in force before them: a stroke's
        // colour step and the Shapes window recolour shapes while globs wait for this paint.
        if (m_app.Drawing().m_lineMode || first > 0)
            replay.ApplyInForceBefore(first);
        CPaintProgress progress(m_window, m_import.Active() ? &m_import : nullptr);
        int at = first;
        if (m_imageAt != first)
            m_imageAt = -1;
        // The pictures at the boundaries on the way are kept as the replay passes them.
        const std::vector<int> wanted = m_imageAt >= 0 ? CCheckpointCache::Wanted(m_doc) : std::vector<int>();
        for (int p : wanted) {
            if (p <= at || p >= m_shownCount || m_checkpoints.Has(p))
                continue;
            replay.Draw(m_drawingImage, at, p, &progress);
            if (progress.Stopped())
                break;
            at = m_imageAt = p;
            m_checkpoints.Keep(p, m_drawingImage, m_doc);
        }
        if (!progress.Stopped())
            replay.Draw(m_drawingImage, at, m_shownCount, &progress);
        progress.Flush();
        m_imageAt = progress.Stopped() || m_imageAt < 0 ? -1 : m_shownCount;
        if (m_waitCursor) {
            op.EndWait();
            m_waitCursor = false;
        }
    }

    if (!m_skipped && (pending == 0 || m_blitAll || m_app.BlitAllOnActivate()))
        Flush(m_drawingImage.Bounds());
    m_skipped = false;
    m_blitAll = false;
    m_app.SetBlitAllOnActivate(false);
    m_pendingCount = 0;
    if (m_imageAt == m_shownCount)
        m_checkpoints.Keep(m_shownCount, m_drawingImage, m_doc);

    if (!m_doc.UndoImageSaved()) {
        SaveUndoImage();
        m_doc.SetUndoImageSaved(1);
    }
    m_stroke.PaintDone();
    if (m_app.Drawing().m_lineMode)
        BandChanged();
    op.End();
    if (m_import.Finish())
        HideCancelledImport();
}

void CDaubrixView::HideCancelledImport()
{
    // The import's own step is the one undone.
    if (m_doc.Undo().Action() != kUndoDrawing || m_doc.Undo().IsRedo())
        m_doc.Undo().Record(kUndoDrawing);
    SetShown(m_doc.GetGlobCount());
    m_history.Undo();
    // The picture loses the hidden globs before the user reads why.
    Paint();
    m_app.Host().Message(CImportReplay::CancelledText(), MsgIcon::None);
}

void CDaubrixView::PaintNowIfDue()
{
    if (NeedsEngineWork())
        Paint();
}

void CDaubrixView::GlobsAppended(int n)
{
    m_pendingCount += n;
    SetShown(m_doc.GetGlobCount());
}

void CDaubrixView::ShowAddedGlobs(int n)
{
    GlobsAppended(n);
    Invalidate();
}

void CDaubrixView::EndPendingClear()
{
    if (!m_clearPending)
        return;
    m_clearPending = false;
    // Nothing kept for undo fits the empty drawing.
    m_doc.Undo().Forget();
    m_doc.DeleteContents();
    m_doc.ClearSections();
    SetShown(0);
}

void CDaubrixView::BeginInsert()
{
    EndPendingClear();
    // The undo image must hold what is shown, so a paint still due is done first; one that
    // cancels an import hides the imported globs again, which takes a second.
    for (int i = 0; i < 2 && NeedsEngineWork(); ++i)
        Paint();
    SaveUndoImage();
}

void CDaubrixView::BeginStroke()
{
    BeginInsert();
    m_history.TruncateHidden();
}

void CDaubrixView::BeginImport()
{
    BeginStroke();
    m_doc.Undo().Record(kUndoDrawing, CDrawingUndoStep::Begun(m_shownCount));
}

HistoryRedraw CDaubrixView::RestoreTo(int position)
{
    SetShown(position);
    // The undo image only helps when the position is at or beyond what it holds; below it a
    // redraw from it would show the bare background, so replay from the start instead.
    const bool fromUndo = m_shownCount >= m_undoImageCount;
    const int checkpoint = CheckpointFor(m_shownCount, fromUndo ? m_undoImageCount : 0);
    if (checkpoint > 0) {
        RedrawFromCheckpoint(checkpoint);
        return HistoryRedraw::FromCheckpoint;
    }
    if (fromUndo) {
        RedrawFromUndoImage();
        return HistoryRedraw::FromUndoImage;
    }
    ReplayAll();
    return HistoryRedraw::Regenerate;
}

HistoryRedraw CDaubrixView::BrowseTo(int position)
{
    const int d = m_shownCount;
    position = std::clamp(position, 0, m_doc.GetGlobCount());
    if (position < d)
        return RestoreTo(position);
    const bool undoAhead = d < m_undoImageCount && m_undoImageCount <= position;
    const int checkpoint = CheckpointFor(position, undoAhead ? m_undoImageCount : d);
    HistoryRedraw how = HistoryRedraw::ShowPending;
    if (checkpoint > 0) {
        SetShown(position);
        RedrawFromCheckpoint(checkpoint);
        how = HistoryRedraw::FromCheckpoint;
    } else {
        m_pendingCount += position - d;
        SetShown(position);
        if (position < m_undoImageCount || d >= m_undoImageCount) {
            m_waitCursor = true;
            Invalidate();
        } else {
            RedrawFromUndoImage();
            how = HistoryRedraw::FromUndoImage;
        }
    }
    m_doc.MarkShapesForRecolor(d, position);
    return how;
}

void CDaubrixView::Regenerate()
{
    // Asked for when the picture may be wrong: nothing kept is trusted.
    m_checkpoints.Clear();
    ReplayAll();
}

void CDaubrixView::ReplayAll()
{
    m_pendingCount = m_shownCount;
    m_fullRedraw = true;
    m_waitCursor = true;
    m_redrawBase = -1;
    Invalidate();
}

void CDaubrixView::RedrawFromCheckpoint(int position)
{
    m_pendingCount = m_shownCount - position;
    m_fullRedraw = true;
    m_waitCursor = true;
    m_redrawBase = position;
    Invalidate();
}

int CDaubrixView::CheckpointFor(int position, int from) const
{
    const int c = m_checkpoints.NearestAtOrBelow(position);
    return c > 0 && c - from > m_checkpoints.WorthGlobs(m_drawingImage) ? c : -1;
}

int CDaubrixView::RestoreBase(int first)
{
    const int base = m_redrawBase;
    m_redrawBase = -1;
    if (base > 0 && base == first) {
        if (m_checkpoints.Restore(base, m_drawingImage, m_doc.Shapes()))
            return base;
        // The picture was dropped since: replay everything.
        m_pendingCount = m_shownCount;
        first = 0;
    }
    if (m_shownCount != m_pendingCount && m_undoImageCount != 0 && m_shownCount >= m_undoImageCount) {
        if (m_undoImageStale)
            ReplayUndoImage();
        m_drawingImage = m_undoImage;
        return first == m_undoImageCount ? first : -1;
    }
    FillBackground(m_drawingImage);
    return first == 0 ? 0 : -1;
}

void CDaubrixView::RedrawFromUndoImage()
{
    if (!m_doc.HasColorChangeAt(m_undoImageCount) && m_undoImageCount > 0)
        CReplayer(m_doc).ApplyInForceBefore(m_undoImageCount);
    m_pendingCount = m_shownCount - m_undoImageCount;
    m_fullRedraw = true;
    m_waitCursor = true;
    Invalidate();
}

void CDaubrixView::SaveUndoImage()
{
    m_undoImage = m_drawingImage;
    m_undoImageCount = m_shownCount;
    m_undoImageStale = false;
}

void CDaubrixView::RebuildUndoImage()
{
    // Called when existing globs look different: what was kept of the picture is stale.
    m_checkpoints.Clear();
    m_imageAt = -1;
    ReplayUndoImage();
}

void CDaubrixView::ReplayUndoImage()
{
    m_undoImageStale = false;
    if (m_undoImage.IsNull())
        return;
    FillBackground(m_undoImage);
    const int count = std::min(m_undoImageCount, m_doc.GetGlobCount());
    if (count <= 0)
        return;
    CLongOperation op(m_app.Host());
    op.BeginWait();
    op.SetStatus(kRebuildStatus);
    op.CountGlobs(m_undoImageCount);
    CReplayer replay(m_doc);
    if (m_app.Drawing().m_lineMode)
        replay.ApplyInForceBefore(m_undoImageCount);
    replay.Draw(m_undoImage, 0, count, &op);
}

bool CDaubrixView::DrawingPixel(int x, int y, Pixel& out)
{
    PaintNowIfDue();
    if (m_drawingImage.IsNull() || x < 0 || y < 0 || x >= m_drawingImage.Width() || y >= m_drawingImage.Height())
        return false;
    out = m_drawingImage.At(x, y);
    return true;
}

void CDaubrixView::RecordCurrentColor(HsvColor c)
{
    ApplyColorToCurrentShape(m_app.ShapeTable(), this, c);
}

void CDaubrixView::MoveCenter(CPoint c)
{
    m_center = c;
}

void CDaubrixView::ResetCenter()
{
    m_center = DefaultCenter(m_doc.Width(), m_doc.Height());
    BandChanged();
}

void CDaubrixView::SetBackgroundImage(CImage32 image, int x, int y)
{
    m_checkpoints.Clear();
    m_imageAt = -1;
    m_backgroundImage = std::move(image);
    m_backgroundX = x;
    m_backgroundY = y;
}

void CDaubrixView::ClearBackgroundImage()
{
    m_checkpoints.Clear();
    m_imageAt = -1;
    m_backgroundImage = CImage32();
    m_backgroundX = m_backgroundY = 0;
}
