#include "core/model/CDaubrixDoc.h"
#include "core/model/SectionBoundaries.h"
#include "core/shapes/CShapeTable.h"
#include "core/base/IHost.h"
#include <algorithm>
#include <new>

namespace {
constexpr size_t kGlobGrowth = 3000;
constexpr size_t kColorGrowth = 200;

// Room for count more: by the step, or by half again for big drawings, so that a stroke on a
// drawing of millions of globs does not copy them all every few thousand globs.
// The number of leading entries two colour-change lists share, and the position from which
// they differ (UINT32_MAX when they do not).
std::pair<size_t, uint32_t> FirstDifference(const std::vector<CColorChange>& a, const std::vector<CColorChange>& b)
{
    size_t same = 0;
    while (same < a.size() && same < b.size() && a[same] == b[same])
        ++same;
    uint32_t from = UINT32_MAX;
    if (same < a.size())
        from = a[same].m_position;
    if (same < b.size())
        from = std::min(from, b[same].m_position);
    return {same, from};
}

template <typename T> void GrowFor(std::vector<T>& v, size_t step, size_t count = 1)
{
    if (v.capacity() - v.size() < count)
        v.reserve(std::max(v.capacity() + std::max(step, v.capacity() / 2), v.size() + count));
}
} // namespace

CDaubrixDoc::CDaubrixDoc(CShapeTable& shapes, IHost* host) : m_shapeTable(shapes), m_host(host) {}

void CDaubrixDoc::OutOfMemory()
{
    if (m_host)
        m_host->Message("Out of Memory", MsgIcon::Stop);
}

int CDaubrixDoc::ShapeOfGlob(int position) const
{
    return m_globs[static_cast<size_t>(position)].m_shape;
}

void CDaubrixDoc::RecordStartColor()
{
    if (!m_globs.empty())
        return;
    const CShape& s = m_shapeTable.Current();
    SetColorChange(-1, s.m_hue, s.m_saturation, s.m_value);
}

bool CDaubrixDoc::AddGlob(int x, int y)
{
    RecordStartColor();
    if (!AcceptsGlobAt(x, y))
        return false;
    return AppendGlob(x, y);
}

bool CDaubrixDoc::AppendGlobs(const CGlob* globs, size_t count)
{
    try {
        GrowFor(m_globs, kGlobGrowth, count);
        m_globs.insert(m_globs.end(), globs, globs + count);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
    SetModifiedFlag();
    return true;
}

void CDaubrixDoc::ReserveGlobs(size_t total)
{
    try {
        m_globs.reserve(total);
    } catch (const std::bad_alloc&) {
    }
}

bool CDaubrixDoc::AppendGlob(int x, int y)
{
    try {
        GrowFor(m_globs, kGlobGrowth);
        m_globs.emplace_back(x, y, m_shapeTable.m_currentShape);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
    SetModifiedFlag();
    return true;
}

bool CDaubrixDoc::InsertGlob(int position, int x, int y)
{
    if (!AcceptsGlobAt(x, y))
        return false;
    position = std::clamp(position, 0, GetGlobCount());
    try {
        GrowFor(m_globs, kGlobGrowth);
        m_globs.insert(m_globs.begin() + position, CGlob(x, y, m_shapeTable.m_currentShape));
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
    SequenceChangedFrom(position);
    SetModifiedFlag();
    return true;
}

void CDaubrixDoc::AppendLoadedGlob(const CGlob& g)
{
    GrowFor(m_globs, kGlobGrowth);
    m_globs.push_back(g);
}

void CDaubrixDoc::AppendLoadedColorChange(const CColorChange& c)
{
    SequenceChangedFrom(static_cast<int>(std::min<uint32_t>(c.m_position, INT32_MAX)));
    GrowFor(m_colorChanges, kColorGrowth);
    m_colorChanges.push_back(c);
}

void CDaubrixDoc::DeleteGlobs(int from, int to)
{
    from = std::clamp(from, 0, GetGlobCount());
    to = std::clamp(to, from, GetGlobCount());
    m_globs.erase(m_globs.begin() + from, m_globs.begin() + to);
    SequenceChangedFrom(from);
}

void CDaubrixDoc::TruncateAt(int position)
{
    position = std::max(position, 0);
    if (position < GetGlobCount())
        m_globs.resize(static_cast<size_t>(position));
    std::erase_if(m_colorChanges, [position](const CColorChange& c) { return c.m_position >= static_cast<uint32_t>(position); });
    SequenceChangedFrom(position);
}

const CColorChange* CDaubrixDoc::GetColorChange(int index) const
{
    if (index < 0 || index >= GetColorChangeCount())
        return nullptr;
    return &m_colorChanges[static_cast<size_t>(index)];
}

CColorChange* CDaubrixDoc::GetColorChange(int index)
{
    if (index < 0 || index >= GetColorChangeCount())
        return nullptr;
    return &m_colorChanges[static_cast<size_t>(index)];
}

int CDaubrixDoc::InsertColorChangeRecord(const CColorChange& c)
{
    // Insert after the last entry with a smaller position; at the front when there is none.
    int at = 0;
    if (c.m_position != 0) {
        for (int i = GetColorChangeCount() - 1; i >= 0; --i)
            if (m_colorChanges[static_cast<size_t>(i)].m_position < c.m_position) {
                at = i + 1;
                break;
            }
    }
    GrowFor(m_colorChanges, kColorGrowth);
    m_colorChanges.insert(m_colorChanges.begin() + at, c);
    return at;
}

void CDaubrixDoc::SetColorChange(int position, int hue, int saturation, int value)
{
    if (position == -1)
        position = m_shownPosition >= 0 ? m_shownPosition : GetGlobCount();
    SequenceChangedFrom(position);
    const auto pos = static_cast<uint32_t>(position);
    // The list is ordered: the search from the end stops below the position.
    for (int i = GetColorChangeCount() - 1; i >= 0 && m_colorChanges[static_cast<size_t>(i)].m_position >= pos; --i) {
        CColorChange& e = m_colorChanges[static_cast<size_t>(i)];
        if (e.m_position == pos) {
            e = CColorChange(pos, hue, saturation, value);
            SetModifiedFlag();
            return;
        }
        // The list is in ascending order: nothing earlier can stand at pos.
        if (e.m_position < pos)
            break;
    }
    try {
        InsertColorChangeRecord(CColorChange(pos, hue, saturation, value));
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return;
    }
    SetModifiedFlag();
}

bool CDaubrixDoc::HasColorChangeAt(int position) const
{
    const auto pos = static_cast<uint32_t>(position);
    auto it = std::lower_bound(m_colorChanges.begin(), m_colorChanges.end(), pos,
                               [](const CColorChange& c, uint32_t p) { return c.m_position < p; });
    return it != m_colorChanges.end() && it->m_position == pos;
}

int CDaubrixDoc::GetColorChangeHue(int position) const
{
    for (const CColorChange& c : m_colorChanges)
        if (c.m_position == static_cast<uint32_t>(position))
            return c.m_hue;
    return 0;
}

int CDaubrixDoc::GetColorChangeSaturation(int position) const
{
    for (const CColorChange& c : m_colorChanges)
        if (c.m_position == static_cast<uint32_t>(position))
            return c.m_saturation;
    return 0;
}

int CDaubrixDoc::GetColorChangeValue(int position) const
{
    for (const CColorChange& c : m_colorChanges)
        if (c.m_position == static_cast<uint32_t>(position))
            return c.m_value;
    return 0;
}

void CDaubrixDoc::SetColorChangeValue(int position, int value)
{
    SequenceChangedFrom(position);
    for (CColorChange& c : m_colorChanges)
        if (c.m_position == static_cast<uint32_t>(position)) {
            c.m_value = static_cast<uint8_t>(value);
            return;
        }
}

int CDaubrixDoc::FindColorChangeBefore(int position) const
{
    if (position == 0)
        return 0;
    for (int i = GetColorChangeCount() - 1; i >= 0; --i)
        if (m_colorChanges[static_cast<size_t>(i)].m_position < static_cast<uint32_t>(position))
            return i;
    return 0;
}

int CDaubrixDoc::PositionInForce(int position) const
{
    if (m_colorChanges.empty())
        return 0;
    for (int i = 1; i < GetColorChangeCount(); ++i)
        if (m_colorChanges[static_cast<size_t>(i)].m_position >= static_cast<uint32_t>(position))
            return static_cast<int>(m_colorChanges[static_cast<size_t>(i - 1)].m_position);
    return static_cast<int>(m_colorChanges.back().m_position);
}

HsvColor CDaubrixDoc::ColorInForceAt(int position) const
{
    const int at = HasColorChangeAt(position) ? position : PositionInForce(position);
    return {static_cast<int16_t>(GetColorChangeHue(at)), static_cast<uint8_t>(GetColorChangeSaturation(at)),
            static_cast<uint8_t>(GetColorChangeValue(at))};
}

int CDaubrixDoc::NextColorChangeAfter(int position) const
{
    for (const CColorChange& c : m_colorChanges)
        if (static_cast<int64_t>(c.m_position) > position)
            return static_cast<int>(c.m_position);
    return -1;
}

void CDaubrixDoc::ApplyColorChangesAt(int position)
{
    if (position < 0 || position >= GetGlobCount())
        return;
    const auto pos = static_cast<uint32_t>(position);
    // The list is sorted, so the entries at one position are found by bisection: this runs
    // once per glob during every replay.
    auto it = std::lower_bound(m_colorChanges.begin(), m_colorChanges.end(), pos,
                               [](const CColorChange& c, uint32_t p) { return c.m_position < p; });
    for (; it != m_colorChanges.end() && it->m_position == pos; ++it) {
        int shape = ShapeOfGlob(position);
        if (shape < m_shapeTable.Count())
            m_shapeTable.Shape(shape).Recolor(it->m_hue, it->m_saturation, it->m_value);
    }
}

void CDaubrixDoc::ApplyColorChange(int index)
{
    const CColorChange* c = GetColorChange(index);
    if (!c || c->m_position >= static_cast<uint32_t>(GetGlobCount()))
        return;
    int shape = ShapeOfGlob(static_cast<int>(c->m_position));
    if (shape < m_shapeTable.Count())
        m_shapeTable.Shape(shape).Recolor(c->m_hue, c->m_saturation, c->m_value);
}

void CDaubrixDoc::MoveColorChanges(int newBase, int oldBase)
{
    SequenceChangedFrom(std::min(newBase, oldBase));
    for (CColorChange& c : m_colorChanges)
        if (c.m_position >= static_cast<uint32_t>(oldBase))
            c.m_position = static_cast<uint32_t>(static_cast<int64_t>(c.m_position) - oldBase + newBase);
}

void CDaubrixDoc::ShiftColorChanges(int from, int delta)
{
    SequenceChangedFrom(std::min(from, from + delta));
    for (CColorChange& c : m_colorChanges)
        if (c.m_position >= static_cast<uint32_t>(from))
            c.m_position = static_cast<uint32_t>(static_cast<int64_t>(c.m_position) + delta);
}

void CDaubrixDoc::RemoveColorChanges(int from, int to, bool all)
{
    SequenceChangedFrom(from);
    const auto count = static_cast<uint32_t>(GetGlobCount());
    size_t i = 1;
    while (i < m_colorChanges.size()) {
        const CColorChange& e = m_colorChanges[i];
        if (e.m_position >= count)
            break;
        const int p = static_cast<int>(e.m_position);
        const int prev = static_cast<int>(m_colorChanges[i - 1].m_position);
        if (from <= p && p <= to && (all || (prev < GetGlobCount() && ShapeOfGlob(p) == ShapeOfGlob(prev))))
            m_colorChanges.erase(m_colorChanges.begin() + static_cast<long>(i));
        else
            ++i;
    }
    if (!m_colorChanges.empty()) {
        const CColorChange& e = m_colorChanges.front();
        const int p = static_cast<int>(e.m_position);
        if (e.m_position < count && from <= p && p <= to)
            m_colorChanges.erase(m_colorChanges.begin());
    }
}

void CDaubrixDoc::CopyPreviousColors(int from, int to)
{
    SequenceChangedFrom(from);
    const auto count = static_cast<uint32_t>(GetGlobCount());
    for (size_t i = 1; i < m_colorChanges.size(); ++i) {
        CColorChange& e = m_colorChanges[i];
        if (e.m_position >= count)
            break;
        const CColorChange& prev = m_colorChanges[i - 1];
        const int p = static_cast<int>(e.m_position);
        if (from < p && p <= to && prev.m_position < count
            && ShapeOfGlob(p) != ShapeOfGlob(static_cast<int>(prev.m_position))) {
            e.m_hue = prev.m_hue;
            e.m_saturation = prev.m_saturation;
            e.m_value = prev.m_value;
        }
    }
}

void CDaubrixDoc::RemoveRepeatedColorChanges(int from, int to)
{
    SequenceChangedFrom(from);
    const auto count = static_cast<uint32_t>(GetGlobCount());
    size_t i = 1;
    while (i < m_colorChanges.size()) {
        const CColorChange& e = m_colorChanges[i];
        if (e.m_position >= count)
            break;
        const CColorChange& prev = m_colorChanges[i - 1];
        const int p = static_cast<int>(e.m_position);
        if (from <= p && p <= to && e.m_hue == prev.m_hue && e.m_saturation == prev.m_saturation
            && prev.m_position < count && ShapeOfGlob(p) == ShapeOfGlob(static_cast<int>(prev.m_position)))
            m_colorChanges.erase(m_colorChanges.begin() + static_cast<long>(i));
        else
            ++i;
    }
}

void CDaubrixDoc::SaveColorChanges()
{
    m_savedColorChanges = m_colorChanges;
}

void CDaubrixDoc::SwapColorChanges()
{
    // The picture changes from the first entry in which the two lists differ.
    const uint32_t from = FirstDifference(m_colorChanges, m_savedColorChanges).second;
    if (from != UINT32_MAX)
        SequenceChangedFrom(static_cast<int>(std::min<uint32_t>(from, INT32_MAX)));
    m_swapColorChanges = m_savedColorChanges;
    m_savedColorChanges = m_colorChanges;
    m_colorChanges = m_swapColorChanges;
}

void CDaubrixDoc::TrimColorTail(CColorTail& tail) const
{
    std::vector<CColorChange>& was = tail.changes;
    const auto [same, from] = FirstDifference(m_colorChanges, was);
    // Kept by position, so that changes recorded below it meanwhile stay where they are.
    tail.from = std::max(tail.from, from);
    was.erase(was.begin(), was.begin() + static_cast<long>(same));
    was.shrink_to_fit();
}

void CDaubrixDoc::ExchangeColorTail(CColorTail& tail)
{
    if (tail.from == UINT32_MAX)
        return;
    auto at = std::lower_bound(m_colorChanges.begin(), m_colorChanges.end(), tail.from,
                               [](const CColorChange& c, uint32_t p) { return c.m_position < p; });
    SequenceChangedFrom(static_cast<int>(std::min<uint32_t>(tail.from, INT32_MAX)));
    std::vector<CColorChange> mine(at, m_colorChanges.end());
    m_colorChanges.erase(at, m_colorChanges.end());
    m_colorChanges.insert(m_colorChanges.end(), tail.changes.begin(), tail.changes.end());
    tail.changes = std::move(mine);
}

void CDaubrixDoc::AddSection(int position)
{
    if (m_sections.Add(position) && m_view)
        m_view->OnSectionAdded(position);
}

void CDaubrixDoc::MarkShapesForRecolor(int from, int to)
{
    from = std::max(from, 0);
    to = std::min(to, GetGlobCount());
    // Gather the shapes first: the range may hold millions of globs but only a few shapes.
    std::array<bool, 256> used{};
    const CGlob* globs = m_globs.data();
    for (int i = from; i < to; ++i)
        if (!used[globs[i].m_shape])   // reading is cheaper than storing again
            used[globs[i].m_shape] = true;
    for (int s = 0; s < m_shapeTable.Count() && s < 256; ++s)
        if (used[static_cast<size_t>(s)])
            m_shapeTable.Shape(s).m_recolorPending = 1;
}

void CDaubrixDoc::InsertClipboardGlobs(const CGlobBuffer& clip, int position, bool withColors, int cx, int cy)
{
    const int dx = cx - clip.m_refX, dy = cy - clip.m_refY;
    position = std::clamp(position, 0, GetGlobCount());
    SequenceChangedFrom(position);
    try {
        std::vector<CGlob> moved;
        moved.reserve(clip.m_globs.size());
        for (const CGlob& g : clip.m_globs)
            moved.emplace_back(g.X() + dx, g.Y() + dy, g.m_shape);
        m_globs.insert(m_globs.begin() + position, moved.begin(), moved.end());
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return;
    }
    if (!withColors)
        return;
    for (size_t k = 1; k < clip.m_globs.size(); ++k) {
        const int shape = clip.m_globs[k].m_shape;
        if (shape != clip.m_globs[k - 1].m_shape && shape < m_shapeTable.Count()) {
            const CShape& s = m_shapeTable.Shape(shape);
            SetColorChange(position + static_cast<int>(k), s.m_hue, s.m_saturation, s.m_value);
        }
    }
}

void CDaubrixDoc::InsertClipboardColorChanges(const CGlobBuffer& clip, int index, int offset)
{
    for (const CColorChange& c : clip.m_colorChanges)
        SequenceChangedFrom(static_cast<int>(std::clamp<int64_t>(int64_t{c.m_position} + offset, 0, INT32_MAX)));
    for (size_t k = 0; k < clip.m_colorChanges.size(); ++k) {
        CColorChange c = clip.m_colorChanges[k];
        c.m_position = static_cast<uint32_t>(static_cast<int64_t>(c.m_position) + offset);
        if (HasColorChangeAt(static_cast<int>(c.m_position)))
            continue;
        size_t at = std::min(static_cast<size_t>(index) + k, m_colorChanges.size());
        m_colorChanges.insert(m_colorChanges.begin() + static_cast<long>(at), c);
    }
}

void CDaubrixDoc::DeleteContents()
{
    SequenceChangedFrom(0);
    m_globs.clear();
    m_colorChanges.clear();
    m_savedColorChanges.clear();
    m_swapColorChanges.clear();
}

void CDaubrixDoc::SetLoadedRecords(std::vector<CGlob> globs, std::vector<CColorChange> colorChanges)
{
    DeleteContents();
    m_globs = std::move(globs);
    m_colorChanges = std::move(colorChanges);
}
