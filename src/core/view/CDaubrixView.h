#pragma once
#include "core/imaging/CImage32.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/IDocView.h"
#include "core/view/CCheckpointCache.h"
#include "core/view/CImportReplay.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/CViewHistory.h"
#include "core/view/IHistoryTarget.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/IViewObserver.h"
#include "core/view/IViewWindow.h"
#include <algorithm>
#include <memory>

class CDaubrixApp;
class CGlobEdits;

// The engine side of one drawing's view: the drawing image and the undo image, the history
// position, and the paint that replays pending globs into the drawing image. Its counters move
// only through the operations below, which keep the position within the sequence.
class CDaubrixView : public IDocView, public IHistoryTarget, public IStrokeTarget {
public:
    CDaubrixView(CDaubrixApp& app, CDaubrixDoc& doc);
    ~CDaubrixView() override;

    void SetWindow(IViewWindow* window) { m_window = window; }
    IViewWindow* Window() const { return m_window; }
    // One observer; nullptr stops the telling.
    void SetObserver(IViewObserver* observer) { m_observer = observer ? observer : &m_noObserver; }
    CDaubrixDoc& Doc() override { return m_doc; }
    const CDaubrixDoc& Doc() const { return m_doc; }
    CDaubrixApp& App() { return m_app; }

    // IDocView
    void OnSectionAdded(int position) override;
    void OnSequenceChanged(int position) override;

    // The framework's initial update: history position at the end of the sequence.
    void OnInitialUpdate();
    // New size and content: both images are built anew and everything is replayed.
    void RecreateImages();

    // The paint: brings the drawing image up to date and tells the window what changed.
    void Paint();
    // True when the next paint has work beyond copying the image.
    bool NeedsEngineWork() const { return m_needImages || m_fullRedraw || m_pendingCount > 0; }
    // Brings the drawing image up to date now when a paint is due.
    void PaintNowIfDue();

    // The history position.
    int ShownCount() const override { return m_shownCount; }
    HistoryRedraw BrowseTo(int position) override;
    HistoryRedraw RestoreTo(int position) override;
    void NotifyHistoryChanged() override { m_observer->HistoryChanged(); }

    // After appending n globs at the end: draw them at the next paint.
    void GlobsAppended(int n) override;
    void ShowAddedGlobs(int n);
    // A full replay; the kept pictures of the history are taken anew on the way.
    void Regenerate();
    void RedrawFromUndoImage();
    void SaveUndoImage();
    void RebuildUndoImage();
    // An edit moved globs in or out below the undo image: it now stands for count globs.
    void SetUndoImageCount(int count) { m_undoImageCount = std::max(count, 0); }

    // A Clear hides everything; the next stroke empties the document first.
    void SetClearPending(bool pending) { m_clearPending = pending; }
    bool ClearPending() const override { return m_clearPending; }
    bool ButtonHeld() const override { return m_stroke.ButtonHeld(); }
    // What a Clear hid is deleted for good: every stroke, paste or import starts with this.
    void EndPendingClear();
    // Before globs go in at the history position: a pending Clear ends and the undo image
    // holds what is shown.
    void BeginInsert();
    // The globs about to be drawn come from an image import: ESC may cancel their paint.
    void BeginImportDrawing() { m_import.Begin(); }
    bool ImportDrawing() const { return m_import.Active(); }
    // Start of an image import: as at a stroke's start, and the import is the undo step.
    void BeginImport();
    // An import cancelled while placing or drawing: its globs are hidden as by Undo Drawing and
    // stay until the next stroke truncates them, and the user is told how to bring them back.
    void HideCancelledImport();

    int PendingCount() const { return m_pendingCount; }
    int UndoImageCount() const { return m_undoImageCount; }
    bool FullRedrawDue() const { return m_fullRedraw; }
    bool WaitCursorDue() const { return m_waitCursor; }
    bool PlacementSkipped() const { return m_skipped; }
    // The next paint copies the whole image even though it draws pending globs.
    void BlitAllNextPaint() { m_blitAll = true; }
    // Drawing coordinates of the window's top-left corner (a maximized frame centres the drawing).
    void SetOriginOffset(int x, int y) { m_originOffsetX = x; m_originOffsetY = y; }
    int OriginOffsetX() const { return m_originOffsetX; }
    int OriginOffsetY() const { return m_originOffsetY; }

    // Pictures kept at section boundaries for moves back in the history.
    CCheckpointCache& Checkpoints() { return m_checkpoints; }

    const CImage32& DrawingImage() const { return m_drawingImage; }
    const CImage32& UndoImage() const { return m_undoImage; }

    // Background picture laid under the globs, at its stored position.
    void SetBackgroundImage(CImage32 image, int x, int y);
    void ClearBackgroundImage();
    const CImage32& BackgroundImage() const { return m_backgroundImage; }
    int BackgroundX() const { return m_backgroundX; }
    int BackgroundY() const { return m_backgroundY; }

    // Stroke engine, symmetry centre and undo/redo.
    CStrokeEngine& Stroke() { return m_stroke; }
    CViewHistory& History() { return m_history; }
    // Simulate Depth and the glob clipboard and pattern.
    CGlobEdits& Edits() { return *m_edits; }
    CPoint Center() const override { return m_center; }
    void MoveCenter(CPoint c) override;
    void ResetCenter() override;
    uint8_t* ColorTicks() override { return m_colorTicks; }
    const uint8_t* ColorTicks() const { return m_colorTicks; }
    IViewObserver& Observer() override { return *m_observer; }
    bool DrawingPixel(int x, int y, Pixel& out) override;
    void RecordCurrentColor(HsvColor c) override;

private:
    // IStrokeTarget
    void BeginStroke() override;
    void SetPlacementSkipped(bool skipped) override { m_skipped = skipped; }
    void FreehandStarted() override { m_waitCursor = false; }
    void Invalidate() override;
    void BandChanged() override;

    // The one writer of the history position: kept within the sequence, and the document
    // is told, so a colour change recorded "at the end" lands there.
    void SetShown(int position);
    void FillBackground(CImage32& image) const;
    void Flush(const CRect& r);
    void ReplayAll();
    void RedrawFromCheckpoint(int position);
    // The best kept picture to start a move to position from, when it saves more than
    // starting from `from`; -1 otherwise.
    int CheckpointFor(int position, int from) const;
    // Full redraw's start: a kept picture, the undo image or the background. Returns the
    // position whose picture the drawing image now holds, -1 when it holds none.
    int RestoreBase(int first);
    // The undo image replayed from the sequence; the kept pictures stay.
    void ReplayUndoImage();

    CDaubrixApp& m_app;
    CDaubrixDoc& m_doc;
    IViewWindow* m_window = nullptr;
    IViewObserver m_noObserver;
    IViewObserver* m_observer = &m_noObserver;
    CImage32 m_drawingImage;
    CImage32 m_undoImage;
    CImage32 m_backgroundImage;
    int m_backgroundX = 0;
    int m_backgroundY = 0;

    int32_t m_shownCount = 0;
    int32_t m_pendingCount = 0;
    int32_t m_undoImageCount = 0;
    // The sequence changed below m_undoImageCount since the undo image was made.
    bool m_undoImageStale = false;
    bool m_needImages = true;
    bool m_fullRedraw = true;
    bool m_waitCursor = true;
    bool m_blitAll = false;
    bool m_skipped = false;
    int m_originOffsetX = 0;
    int m_originOffsetY = 0;
    bool m_clearPending = false;
    CPoint m_center;
    uint8_t m_colorTicks[3] = {0, 0, 0};
    CImportReplay m_import;
    CCheckpointCache m_checkpoints;
    // The full redraw due starts from the kept picture at this position (-1: none).
    int m_redrawBase = -1;
    // The position whose picture the drawing image holds exactly, -1 when unknown.
    int m_imageAt = -1;
    // What the kept pictures were made with: background colour, background flag and size.
    uint64_t m_pictureKey = 0;

    CStrokeEngine m_stroke;
    CViewHistory m_history;
    // After the history: it points at steps the history owns.
    std::unique_ptr<CGlobEdits> m_edits;
};
