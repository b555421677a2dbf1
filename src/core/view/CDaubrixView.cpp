#include "core/view/CDaubrixView.h"
#include "core/model/UndoKind.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/Symmetry.h"
#include <algorithm>

namespace {
constexpr const char* kImportStatus = "Drawing after importing image,   Press ESC to cancel...";
constexpr const char* kImportCancelled =
    "The imported globs are still present in the drawing,\n"
    "but will be deleted when a new glob is added.  To\n"
    "make the globs appear, move the drawing history\n"
    "slider to the right.\n";
} // namespace

CDaubrixView::CDaubrixView(CDaubrixApp& app, CDaubrixDoc& doc)
    : m_app(app), m_doc(doc), m_stroke(app, *this), m_history(app, *this)
{
    // A new view starts with no one-shot mode waiting for a click.
    m_app.m_modes.m_moveCenterMode = m_app.m_modes.m_sampleColorMode = m_app.m_modes.m_sampleShapeMode = false;
    m_doc.SetView(this);
}

CDaubrixView::~CDaubrixView()
{
    if (m_doc.View() == this)
        m_doc.SetView(nullptr);
}

void CDaubrixView::OnSectionAdded(int position)
{
    if (m_sectionListener)
        m_sectionListener(position);
}

void CDaubrixView::OnInitialUpdate()
{
    m_center = DefaultCenter(m_doc.m_width, m_doc.m_height);
    m_shownCount = m_doc.GetGlobCount();
    if (m_window)
        m_window->Invalidate();
}

void CDaubrixView::Flush(const CRect& r)
{
    if (m_window)
        m_window->CopyToWindow(r);
}

void CDaubrixView::FillBackground(CImage32& image) const
{
    image.Fill(ColorRefToPixel(m_doc.m_backgroundColor));
    if (m_doc.m_hasBackgroundImage && !m_backgroundImage.IsNull())
        image.Blit(m_backgroundImage, m_backgroundX, m_backgroundY);
}

void CDaubrixView::ApplyInForceBefore(int position)
{
    if (m_doc.GetColorChangeCount() > 0)
        m_doc.ApplyColorChange(m_doc.FindColorChangeBefore(position));
}

bool CDaubrixView::CheckImportEscape()
{
    IHost& host = m_app.Host();
    int key = host.TakePendingKey();
    if (key != 27)
        return false;
    if (host.AskYesNo("Cancel Image Import?"))
        return true;
    host.BeginWaitCursor();
    host.EndWaitCursor();
    return false;
}

void CDaubrixView::Paint()
{
    IHost& host = m_app.Host();
    const int W = m_doc.m_width, H = m_doc.m_height;
    if (m_needImages) {
        m_needImages = false;
        m_drawingImage = CImage32(W, H);
        m_undoImage = CImage32(W, H);
        // A new undo image holds no globs yet: the bare background, counted as none. Taking it
        // as the first m_shownCount globs would let a first paint behind the end of the
        // sequence start from an unfilled picture.
        FillBackground(m_undoImage);
        m_undoImageCount = 0;
        m_pendingCount = m_doc.GetGlobCount();
    }
    const bool importing = m_importDrawing;
    bool cancelled = false;
    std::string savedStatus;

    if (m_fullRedraw) {
        m_fullRedraw = false;
        if (m_shownCount != m_pendingCount && m_undoImageCount != 0 && m_shownCount >= m_undoImageCount)
            m_drawingImage = m_undoImage;
        else
            FillBackground(m_drawingImage);
        Flush(m_drawingImage.Bounds());
    }

    const int pending = m_pendingCount;
    if (pending > 0) {
        if (m_waitCursor)
            host.BeginWaitCursor();
        if (importing) {
            savedStatus = host.GetStatusText();
            host.SetStatusText(kImportStatus);
        }
        const int first = std::max(m_shownCount - pending, 0);
        if (m_app.m_drawing.m_lineMode)
            ApplyInForceBefore(first);
        const int end = std::min(m_shownCount, m_doc.GetGlobCount());
        CShapeTable& shapes = m_doc.Shapes();
        for (int i = first; i < end; ++i) {
            m_doc.ApplyColorChangesAt(i);
            const CGlob& g = m_doc.GetGlob(i);
            if (g.m_shape < shapes.Count()) {
                CRect r = shapes.Shape(g.m_shape).Draw(m_drawingImage, g.X(), g.Y());
                Flush(r);
            }
            if (importing && (m_shownCount - i) % 100 == 0) {
                if (m_importCancel || CheckImportEscape()) {
                    cancelled = true;
                    m_importCancel = true;
                    break;
                }
            }
        }
        if (m_waitCursor) {
            host.EndWaitCursor();
            m_waitCursor = false;
        }
    }

    if (!m_skipped && (pending == 0 || m_blitAll || m_app.m_blitAllOnActivate))
        Flush(m_drawingImage.Bounds());
    m_skipped = false;
    m_blitAll = false;
    m_app.m_blitAllOnActivate = false;
    m_pendingCount = 0;

    if (!m_doc.m_undoImageSaved) {
        SaveUndoImage();
        m_doc.m_undoImageSaved = 1;
    }
    m_stroke.m_waitForPaint = false;
    if (m_app.m_drawing.m_lineMode && m_window)
        m_window->DrawRubberBand();
    if (importing)
        host.SetStatusText(savedStatus);
    if (cancelled) {
        m_doc.m_undoKind = kUndoDrawing;
        m_shownCount = m_doc.GetGlobCount();
        if (m_undoAction)
            m_undoAction();
        else
            m_history.Undo();
        host.Message(kImportCancelled, MsgIcon::None);
    }
    m_importDrawing = false;
    m_importCancel = false;
}

void CDaubrixView::PaintNowIfDue()
{
    if (NeedsEngineWork())
        Paint();
}

void CDaubrixView::ShowAddedGlobs(int n)
{
    m_pendingCount += n;
    m_shownCount = m_doc.GetGlobCount();
    if (m_window)
        m_window->Invalidate();
}

void CDaubrixView::Regenerate()
{
    m_pendingCount = m_shownCount;
    m_fullRedraw = true;
    m_waitCursor = true;
    if (m_window)
        m_window->Invalidate();
}

void CDaubrixView::RedrawFromUndoImage()
{
    if (!m_doc.HasColorChangeAt(m_undoImageCount) && m_undoImageCount > 0)
        ApplyInForceBefore(m_undoImageCount);
    m_pendingCount = m_shownCount - m_undoImageCount;
    m_fullRedraw = true;
    m_waitCursor = true;
    if (m_window)
        m_window->Invalidate();
}

void CDaubrixView::SaveUndoImage()
{
    m_undoImage = m_drawingImage;
    m_undoImageCount = m_shownCount;
}

void CDaubrixView::RebuildUndoImage()
{
    if (m_undoImage.IsNull())
        return;
    IHost& host = m_app.Host();
    FillBackground(m_undoImage);
    const int count = std::min(m_undoImageCount, m_doc.GetGlobCount());
    if (count <= 0)
        return;
    const float step = 100.0f / static_cast<float>(m_undoImageCount);
    const int stride = m_undoImageCount / 100;
    host.BeginWaitCursor();
    std::string saved = host.GetStatusText();
    host.SetStatusText("Rebuilding Undo Image, Please wait...");
    if (m_app.m_drawing.m_lineMode)
        ApplyInForceBefore(m_undoImageCount);
    float percent = 0;
    CShapeTable& shapes = m_doc.Shapes();
    for (int i = 0; i < count; ++i) {
        m_doc.ApplyColorChangesAt(i);
        const CGlob& g = m_doc.GetGlob(i);
        if (g.m_shape < shapes.Count())
            shapes.Shape(g.m_shape).Draw(m_undoImage, g.X(), g.Y());
        percent += step;
        if (stride > 10 && i % stride == 0)
            host.ShowProgress(static_cast<int>(percent));
    }
    host.ClearProgress();
    host.EndWaitCursor();
    host.SetStatusText(saved);
}

void CDaubrixView::SetBackgroundImage(CImage32 image, int x, int y)
{
    m_backgroundImage = std::move(image);
    m_backgroundX = x;
    m_backgroundY = y;
}

void CDaubrixView::ClearBackgroundImage()
{
    m_backgroundImage = CImage32();
    m_backgroundX = m_backgroundY = 0;
}
