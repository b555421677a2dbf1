#pragma once
#include "core/colour/HsvColor.h"
#include "core/base/CPoint.h"
#include <functional>
#include <utility>
#include <vector>

class CDaubrixApp;
class CDaubrixView;

// Turns left-button input in one view into globs: freehand strokes, Lines rows with their
// rubber band, the Move Center click, and the single placement entry PlaceGlobs that applies
// Skipping, Jitter, the symmetric copies and the automatic colour step.
class CStrokeEngine {
public:
    CStrokeEngine(CDaubrixApp& app, CDaubrixView& view) : m_app(app), m_view(view) {}

    // Drawing coordinates. shift lifts the click-area limit; ctrl starts a new polyline.
    void ButtonDown(int x, int y, bool shift, bool ctrl);
    // True when the rubber band moved and the window should show it again.
    bool MouseMove(int x, int y, bool ctrl);
    void ButtonUp();

    // One placement request; returns the number of globs appended. colorPos -1 records the
    // colour step at the request's first glob, -2 leaves the colour alone.
    int PlaceGlobs(int x, int y, bool isDrag, int colorPos);

    // The rubber band as it should be shown now (empty when there is none).
    std::vector<std::pair<CPoint, CPoint>> RubberBand() const;
    bool HasRubberBand() const;

    // Move Center mode, the Move Center click, and leaving the one-shot modes (ESC, right button).
    void ToggleMoveCenter();
    bool LeaveOneShotMode();
    void ResetCenter();

    // Lines was switched on: the next click starts a new polyline.
    void StartNewPolyline() { m_lastLinePoint = {-1, 0}; }

    bool m_buttonDown = false;
    int m_skipCounter = 0;
    CPoint m_lineAnchor;
    CPoint m_lineEnd;
    CPoint m_lastLinePoint{-1, 0};
    bool m_waitForPaint = false;
    bool m_ignoreButtonUp = false;

    // The current colour was stepped or the stroke ended with a drift on: the Colors window
    // shows the current colour again.
    std::function<void(HsvColor)> m_colorShown;
    std::function<void()> m_strokeEnded;
    // Move Center: put the pointer on this drawing point.
    std::function<void(CPoint)> m_warpPointer;
    // Clicks of modes built elsewhere (pattern stamp, sampling).
    std::function<void(int, int)> m_patternStamp;
    std::function<void(int, int)> m_sampleClick;

private:
    void MoveCenterClick(int x, int y);
    void LinesClick(int x, int y, bool ctrl);
    void RecordColorIfChanged();
    void StepColor(int colorPos);
    void RestoreLineMode();
    void BandChanged();

    CDaubrixApp& m_app;
    CDaubrixView& m_view;
    std::vector<CPoint> m_copies;
};
