#include "core/view/tools/CPatternTool.h"
#include "core/settings/CAutoChange.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/IViewObserver.h"

void CPatternTool::ButtonDown(int x, int y, bool)
{
    CDaubrixApp& app = m_engine.App();
    const CGlobBuffer& pattern = app.Clipboard().m_pattern;
    if (pattern.IsEmpty())
        return;
    IStrokeTarget& view = m_engine.Target();
    CDaubrixDoc& doc = view.Doc();
    CShapeTable& table = app.ShapeTable();
    const bool preserve = app.Clipboard().m_patternPreserveColors != 0;
    const bool wasEmpty = doc.GetGlobCount() == 0;
    const int saved = table.m_currentShape;
    int previous = saved;
    size_t change = 0;
    app.Host().BeginWaitCursor();
    for (size_t i = 0; i < pattern.m_globs.size(); ++i) {
        const CGlob& g = pattern.m_globs[i];
        if (g.m_shape >= table.Count())
            continue;
        table.m_currentShape = g.m_shape;
        const int first = doc.GetGlobCount();
        const int tx = g.X() - pattern.m_refX + x, ty = g.Y() - pattern.m_refY + y;
        if (preserve) {
            m_engine.PlaceGlobs(tx, ty, false, -2);
            while (change < pattern.m_colorChanges.size() && pattern.m_colorChanges[change].m_position < i)
                ++change;
            if (change < pattern.m_colorChanges.size() && pattern.m_colorChanges[change].m_position == i) {
                const CColorChange& c = pattern.m_colorChanges[change];
                doc.SetColorChange(first, c.m_hue, c.m_saturation, c.m_value);
            }
        } else {
            m_engine.PlaceGlobs(tx, ty, false, -1);
            if (g.m_shape != previous) {
                const CShape& s = table.Current();
                doc.SetColorChange(first, s.m_hue, s.m_saturation, s.m_value);
            }
        }
        previous = g.m_shape;
    }
    table.m_currentShape = saved;
    // The first glob of an empty drawing recorded the shape's colour at 0, not the pattern's.
    if (preserve && wasEmpty && doc.GetGlobCount() > 0 && !pattern.m_colorChanges.empty()
        && pattern.m_colorChanges.front().m_position == 0) {
        const CColorChange& c = pattern.m_colorChanges.front();
        doc.SetColorChange(0, c.m_hue, c.m_saturation, c.m_value);
    }
    if (!preserve && app.AutoChange().Any()) {
        const CShape& s = table.Current();
        view.Observer().ColorShown(s.Color());
    }
    app.Host().EndWaitCursor();
}
