#include "core/view/CBasicColorsLink.h"
#include "core/view/CDaubrixView.h"
#include "core/shapes/CShapeTable.h"


void ApplyColorToCurrentShape(CShapeTable& shapes, CDaubrixView* view, HsvColor c)
{
    if (shapes.Count() == 0)
        return;
    CShape& shape = shapes.Current();
    shape.m_hue = c.m_hue;
    shape.m_saturation = c.m_saturation;
    shape.m_value = c.m_value;
    // Recorded at the end only: at a position below it the change would recolour the hidden
    // glob there. The next stroke, paste or import records it where it starts.
    if (view && view->ShownCount() >= view->Doc().GetGlobCount())
        view->Doc().SetColorChange(-1, c.m_hue, c.m_saturation, c.m_value);
    shape.Recolor(c.m_hue, c.m_saturation, c.m_value);
}

CBasicColorsLink::CBasicColorsLink(CShapeTable& shapes) : m_shapes(shapes) {}

void CBasicColorsLink::ApplyCurrentColor()
{
    ApplyColorToCurrentShape(m_shapes, m_activeView ? m_activeView() : nullptr, m_current);
    if (m_shapeRecolored)
        m_shapeRecolored();
}
