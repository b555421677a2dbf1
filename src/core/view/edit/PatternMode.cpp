#include "core/view/edit/PatternMode.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"

namespace PatternMode {
void Set(CDaubrixApp& app, CDaubrixView* view, bool on)
{
    app.m_modes.m_patternMode = on;
    if (!on)
        return;
    app.m_drawing.m_lineMode = 0;
    app.m_drawing.m_jitter = 0;
    if (view && view->Window())
        view->Window()->DrawRubberBand();
}

void Toggle(CDaubrixApp& app, CDaubrixView* view)
{
    Set(app, view, !app.m_modes.m_patternMode);
}

bool Available(const CDaubrixApp& app)
{
    return !app.m_globs.m_pattern.IsEmpty();
}
} // namespace PatternMode
