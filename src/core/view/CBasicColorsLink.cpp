#include "core/view/CBasicColorsLink.h"
#include "core/model/UndoKind.h"
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
    if (view) {
        CDaubrixDoc& doc = view->Doc();
        doc.SetColorChange(-1, c.m_hue, c.m_saturation, c.m_value);
        // A colour change below the end alters what the undo image must show; after a Clear
        // the undo image must stay as it is.
        if (view->ShownCount() < doc.GetGlobCount() && doc.Undo().Kind() != kUndoClear)
            view->RebuildUndoImage();
    }
    shape.Recolor(c.m_hue, c.m_saturation, c.m_value);
}

CBasicColorsLink::CBasicColorsLink(CShapeTable& shapes) : m_shapes(shapes) {}

void CBasicColorsLink::ApplyCurrentColor()
{
    ApplyColorToCurrentShape(m_shapes, m_activeView ? m_activeView() : nullptr, m_current);
    if (m_shapeRecolored)
        m_shapeRecolored();
}
