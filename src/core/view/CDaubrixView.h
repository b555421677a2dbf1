#pragma once
#include "core/imaging/CImage32.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/IDocView.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/CViewHistory.h"
#include "core/view/IViewWindow.h"
#include <functional>

class CDaubrixApp;

// The engine side of one drawing's view: the drawing image and the undo image, the history
// position, and the paint that replays pending globs into the drawing image.
class CDaubrixView : public IDocView {
public:
    CDaubrixView(CDaubrixApp& app, CDaubrixDoc& doc);
    ~CDaubrixView() override;

    void SetWindow(IViewWindow* window) { m_window = window; }
    IViewWindow* Window() const { return m_window; }
    CDaubrixDoc& Doc() { return m_doc; }
    CDaubrixApp& App() { return m_app; }

    // IDocView
    int GetShownCount() const override { return m_shownCount; }
    void OnSectionAdded(int position) override;

    // The framework's initial update: history position at the end of the sequence.
    void OnInitialUpdate();

    // The paint: brings the drawing image up to date and tells the window what changed.
    void Paint();
    // True when the next paint has work beyond copying the image.
    bool NeedsEngineWork() const { return m_needImages || m_fullRedraw || m_pendingCount > 0; }

    // After appending n globs: draw them at the next paint.
    void ShowAddedGlobs(int n);
    void Regenerate();
    void RedrawFromUndoImage();
    void SaveUndoImage();
    void RebuildUndoImage();

    const CImage32& DrawingImage() const { return m_drawingImage; }
    const CImage32& UndoImage() const { return m_undoImage; }

    // Background picture laid under the globs, at its stored position.
    void SetBackgroundImage(CImage32 image, int x, int y);
    void ClearBackgroundImage();
    const CImage32& BackgroundImage() const { return m_backgroundImage; }
    int BackgroundX() const { return m_backgroundX; }
    int BackgroundY() const { return m_backgroundY; }

    int32_t m_shownCount = 0;
    int32_t m_pendingCount = 0;
    int32_t m_undoImageCount = 0;
    bool m_needImages = true;
    bool m_fullRedraw = true;
    bool m_waitCursor = true;
    bool m_blitAll = false;
    bool m_skipped = false;
    int m_originOffsetX = 0;
    int m_originOffsetY = 0;
    bool m_importDrawing = false;
    bool m_importCancel = false;

    // Stroke engine, symmetry centre and undo/redo.
    CStrokeEngine& Stroke() { return m_stroke; }
    CViewHistory& History() { return m_history; }
    // Brings the drawing image up to date now when a paint is due.
    void PaintNowIfDue();
    CPoint m_center;
    CPoint m_oldCenter;
    uint8_t m_colorTicks[3] = {0, 0, 0};
    bool m_clearPending = false;
    int32_t m_undoShownCount = 0;
    // The history slider should be rebuilt from the document and m_shownCount.
    std::function<void()> m_historyListener;

    // Called when an import replay was cancelled, after the undo kind and history position are
    // set, to hide the imported globs again.
    std::function<void()> m_undoAction;
    // Called when a section boundary is added (the history slider listens).
    std::function<void(int)> m_sectionListener;

private:
    void FillBackground(CImage32& image) const;
    void ApplyInForceBefore(int position);
    bool CheckImportEscape();
    void Flush(const CRect& r);

    CDaubrixApp& m_app;
    CDaubrixDoc& m_doc;
    IViewWindow* m_window = nullptr;
    CImage32 m_drawingImage;
    CImage32 m_undoImage;
    CImage32 m_backgroundImage;
    CStrokeEngine m_stroke;
    CViewHistory m_history;
    int m_backgroundX = 0;
    int m_backgroundY = 0;
};
