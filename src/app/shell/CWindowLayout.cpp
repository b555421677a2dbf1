#include "app/shell/CWindowLayout.h"
#include <algorithm>
#include <limits>

QRect CWindowLayout::FirstMainWindow(const QRect& available)
{
    // Nine tenths of each side: about 80 % of the area.
    const int w = std::min(available.width(), std::max(kMinWidth, available.width() * 9 / 10));
    const int h = std::min(available.height(), std::max(kMinHeight, available.height() * 9 / 10));
    return QRect(available.left() + (available.width() - w) / 2, available.top() + (available.height() - h) / 2, w,
                 h);
}

bool CWindowLayout::TitleReachable(const QRect& frame, const QRect& screen, int titleHeight)
{
    const QRect title(frame.left(), frame.top(), frame.width(), titleHeight);
    const QRect on = title.intersected(screen);
    return frame.top() >= screen.top() && on.height() == titleHeight &&
           on.width() >= std::min(frame.width(), kGrip);
}

namespace {
// Squared distance from a point to a rectangle (0 inside).
long long Distance2(QPoint p, const QRect& r)
{
    const long long dx = p.x() < r.left() ? r.left() - p.x() : p.x() > r.right() ? p.x() - r.right() : 0;
    const long long dy = p.y() < r.top() ? r.top() - p.y() : p.y() > r.bottom() ? p.y() - r.bottom() : 0;
    return dx * dx + dy * dy;
}
} // namespace

QRect CWindowLayout::OnScreen(const QRect& frame, const QList<QRect>& screens, int titleHeight)
{
    if (screens.isEmpty())
        return frame;
    for (const QRect& s : screens)
        if (TitleReachable(frame, s, titleHeight))
            return frame;
    const QPoint titleCentre(frame.left() + frame.width() / 2, frame.top() + titleHeight / 2);
    const QRect* nearest = &screens.first();
    long long best = std::numeric_limits<long long>::max();
    for (const QRect& s : screens) {
        const long long d = Distance2(titleCentre, s);
        if (d < best) {
            best = d;
            nearest = &s;
        }
    }
    const QRect& s = *nearest;
    const int x = std::clamp(frame.left(), s.left(), s.left() + std::max(0, s.width() - frame.width()));
    const int y = std::clamp(frame.top(), s.top(), s.top() + std::max(0, s.height() - frame.height()));
    return QRect(QPoint(x, y), frame.size());
}

QList<QPoint> CWindowLayout::Stack(QPoint start, const QList<QSize>& outer, int gap)
{
    QList<QPoint> out;
    QPoint at = start;
    for (const QSize& s : outer) {
        out << at;
        at.ry() += s.height() + gap;
    }
    return out;
}

QPoint CWindowLayout::BesideObstacles(const QRect& window, const QRect& workspace, const QList<QRect>& obstacles,
                                      int gap)
{
    int right = std::numeric_limits<int>::min();
    bool blocked = false;
    for (const QRect& o : obstacles) {
        if (!o.intersects(workspace) || o.center().x() >= workspace.center().x())
            continue;
        right = std::max(right, o.right());
        blocked = blocked || o.intersects(window);
    }
    if (!blocked)
        return window.topLeft();
    // A window too wide for the room beside them is better whole than clear of them.
    const int fits = workspace.left() + workspace.width() - window.width();
    return QPoint(std::max(window.left(), std::min(right + 1 + gap, fits)), window.top());
}
