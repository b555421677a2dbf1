#include "core/view/edit/PatternMode.h"
#include "core/settings/CDrawingModes.h"
#include "core/settings/CGlobClipboard.h"
#include "core/view/CDaubrixView.h"

namespace PatternMode {
void Set(CDrawingModes& modes, CDaubrixView* view, bool on)
{
    modes.Set(CDrawingModes::kPattern, on);
    if (!on)
        return;
    if (view && view->Window())
        view->Window()->DrawRubberBand();
}

void Toggle(CDrawingModes& modes, CDaubrixView* view)
{
    Set(modes, view, !modes.IsOn(CDrawingModes::kPattern));
}

bool Available(const CGlobClipboard& clipboard)
{
    return !clipboard.m_pattern.IsEmpty();
}
} // namespace PatternMode
