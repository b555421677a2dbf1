#include "core/view/edit/GlobRuns.h"
#include "core/model/CDaubrixDoc.h"
#include <cstdint>
#include <limits>
#include <new>

namespace {
bool FitsStored(int v)
{
    return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max();
}
} // namespace

namespace GlobRuns {
bool CopyRange(const CDaubrixDoc& doc, int s, int e, CPoint center, CGlobBuffer& out)
{
    CGlobBuffer run;
    try {
        run.m_globs.assign(doc.Globs().begin() + s, doc.Globs().begin() + e);
        const auto& changes = doc.ColorChanges();
        if (!changes.empty()) {
            const HsvColor first = doc.ColorInForceAt(s);
            run.m_colorChanges.emplace_back(0, first.m_hue, first.m_saturation, first.m_value);
        }
        for (const CColorChange& c : changes) {
            const int64_t p = c.m_position;
            if (p > s && p <= e)
                run.m_colorChanges.emplace_back(static_cast<uint32_t>(p - s), c.m_hue, c.m_saturation, c.m_value);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    run.m_refX = center.x;
    run.m_refY = center.y;
    out = std::move(run);
    return true;
}

CGlobBuffer MovedTo(const CGlobBuffer& buffer, CPoint center)
{
    const int dx = center.x - buffer.m_refX, dy = center.y - buffer.m_refY;
    CGlobBuffer moved;
    moved.m_refX = center.x;
    moved.m_refY = center.y;
    // kept[i]: how many globs before buffer glob i remain, which is where its colour change goes.
    std::vector<uint32_t> kept;
    kept.reserve(buffer.m_globs.size() + 1);
    for (const CGlob& g : buffer.m_globs) {
        kept.push_back(static_cast<uint32_t>(moved.m_globs.size()));
        const int x = g.X() + dx, y = g.Y() + dy;
        if (FitsStored(x) && FitsStored(y))
            moved.m_globs.emplace_back(x, y, g.m_shape);
    }
    kept.push_back(static_cast<uint32_t>(moved.m_globs.size()));
    for (const CColorChange& c : buffer.m_colorChanges) {
        CColorChange at = c;
        at.m_position = kept[std::min<size_t>(c.m_position, kept.size() - 1)];
        // Of several changes that land on one glob the last is the one in force there.
        if (!moved.m_colorChanges.empty() && moved.m_colorChanges.back().m_position == at.m_position)
            moved.m_colorChanges.back() = at;
        else
            moved.m_colorChanges.push_back(at);
    }
    return moved;
}

void KeepColourAt(CDaubrixDoc& doc, int position, HsvColor current)
{
    if (doc.HasColorChangeAt(position))
        return;
    HsvColor c = current;
    if (position > 0 && doc.GetColorChangeCount() > 0)
        c = doc.GetColorChange(doc.FindColorChangeBefore(position))->Color();
    doc.SetColorChange(position, c.m_hue, c.m_saturation, c.m_value);
}

void SectionsAfterCut(CDaubrixDoc& doc, int s, int e, bool entire)
{
    doc.CutSections(s, e, entire);
}

void SectionsAfterPaste(CDaubrixDoc& doc, int p, int n)
{
    if (p > 0 && !doc.IsSectionBoundary(p))
        doc.AddSection(p);
    doc.ShiftSections(p, n);
    doc.AddSection(p > 0 ? p : n);
}
} // namespace GlobRuns
