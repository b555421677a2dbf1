#include "core/view/Symmetry.h"
#include "core/settings/CDrawingSettings.h"
#include <cmath>

namespace {
// The ring divides this, not 2 pi, so stored drawings replay with the same copies.
constexpr double kFullTurn = 6.28318;

int RingCount(const CDrawingSettings& drawing)
{
    return drawing.m_polarCount < 1 ? 1 : drawing.m_polarCount;
}

template <typename T, typename Mirror> void Mirrors(const CDrawingSettings& drawing, T v, Mirror mirror, std::vector<T>& out)
{
    if (!drawing.m_polar)
        out.push_back(v);
    if (drawing.m_mirrorHorizontal || drawing.m_mirrorBoth)
        out.push_back(mirror(v, true, false));
    if (drawing.m_mirrorVertical || drawing.m_mirrorBoth)
        out.push_back(mirror(v, false, true));
    if (drawing.m_mirrorBoth)
        out.push_back(mirror(v, true, true));
}

CPoint Reflect(CPoint p, CPoint c, bool inX, bool inY)
{
    return {inX ? 2 * c.x - p.x : p.x, inY ? 2 * c.y - p.y : p.y};
}
} // namespace

CPoint PolarCopy(CPoint p, CPoint c, int k, int count)
{
    const int dx = p.x - c.x, dy = p.y - c.y;
    const double r = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    const double a0 = std::atan2(static_cast<double>(dy), dx == 0 ? 0.001 : static_cast<double>(dx));
    const double a = kFullTurn / count * k + a0;
    return {static_cast<int>(std::cos(a) * r + c.x), static_cast<int>(std::sin(a) * r + c.y)};
}

void SymmetricPoints(const CDrawingSettings& drawing, CPoint c, CPoint p, std::vector<CPoint>& out)
{
    out.clear();
    Mirrors(drawing, p, [c](CPoint v, bool inX, bool inY) { return Reflect(v, c, inX, inY); }, out);
    if (drawing.m_polar)
        for (int k = 0; k < RingCount(drawing); ++k)
            out.push_back(PolarCopy(p, c, k, RingCount(drawing)));
}

void SymmetricSegments(const CDrawingSettings& drawing, CPoint c, CPoint a, CPoint e,
                       std::vector<std::pair<CPoint, CPoint>>& out)
{
    using Seg = std::pair<CPoint, CPoint>;
    out.clear();
    Mirrors(drawing, Seg{a, e},
            [c](Seg s, bool inX, bool inY) { return Seg{Reflect(s.first, c, inX, inY), Reflect(s.second, c, inX, inY)}; },
            out);
    if (drawing.m_polar)
        for (int k = 0; k < RingCount(drawing); ++k)
            out.emplace_back(PolarCopy(a, c, k, RingCount(drawing)), PolarCopy(e, c, k, RingCount(drawing)));
}

CPoint DefaultCenter(int w, int h)
{
    return {(w - 1) / 2 - 2, (h - 1) / 2 - 1};
}
