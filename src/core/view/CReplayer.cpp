#include "core/view/CReplayer.h"
#include "core/imaging/CImage32.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shapes/CShapeTable.h"
#include <algorithm>

void CReplayer::ApplyInForceBefore(int position)
{
    if (m_doc.GetColorChangeCount() > 0)
        m_doc.ApplyColorChange(m_doc.FindColorChangeBefore(position));
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
