#pragma once
#include "core/base/CRandom.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shell/CDaubrixApp.h"

// A deterministic drawing: globs on a spiral in three shapes, with a colour change every 17 globs.
inline void BuildDrawing(CDaubrixApp& app, CDaubrixDoc& doc, int n)
{
    CRandom rnd(7);
    for (int i = 0; i < n; ++i) {
        CShapeTable& t = app.ShapeTable();
        t.m_currentShape = static_cast<uint8_t>(i / 40 % 3 == 0 ? 1 : i / 40 % 3 == 1 ? 4 : 6);
        if (i % 17 == 0 || i % 40 == 0) {
            CShape& s = t.Current();
            s.m_hue = static_cast<int16_t>(rnd.Next() % 360);
            s.m_saturation = static_cast<uint8_t>(rnd.Next() % 205 + 50);
            s.m_value = static_cast<uint8_t>(rnd.Next() % 155 + 100);
            doc.SetColorChange(doc.GetGlobCount(), s.m_hue, s.m_saturation, s.m_value);
        }
        doc.AddGlob(rnd.Next() % (doc.Width() + 30) - 15, rnd.Next() % (doc.Height() + 30) - 15);
        if (i % 50 == 49)
            doc.AddSection(doc.GetGlobCount());
    }
}
