#include "core/view/tools/CSampleTool.h"
#include "core/model/CDaubrixDoc.h"
#include "core/colour/ColorConversion.h"
#include "core/shapes/ShapeFamily.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/IViewObserver.h"
#include <algorithm>

int CSampleTool::HitTest(const CDaubrixDoc& doc, int shown, int x, int y)
{
    shown = std::min(shown, doc.GetGlobCount());
    for (int i = shown - 1; i >= 0; --i) {
        // Where the glob is drawn, so one just left of or above the drawing is found where it shows.
        const CGlob& g = doc.GetGlob(i);
        const int gx = g.X(), gy = g.Y();
        if (gx - 8 < x && x < gx + 8 && gy - 8 < y && y < gy + 8)
            return i;
    }
    return -1;
}

void CSampleTool::ButtonDown(int x, int y, bool)
{
    m_engine.RestoreLineMode();
    // The release of a sampling click ends no stroke.
    m_engine.m_ignoreButtonUp = true;
    if (m_engine.App().Modes().IsOn(CDrawingModes::kSampleColor))
        SampleColor(x, y);
    else
        SampleShape(x, y);
}

void CSampleTool::SampleColor(int x, int y)
{
    IStrokeTarget& view = m_engine.Target();
    const int i = HitTest(view.Doc(), view.ShownCount(), x, y);
    HsvColor c;
    if (i >= 0) {
        c = view.Doc().ColorInForceAt(i);
    } else {
        Pixel p;
        if (!view.DrawingPixel(x, y, p))
            return;
        const HsvF f = RgbToHsv(PixelRed(p), PixelGreen(p), PixelBlue(p));
        c.m_hue = static_cast<int16_t>(std::clamp(static_cast<int>(f.hue), 0, 360));
        c.m_saturation = static_cast<uint8_t>(std::clamp(static_cast<int>(f.saturation * 255.0f), 0, 255));
        c.m_value = static_cast<uint8_t>(std::clamp(static_cast<int>(f.value * 255.0f), 0, 255));
    }
    view.RecordCurrentColor(c);
    view.Observer().ColorSampled(c);
}

void CSampleTool::SampleShape(int x, int y)
{
    IStrokeTarget& view = m_engine.Target();
    CDaubrixDoc& doc = view.Doc();
    const int i = HitTest(doc, view.ShownCount(), x, y);
    CShapeTable& shapes = m_engine.App().ShapeTable();
    if (i < 0 || doc.GetGlob(i).m_shape >= shapes.Count())
        return;
    const int sampled = doc.GetGlob(i).m_shape;
    char letter = 0;
    int size = 0;
    const bool named = ShapeFamilyOf(shapes, sampled, letter, size);
    // The family's colour is the one of its variant shown so far.
    int source = 0;
    for (int s = 0; named && s < 3; ++s) {
        const int k = shapes.FindShape(letter, s);
        if (k < shapes.Count() && shapes.Shape(k).m_shown) {
            source = k;
            break;
        }
    }
    const CShape& from = shapes.Shape(source);
    const HsvColor c = from.Color();
    CShape& to = shapes.Shape(sampled);
    to.m_hue = c.m_hue;
    to.m_saturation = c.m_saturation;
    to.m_value = c.m_value;
    to.m_recolorPending = 1;
    shapes.m_currentShape = static_cast<uint8_t>(sampled);
    if (named)
        shapes.SelectShapeSize(letter, size);
    if (view.ShownCount() >= doc.GetGlobCount() && doc.ColorInForceAt(view.ShownCount()) != c)
        doc.SetColorChange(-1, c.m_hue, c.m_saturation, c.m_value);
    view.Observer().ShapeSampled(c);
}
