#include "core/view/edit/CGlobPaster.h"
#include "core/settings/CAutoChange.h"
#include "core/model/CDaubrixDoc.h"
#include "core/base/IHost.h"
#include "core/shapes/CShapeTable.h"
#include "core/view/IViewObserver.h"
#include "core/view/edit/GlobRuns.h"
#include <new>

HsvColor CGlobPaster::ShapeColour(int shape) const
{
    const CShapeTable& table = m_doc.Shapes();
    if (shape < 0 || shape >= table.Count())
        return {};
    const CShape& s = table.Shape(shape);
    return s.Color();
}

void CGlobPaster::SetColour(int position, HsvColor c)
{
    m_doc.SetColorChange(position, c.m_hue, c.m_saturation, c.m_value);
}

bool CGlobPaster::InsertGlobs(const CGlobBuffer& run, int p, bool preserveColors)
{
    m_at = p;
    m_atEnd = p >= m_doc.GetGlobCount();
    m_way = preserveColors ? Way::Preserve : m_autoChange.Any() ? Way::Stepped : Way::Current;
    const int before = m_doc.GetGlobCount();
    try {
        m_run = run;
        if (m_way == Way::Stepped) {
            // Drawn anew with the current shapes: an unknown shape cannot be, and in the middle of
            // the drawing the area test of a stroke applies.
            const int W = m_doc.Width(), H = m_doc.Height(), shapes = m_doc.Shapes().Count();
            const bool atEnd = m_atEnd;
            std::erase_if(m_run.m_globs, [=](const CGlob& g) {
                return g.m_shape >= shapes
                       || (!atEnd && (g.X() <= -20 || g.X() >= W + 20 || g.Y() <= -20 || g.Y() >= H + 20));
            });
        }
    } catch (const std::bad_alloc&) {
        m_run = {};
        m_host.Message("Out of Memory", MsgIcon::Stop);
        return false;
    }
    m_doc.InsertClipboardGlobs(m_run, p, false, m_run.m_refX, m_run.m_refY);
    return m_doc.GetGlobCount() == before + Count();
}

void CGlobPaster::ColourRun()
{
    if (m_run.IsEmpty())
        return;
    switch (m_way) {
    case Way::Preserve: Preserving(); break;
    case Way::Stepped: Stepping(); break;
    case Way::Current: Recolouring(); break;
    }
}

void CGlobPaster::KeepColour()
{
    GlobRuns::KeepColourAt(m_doc, m_at, ShapeColour(m_doc.Shapes().m_currentShape));
}

void CGlobPaster::Preserving()
{
    KeepColour();
    const int k = m_doc.FindColorChangeBefore(m_at + 1);
    m_doc.ShiftColorChanges(m_at, Count());
    m_doc.InsertClipboardColorChanges(m_run, k, m_at);
}

void CGlobPaster::Recolouring()
{
    KeepColour();
    m_doc.ShiftColorChanges(m_at, Count());
    SetColour(m_at, ShapeColour(m_run.m_globs.front().m_shape));
    ShapeSwitches();
}

void CGlobPaster::ShapeSwitches()
{
    for (int k = 1; k < Count(); ++k) {
        const int shape = m_run.m_globs[static_cast<size_t>(k)].m_shape;
        if (shape != m_run.m_globs[static_cast<size_t>(k - 1)].m_shape && shape < m_doc.Shapes().Count())
            SetColour(m_at + k, ShapeColour(shape));
    }
}

void CGlobPaster::Stepping()
{
    if (!m_atEnd) {
        KeepColour();
        m_doc.ShiftColorChanges(m_at, Count());
    }
    CShapeTable& table = m_doc.Shapes();
    const int saved = table.m_currentShape;
    int previous = saved;
    for (int i = 0; i < Count(); ++i) {
        const int shapeIndex = m_run.m_globs[static_cast<size_t>(i)].m_shape;
        table.m_currentShape = shapeIndex;
        CShape& shape = table.Current();
        int h = shape.m_hue, s = shape.m_saturation, v = shape.m_value;
        const bool stepped = m_autoChange.Step(m_ticks, h, s, v);
        if (stepped || i == 0 || shapeIndex != previous) {
            m_doc.SetColorChange(m_at + i, h, s, v);
            shape.Recolor(h, s, v);
            shape.m_hue = static_cast<int16_t>(h);
            shape.m_saturation = static_cast<uint8_t>(s);
            shape.m_value = static_cast<uint8_t>(v);
            m_observer.ColorShown(shape.Color());
        }
        previous = shapeIndex;
    }
    table.m_currentShape = saved;
    m_observer.ColorShown(ShapeColour(saved));
}
