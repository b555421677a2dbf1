#include "core/panels/CHistorySlider.h"
#include "core/model/UndoKind.h"
#include "core/model/CDaubrixDoc.h"
#include <algorithm>
#include <cstdlib>

namespace {

int SectionCount(const CDaubrixDoc& doc)
{
    return doc.Sections().Count();
}
int Boundary(const CDaubrixDoc& doc, int i)
{
    return doc.Sections().At(i);
}
} // namespace

void CHistorySlider::Rebuild(IHistoryTarget& view)
{
    if (view.ClearPending()) {
        Reset();
        return;
    }
    const CDaubrixDoc& doc = view.Doc();
    m_min = doc.Sections().Floor();
    m_max = std::max(m_min, doc.GetGlobCount());
    m_pos = std::clamp(view.ShownCount(), m_min, m_max);
    m_ticks.clear();
    for (int i = 0; i < SectionCount(doc); ++i)
        m_ticks.push_back(Boundary(doc, i));
}

void CHistorySlider::Reset()
{
    m_min = m_max = m_pos = 0;
    m_ticks.clear();
}

void CHistorySlider::SetPosition(int pos)
{
    m_pos = std::clamp(pos, m_min, m_max);
}

void CHistorySlider::ForgetDrawingUndo(CDaubrixDoc& doc)
{
    doc.Undo().ForgetAction(kUndoDrawing);
}

int CHistorySlider::SnapDistance(const CDaubrixDoc& doc)
{
    const int n = SectionCount(doc);
    if (doc.GetGlobCount() <= 9 || n == 0)
        return 1;
    const int span = Boundary(doc, n - 1) - Boundary(doc, 0);
    return std::max(static_cast<int>(static_cast<float>(span) * 0.05f), 5);
}

int CHistorySlider::Snap(const CDaubrixDoc& doc, int a)
{
    const int c = SnapDistance(doc);
    for (int i = 0; i < SectionCount(doc); ++i)
        if (std::abs(a - Boundary(doc, i)) < c)
            return Boundary(doc, i);
    return a;
}

CHistorySlider::Redraw CHistorySlider::EndMove(IHistoryTarget& view, int c)
{
    const CDaubrixDoc& doc = view.Doc();
    c = std::clamp(c, doc.Sections().Floor(), doc.GetGlobCount());
    m_pos = c;
    return view.BrowseTo(c);
}

int CHistorySlider::PreviousTarget(const CDaubrixDoc& doc, int p)
{
    for (int i = SectionCount(doc) - 1; i >= 0; --i)
        if (Boundary(doc, i) < p)
            return Boundary(doc, i);
    return doc.Sections().Floor();
}

std::optional<int> CHistorySlider::NextTarget(const CDaubrixDoc& doc, int p)
{
    for (int i = 0; i < SectionCount(doc); ++i)
        if (Boundary(doc, i) > p)
            return Boundary(doc, i);
    return std::nullopt;
}
