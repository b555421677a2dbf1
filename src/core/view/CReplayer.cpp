#include "core/view/CReplayer.h"
#include "core/imaging/CImage32.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shapes/CShapeTable.h"
#include <algorithm>

void CReplayer::ApplyInForceBefore(int position)
{
    // The last entry before position, or the first when there is none; bisected, since a
    // paint asks this of lists of a million entries.
    const std::vector<CColorChange>& list = m_doc.ColorChanges();
    if (list.empty())
        return;
    auto it = std::lower_bound(list.begin(), list.end(), static_cast<uint32_t>(std::max(position, 0)),
                               [](const CColorChange& c, uint32_t p) { return c.m_position < p; });
    const int index = position == 0 || it == list.begin() ? 0 : static_cast<int>(it - list.begin()) - 1;
    m_doc.ApplyColorChange(index);
}

int CReplayer::Draw(CImage32& image, int first, int end, IReplayProgress* progress)
{
    end = std::min(end, m_doc.GetGlobCount());
    CShapeTable& shapes = m_doc.Shapes();
    for (int i = std::max(first, 0); i < end; ++i) {
        m_doc.ApplyColorChangesAt(i);
        const CGlob& g = m_doc.GetGlob(i);
        if (g.m_shape < shapes.Count()) {
            const CRect r = shapes.Shape(g.m_shape).Draw(image, g.X(), g.Y());
            if (progress)
                progress->GlobDrawn(i, r);
        }
        if (progress && !progress->Continue(i))
            return i + 1;
    }
    return end;
}
