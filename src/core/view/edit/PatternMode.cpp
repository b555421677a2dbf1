#include "core/view/edit/PatternMode.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"

namespace PatternMode {
void Set(CDaubrixApp& app, CDaubrixView* view, bool on)
{
    app.Modes().Set(CDrawingModes::kPattern, on);
    if (!on)
        return;
    if (view && view->Window())
        view->Window()->DrawRubberBand();
}

void Toggle(CDaubrixApp& app, CDaubrixView* view)
{
    Set(app, view, !app.Modes().IsOn(CDrawingModes::kPattern));
}

bool Available(const CDaubrixApp& app)
{
    return !app.Clipboard().m_pattern.IsEmpty();
}
} // namespace PatternMode
