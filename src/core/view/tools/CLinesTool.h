#pragma once
#include "core/base/CPoint.h"
#include "core/view/tools/ITool.h"
#include <utility>
#include <vector>

class CStrokeEngine;

// Lines mode: each click adds a straight row of evenly spaced globs from the previous click,
// and a rubber band shows the next row while the pointer moves.
class CLinesTool : public ITool {
public:
    explicit CLinesTool(CStrokeEngine& engine) : m_engine(engine) {}
    bool Draws() const override { return true; }
    void ButtonDown(int x, int y, bool ctrl) override;
    bool MouseMove(int x, int y, bool ctrl) override;

    // The next click starts a new polyline.
    void StartNewPolyline() { m_lastLinePoint = {-1, 0}; }
    bool HasVertex() const { return m_lastLinePoint.x != -1; }
    CPoint LastLinePoint() const { return m_lastLinePoint; }
    std::pair<CPoint, CPoint> Band() const { return {m_lineAnchor, m_lineEnd}; }
    // The band stays frozen from a click until the paint that shows its row.
    bool WaitingForPaint() const { return m_waitForPaint; }
    void PaintDone() { m_waitForPaint = false; }

private:
    void DrawRow(int x1, int y1);

    CStrokeEngine& m_engine;
    CPoint m_lineAnchor;
    CPoint m_lineEnd;
    CPoint m_lastLinePoint{-1, 0};
    bool m_waitForPaint = false;
};
