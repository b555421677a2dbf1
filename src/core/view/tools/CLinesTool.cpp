#include "core/view/tools/CLinesTool.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/IStrokeTarget.h"
#include <algorithm>
#include <cmath>

namespace {
float SignedLike(float magnitude, float sign)
{
    return sign < 0 ? -magnitude : magnitude;
}
} // namespace

void CLinesTool::ButtonDown(int x1, int y1, bool ctrl)
{
    m_lineAnchor = m_lineEnd = {x1, y1};
    m_waitForPaint = true;
    if (m_lastLinePoint.x == -1 || ctrl) {
        m_lastLinePoint = {x1, y1};
        m_engine.m_ignoreButtonUp = true;
        return;
    }
    DrawRow(x1, y1);
    m_lastLinePoint = {x1, y1};
}

void CLinesTool::DrawRow(int x1, int y1)
{
    const int x0 = m_lastLinePoint.x, y0 = m_lastLinePoint.y;
    const int dx = x1 - x0, dy = y1 - y0;
    const int density = std::clamp<int>(m_engine.App().Drawing().m_lineDensity, 1, 8);
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
    auto shortOfEnd = [&] {
        if (horizontal)
            return sx > 0 ? fx < static_cast<float>(x1) : fx > static_cast<float>(x1);
        return sy > 0 ? fy < static_cast<float>(y1) : fy > static_cast<float>(y1);
    };
    // Each placement leaves the history position at the end, so its colour step lands on
    // the first glob it appended.
    while (shortOfEnd()) {
        m_engine.PlaceGlobs(xi, yi, false, -1);
        fx += sx;
        fy += sy;
        xi = static_cast<int>(fx);
        yi = static_cast<int>(fy);
    }
}

bool CLinesTool::MouseMove(int x, int y, bool ctrl)
{
    if (ctrl || m_lastLinePoint.x == -1 || m_waitForPaint)
        return false;
    m_lineEnd = {x, y};
    m_engine.Target().BandChanged();
    return true;
}
