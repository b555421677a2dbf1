#include "core/view/CStrokeEngine.h"
#include "core/colour/AutoColor.h"
#include "core/model/UndoKind.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/Symmetry.h"
#include <algorithm>
#include <cmath>

namespace {
float SignedLike(float magnitude, float sign)
{
    return sign < 0 ? -magnitude : magnitude;
}
} // namespace

void CStrokeEngine::BandChanged()
{
    if (m_view.Window())
        m_view.Window()->DrawRubberBand();
}

void CStrokeEngine::RestoreLineMode()
{
    m_app.m_drawing.m_lineMode = m_app.m_modes.m_savedLineMode;
    BandChanged();
}

void CStrokeEngine::RecordColorIfChanged()
{
    CDaubrixDoc& doc = m_view.Doc();
    const CShape& s = m_app.CurrentShape();
    const int count = doc.GetGlobCount();
    if (count > 0 && doc.GetGlob(count - 1).m_shape != m_app.ShapeTable().m_currentShape)
        doc.SetColorChange(-1, s.m_hue, s.m_saturation, s.m_value);
    const int shown = m_view.m_shownCount;
    if (shown > 0) {
        const int at = doc.HasColorChangeAt(shown) ? shown : doc.PositionInForce(shown);
        if (doc.GetColorChangeHue(at) != s.m_hue || doc.GetColorChangeSaturation(at) != s.m_saturation
            || doc.GetColorChangeValue(at) != s.m_value)
            doc.SetColorChange(-1, s.m_hue, s.m_saturation, s.m_value);
    }
}

void CStrokeEngine::ButtonDown(int x, int y, bool shift, bool ctrl)
{
    if (m_app.m_modes.m_moveCenterMode) {
        MoveCenterClick(x, y);
        return;
    }
    if (m_app.m_modes.m_sampleColorMode || m_app.m_modes.m_sampleShapeMode) {
        m_ignoreButtonUp = true;
        if (m_sampleClick)
            m_sampleClick(x, y);
        return;
    }
    CDaubrixDoc& doc = m_view.Doc();
    const int W = doc.m_width, H = doc.m_height;
    if (!shift && (x < -20 || x > W + 20 || y < -20 || y > H + 20)) {
        m_ignoreButtonUp = true;
        return;
    }
    if (m_view.m_clearPending) {
        m_view.m_clearPending = false;
        doc.DeleteContents();
        doc.m_sectionCount = 0;
        doc.m_sectionFloor = 0;
        m_view.m_shownCount = 0;
    }
    // The undo image must hold what is shown, so a paint still due is done first.
    m_view.PaintNowIfDue();
    m_view.SaveUndoImage();
    m_view.History().TruncateHidden();
    RecordColorIfChanged();

    const int before = doc.GetGlobCount();
    if (m_app.m_drawing.m_lineMode) {
        LinesClick(x, y, ctrl);
    } else if (m_app.m_modes.m_patternMode) {
        if (m_patternStamp)
            m_patternStamp(x, y);
    } else {
        PlaceGlobs(x, y, false, -1);
        m_buttonDown = true;
        m_view.m_waitCursor = false;
    }
    m_view.m_shownCount = doc.GetGlobCount();
    // Only a stroke that added globs has something to undo; a first Lines click does not.
    if (doc.GetGlobCount() > before)
        doc.m_undoKind = kUndoDrawing;
    if (m_view.Window())
        m_view.Window()->Invalidate();
}

bool CStrokeEngine::MouseMove(int x, int y, bool ctrl)
{
    if (m_app.m_drawing.m_lineMode) {
        if (ctrl || m_lastLinePoint.x == -1 || m_waitForPaint)
            return false;
        m_lineEnd = {x, y};
        BandChanged();
        return true;
    }
    if (!m_buttonDown)
        return false;
    CDaubrixDoc& doc = m_view.Doc();
    if (PlaceGlobs(x, y, true, -1) > 0)
        doc.m_undoKind = kUndoDrawing;
    m_view.m_shownCount = doc.GetGlobCount();
    if (m_view.Window())
        m_view.Window()->Invalidate();
    return false;
}

void CStrokeEngine::ButtonUp()
{
    m_buttonDown = false;
    if (AnyAutoColor(m_app) && m_strokeEnded)
        m_strokeEnded();
    if (m_app.m_modes.m_moveCenterMode)
        m_app.m_modes.m_moveCenterMode = false;
    else if (m_app.m_modes.m_sampleShapeMode || m_app.m_modes.m_sampleColorMode)
        m_app.m_modes.m_sampleShapeMode = m_app.m_modes.m_sampleColorMode = false;
    if (m_ignoreButtonUp) {
        m_ignoreButtonUp = false;
        return;
    }
    m_view.Doc().AddSection(m_view.Doc().GetGlobCount());
}

int CStrokeEngine::PlaceGlobs(int x, int y, bool isDrag, int colorPos)
{
    bool skipped = false;
    if (m_app.m_drawing.m_skipping && isDrag) {
        if (++m_skipCounter > m_app.m_drawing.m_skippingAmount)
            m_skipCounter = 0;
        else
            skipped = true;
    }
    m_view.m_skipped = skipped;
    if (skipped)
        return 0;

    const bool jitter = m_app.m_drawing.m_jitter != 0;
    // An amount of 0 read back from the settings would divide by zero below.
    const int amount = std::max<int>(m_app.m_drawing.m_jitterAmount, 1);
    const int range = 3 * amount;
    const int repeats = jitter ? (amount - 1) / 2 + 1 : 1;
    CDaubrixDoc& doc = m_view.Doc();
    int added = 0;
    for (int rep = 0; rep < repeats; ++rep) {
        if (jitter) {
            const int r1 = m_app.m_random.Next(), r2 = m_app.m_random.Next();
            const int r3 = m_app.m_random.Next(), r4 = m_app.m_random.Next();
            x += r1 % range - r2 % range;
            y += r3 % range - r4 % range;
        }
        SymmetricPoints(m_app, m_view.m_center, {x, y}, m_copies);
        for (const CPoint& p : m_copies)
            if (doc.AddGlob(p.x, p.y))
                ++added;
    }
    m_view.m_pendingCount += added;
    if (colorPos != -2 && added > 0 && AnyAutoColor(m_app))
        StepColor(colorPos);
    return added;
}

void CStrokeEngine::StepColor(int colorPos)
{
    CShape& shape = m_app.CurrentShape();
    int h = shape.m_hue, s = shape.m_saturation, v = shape.m_value;
    if (!StepAutoColor(m_app, m_view.m_colorTicks, h, s, v))
        return;
    m_view.Doc().SetColorChange(colorPos, h, s, v);
    shape.Recolor(h, s, v);
    shape.m_hue = static_cast<int16_t>(h);
    shape.m_saturation = static_cast<uint8_t>(s);
    shape.m_value = static_cast<uint8_t>(v);
    if (m_colorShown)
        m_colorShown(HsvColor{shape.m_hue, shape.m_saturation, shape.m_value});
}

void CStrokeEngine::LinesClick(int x1, int y1, bool ctrl)
{
    m_lineAnchor = m_lineEnd = {x1, y1};
    m_waitForPaint = true;
    if (m_lastLinePoint.x == -1 || ctrl) {
        m_lastLinePoint = {x1, y1};
        m_ignoreButtonUp = true;
        return;
    }
    const int x0 = m_lastLinePoint.x, y0 = m_lastLinePoint.y;
    const int dx = x1 - x0, dy = y1 - y0;
    const int density = std::clamp<int>(m_app.m_drawing.m_lineDensity, 1, 8);
    const float step = 24.0f / static_cast<float>(density);
    const bool horizontal = std::abs(dy) < std::abs(dx);
    float sx, sy;
    if (horizontal) {
        sx = SignedLike(step, static_cast<float>(dx));
        sy = SignedLike(std::fabs(static_cast<float>(dy) / static_cast<float>(dx)) * step, static_cast<float>(dy));
    } else {
        sy = SignedLike(step, static_cast<float>(dy));
        sx = dy == 0 ? 0.0f
                     : SignedLike(std::fabs(static_cast<float>(dx) / static_cast<float>(dy)) * step, static_cast<float>(dx));
    }
    float fx = static_cast<float>(x0), fy = static_cast<float>(y0);
    int xi = x0, yi = y0;
    CDaubrixDoc& doc = m_view.Doc();
    auto shortOfEnd = [&] {
        if (horizontal)
            return sx > 0 ? fx < static_cast<float>(x1) : fx > static_cast<float>(x1);
        return sy > 0 ? fy < static_cast<float>(y1) : fy > static_cast<float>(y1);
    };
    while (shortOfEnd()) {
        m_view.m_shownCount = doc.GetGlobCount();
        PlaceGlobs(xi, yi, false, -1);
        fx += sx;
        fy += sy;
        xi = static_cast<int>(fx);
        yi = static_cast<int>(fy);
    }
    m_lastLinePoint = {x1, y1};
}

bool CStrokeEngine::HasRubberBand() const
{
    return m_app.m_drawing.m_lineMode && m_lastLinePoint.x != -1;
}

std::vector<std::pair<CPoint, CPoint>> CStrokeEngine::RubberBand() const
{
    std::vector<std::pair<CPoint, CPoint>> segs;
    if (HasRubberBand())
        SymmetricSegments(m_app, m_view.m_center, m_lineAnchor, m_lineEnd, segs);
    return segs;
}

void CStrokeEngine::ToggleMoveCenter()
{
    if (m_app.m_modes.m_moveCenterMode) {
        m_app.m_modes.m_moveCenterMode = false;
        RestoreLineMode();
        return;
    }
    m_app.m_modes.m_moveCenterMode = true;
    m_app.m_modes.m_savedLineMode = m_app.m_drawing.m_lineMode;
    m_app.m_drawing.m_lineMode = 0;
    BandChanged();
    if (m_warpPointer)
        m_warpPointer(m_view.m_center);
}

void CStrokeEngine::MoveCenterClick(int x, int y)
{
    m_view.m_oldCenter = m_view.m_center;
    m_view.m_center = {x, y};
    m_view.Doc().m_undoKind = kUndoMoveCenter;
    m_ignoreButtonUp = true;
    RestoreLineMode();
}

bool CStrokeEngine::LeaveOneShotMode()
{
    if (m_buttonDown)
        return false;
    if (m_app.m_modes.m_moveCenterMode)
        m_app.m_modes.m_moveCenterMode = false;
    else if (m_app.m_modes.m_sampleColorMode)
        m_app.m_modes.m_sampleColorMode = false;
    else if (m_app.m_modes.m_sampleShapeMode)
        m_app.m_modes.m_sampleShapeMode = false;
    else
        return false;
    RestoreLineMode();
    return true;
}

void CStrokeEngine::ResetCenter()
{
    m_view.m_center = DefaultCenter(m_view.Doc().m_width, m_view.Doc().m_height);
    BandChanged();
}
