#pragma once
#include "core/base/CPoint.h"
#include "core/settings/CDrawingModes.h"
#include "core/view/tools/CLinesTool.h"
#include <array>
#include <memory>
#include <utility>
#include <vector>

class CDaubrixApp;
class IStrokeTarget;

// Turns left-button input in one view into globs through the tool the mode flags choose, and
// holds the single placement entry PlaceGlobs that applies Skipping, Jitter, the symmetric
// copies and the automatic colour step.
class CStrokeEngine {
public:
    CStrokeEngine(CDaubrixApp& app, IStrokeTarget& view);

    // Drawing coordinates. shift lifts the click-area limit; ctrl starts a new polyline.
    void ButtonDown(int x, int y, bool shift, bool ctrl);
    // True when the rubber band moved and the window should show it again.
    bool MouseMove(int x, int y, bool ctrl);
    void ButtonUp();

    // One placement request; returns the number of globs appended. colorPos -1 records the
    // colour step at the request's first glob, -2 leaves the colour alone.
    int PlaceGlobs(int x, int y, bool isDrag, int colorPos);

    // The tool a click would use now.
    ITool& CurrentTool();
    ToolCursor Cursor() { return CurrentTool().Cursor(); }

    // The rubber band as it should be shown now (empty when there is none).
    std::vector<std::pair<CPoint, CPoint>> RubberBand() const;
    bool HasRubberBand() const;
    bool WaitingForPaint() const { return Lines().WaitingForPaint(); }
    // A paint showed the image: the band may follow the pointer again.
    void PaintDone() { Lines().PaintDone(); }
    CPoint LastLinePoint() const { return Lines().LastLinePoint(); }

    // Move Center mode, and leaving the one-shot modes (ESC, right button).
    void ToggleMoveCenter();
    bool LeaveOneShotMode();
    void ResetCenter();
    // Lines was switched on: the next click starts a new polyline.
    void StartNewPolyline() { Lines().StartNewPolyline(); }

    // For the tools.
    CDaubrixApp& App() { return m_app; }
    IStrokeTarget& Target() { return m_view; }
    void RestoreLineMode();
    // The current colour is recorded at the history position when the drawing would otherwise
    // show the next globs in another one.
    void RecordColorIfChanged();
    // One automatic colour step, recorded at colorPos (-1: the history position) and shown.
    void StepColor(int colorPos);

    // Between a left-button press in the drawing and its release, whatever the tool.
    bool ButtonHeld() const { return m_held; }

    bool m_buttonDown = false;
    int m_skipCounter = 0;
    bool m_ignoreButtonUp = false;

private:
    bool StartStroke(int x, int y, bool shift);
    // The rubber band and the polyline are the Lines tool's.
    CLinesTool& Lines() const { return static_cast<CLinesTool&>(*m_tools[static_cast<size_t>(DrawingTool::Lines)]); }

    CDaubrixApp& m_app;
    IStrokeTarget& m_view;
    // One tool per DrawingTool, in its order.
    std::array<std::unique_ptr<ITool>, static_cast<size_t>(DrawingTool::Count)> m_tools;
    std::vector<CPoint> m_copies;
    bool m_held = false;
};
