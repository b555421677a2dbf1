#include "core/view/CStrokeEngine.h"
#include "core/view/undo/CDrawingUndoStep.h"
#include "core/settings/CAutoChange.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/UndoKind.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/IViewObserver.h"
#include "core/view/Symmetry.h"
#include "core/view/tools/CFreehandTool.h"
#include "core/view/tools/CMoveCenterTool.h"
#include "core/view/tools/CPatternTool.h"
#include "core/view/tools/CSampleTool.h"
#include <algorithm>

namespace {
// The tool that takes the clicks the drawing modes give to `tool`.
std::unique_ptr<ITool> MakeTool(DrawingTool tool, CStrokeEngine& engine)
{
    switch (tool) {
    case DrawingTool::Lines: return std::make_unique<CLinesTool>(engine);
    case DrawingTool::Pattern: return std::make_unique<CPatternTool>(engine);
    case DrawingTool::MoveCenter: return std::make_unique<CMoveCenterTool>(engine);
    case DrawingTool::Sample: return std::make_unique<CSampleTool>(engine);
    case DrawingTool::Freehand:
    case DrawingTool::Count: break;
    }
    return std::make_unique<CFreehandTool>(engine);
}
} // namespace

CStrokeEngine::CStrokeEngine(CDaubrixApp& app, IStrokeTarget& view) : m_app(app), m_view(view)
{
    for (size_t i = 0; i < m_tools.size(); ++i)
        m_tools[i] = MakeTool(static_cast<DrawingTool>(i), *this);
}

ITool& CStrokeEngine::CurrentTool()
{
    return *m_tools[static_cast<size_t>(m_app.Modes().Tool())];
}

void CStrokeEngine::RestoreLineMode()
{
    m_app.Modes().GiveLinesBack();
    m_view.BandChanged();
}

void CStrokeEngine::RecordColorIfChanged()
{
    CDaubrixDoc& doc = m_view.Doc();
    const CShape& s = m_app.CurrentShape();
    const int count = doc.GetGlobCount();
    if (count > 0 && doc.GetGlob(count - 1).m_shape != m_app.ShapeTable().m_currentShape)
        doc.SetColorChange(-1, s.m_hue, s.m_saturation, s.m_value);
    const int shown = m_view.ShownCount();
    if (shown > 0) {
        if (doc.ColorInForceAt(shown) != s.Color())
            doc.SetColorChange(-1, s.m_hue, s.m_saturation, s.m_value);
    }
}

bool CStrokeEngine::StartStroke(int x, int y, bool shift)
{
    const CDaubrixDoc& doc = m_view.Doc();
    const int W = doc.Width(), H = doc.Height();
    if (!shift && (x < -20 || x > W + 20 || y < -20 || y > H + 20)) {
        m_ignoreButtonUp = true;
        return false;
    }
    m_view.BeginStroke();
    RecordColorIfChanged();
    return true;
}

void CStrokeEngine::ButtonDown(int x, int y, bool shift, bool ctrl)
{
    ITool& tool = CurrentTool();
    if (!tool.Draws()) {
        tool.ButtonDown(x, y, ctrl);
        m_held = true;
        return;
    }
    // Set after the start, whose paint may still have to undo a cancelled import.
    if (!StartStroke(x, y, shift))
        return;
    m_held = true;
    const int start = m_view.ShownCount();
    tool.ButtonDown(x, y, ctrl);
    // Even a click that places nothing has truncated the hidden globs, so no earlier undo
    // step (least of all a Redo Drawing of what was deleted) may survive it.
    m_view.Doc().Undo().Record(kUndoDrawing, CDrawingUndoStep::Begun(start));
    m_view.Invalidate();
}

bool CStrokeEngine::MouseMove(int x, int y, bool ctrl)
{
    return CurrentTool().MouseMove(x, y, ctrl);
}

void CStrokeEngine::ButtonUp()
{
    CurrentTool().ButtonUp();
    m_buttonDown = false;
    m_held = false;
    if (m_app.AutoChange().Any())
        m_view.Observer().StrokeEnded();
    // The tool gave Lines back when the click began.
    m_app.Modes().LeaveOneShot();
    if (m_ignoreButtonUp) {
        m_ignoreButtonUp = false;
        return;
    }
    m_view.Doc().AddSection(m_view.Doc().GetGlobCount());
}

int CStrokeEngine::PlaceGlobs(int x, int y, bool isDrag, int colorPos)
{
    bool skipped = false;
    if (m_app.Drawing().m_skipping && isDrag) {
        if (++m_skipCounter > m_app.Drawing().m_skippingAmount)
            m_skipCounter = 0;
        else
            skipped = true;
    }
    m_view.SetPlacementSkipped(skipped);
    if (skipped)
        return 0;

    const bool jitter = m_app.Drawing().m_jitter != 0;
    // An amount of 0 read back from the settings would divide by zero below.
    const int amount = std::max<int>(m_app.Drawing().m_jitterAmount, 1);
    const int range = 3 * amount;
    const int repeats = jitter ? (amount - 1) / 2 + 1 : 1;
    CDaubrixDoc& doc = m_view.Doc();
    int added = 0;
    for (int rep = 0; rep < repeats; ++rep) {
        if (jitter) {
            const int r1 = m_app.Random().Next(), r2 = m_app.Random().Next();
            const int r3 = m_app.Random().Next(), r4 = m_app.Random().Next();
            x += r1 % range - r2 % range;
            y += r3 % range - r4 % range;
        }
        SymmetricPoints(m_app.Drawing(), m_view.Center(), {x, y}, m_copies);
        for (const CPoint& p : m_copies)
            if (doc.AddGlob(p.x, p.y))
                ++added;
    }
    // The colour step is recorded at the position before this request's globs.
    if (colorPos != -2 && added > 0 && m_app.AutoChange().Any())
        StepColor(colorPos);
    m_view.GlobsAppended(added);
    return added;
}

void CStrokeEngine::StepColor(int colorPos)
{
    CShape& shape = m_app.CurrentShape();
    int h = shape.m_hue, s = shape.m_saturation, v = shape.m_value;
    if (!m_app.AutoChange().Step(m_view.ColorTicks(), h, s, v))
        return;
    m_view.Doc().SetColorChange(colorPos, h, s, v);
    shape.Recolor(h, s, v);
    shape.m_hue = static_cast<int16_t>(h);
    shape.m_saturation = static_cast<uint8_t>(s);
    shape.m_value = static_cast<uint8_t>(v);
    m_view.Observer().ColorShown(shape.Color());
}

bool CStrokeEngine::HasRubberBand() const
{
    return m_app.Drawing().m_lineMode && Lines().HasVertex();
}

std::vector<std::pair<CPoint, CPoint>> CStrokeEngine::RubberBand() const
{
    std::vector<std::pair<CPoint, CPoint>> segs;
    if (HasRubberBand()) {
        const auto [anchor, end] = Lines().Band();
        SymmetricSegments(m_app.Drawing(), m_view.Center(), anchor, end, segs);
    }
    return segs;
}

void CStrokeEngine::ToggleMoveCenter()
{
    CDrawingModes& modes = m_app.Modes();
    if (modes.IsOn(CDrawingModes::kMoveCenter)) {
        modes.Set(CDrawingModes::kMoveCenter, false);
        m_view.BandChanged();
        return;
    }
    modes.Set(CDrawingModes::kMoveCenter, true);
    m_view.BandChanged();
    m_view.Observer().WarpPointer(m_view.Center());
}

bool CStrokeEngine::LeaveOneShotMode()
{
    if (m_buttonDown)
        return false;
    if (!m_app.Modes().LeaveOneShot())
        return false;
    m_view.BandChanged();
    return true;
}

void CStrokeEngine::ResetCenter()
{
    m_view.ResetCenter();
}
