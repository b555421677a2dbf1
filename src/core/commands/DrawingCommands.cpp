#include "core/commands/DrawingCommands.h"
#include "core/settings/CDrawingModes.h"
#include "core/view/CDaubrixView.h"
#include <algorithm>

namespace {
void ShowBand(CDaubrixView* view)
{
    if (view && view->Window())
        view->Window()->DrawRubberBand();
}

void SetLines(CDrawingModes& modes, CDaubrixView* view, bool on)
{
    const bool was = modes.IsOn(CDrawingModes::kLines);
    modes.Set(CDrawingModes::kLines, on);
    if (on) {
        if (!was && view)
            view->Stroke().StartNewPolyline();
    }
    ShowBand(view);
}

// A mirror switched on switches every other symmetry off.
void ToggleMirror(CDrawingSettings& drawing, CDaubrixView* view, int32_t& mirror)
{
    const int32_t on = mirror ? 0 : 1;
    if (on)
        drawing.m_mirrorBoth = drawing.m_mirrorHorizontal = drawing.m_mirrorVertical = drawing.m_polar = 0;
    mirror = on;
    ShowBand(view);
}

void PolarEnded(CDrawingSettings& drawing)
{
    if (drawing.m_polar)
        drawing.m_mirrorBoth = drawing.m_mirrorHorizontal = drawing.m_mirrorVertical = 0;
}
} // namespace

namespace DrawingCommands {
void ToggleLines(CDrawingModes& modes, CDaubrixView* view)
{
    SetLines(modes, view, !modes.IsOn(CDrawingModes::kLines));
}

void ApplyLines(CDrawingModes& modes, CDaubrixView* view, bool on, int density)
{
    modes.Settings().m_lineDensity = static_cast<uint8_t>(std::clamp(density, 1, 8));
    SetLines(modes, view, on);
}

void ToggleJitter(CDrawingModes& modes)
{
    modes.Toggle(CDrawingModes::kJitter);
}

void ApplyJitter(CDrawingModes& modes, bool on, int amount)
{
    modes.Settings().m_jitterAmount = static_cast<uint8_t>(std::clamp(amount, 1, 8));
    modes.Set(CDrawingModes::kJitter, on);
}

void ToggleSkipping(CDrawingModes& modes)
{
    modes.Toggle(CDrawingModes::kSkipping);
}

void ApplySkipping(CDrawingModes& modes, bool on, int slider, int multiplier)
{
    modes.Settings().m_skipMultiplier = std::clamp(multiplier, 1, 10);
    modes.Settings().m_skippingAmount = std::clamp(slider, 1, 10) * modes.Settings().m_skipMultiplier;
    modes.Set(CDrawingModes::kSkipping, on);
}

int SkippingSliderPosition(const CDrawingSettings& drawing)
{
    return std::clamp(drawing.m_skippingAmount / std::max(drawing.m_skipMultiplier, 1), 1, 10);
}

void ToggleMirrorHorizontal(CDrawingSettings& drawing, CDaubrixView* view)
{
    ToggleMirror(drawing, view, drawing.m_mirrorHorizontal);
}

void ToggleMirrorVertical(CDrawingSettings& drawing, CDaubrixView* view)
{
    ToggleMirror(drawing, view, drawing.m_mirrorVertical);
}

void ToggleMirrorBoth(CDrawingSettings& drawing, CDaubrixView* view)
{
    ToggleMirror(drawing, view, drawing.m_mirrorBoth);
}

void TogglePolar(CDrawingSettings& drawing, CDaubrixView* view)
{
    drawing.m_polar = drawing.m_polar ? 0 : 1;
    PolarEnded(drawing);
    ShowBand(view);
}

void ApplyPolar(CDrawingSettings& drawing, CDaubrixView* view, bool on, int count)
{
    drawing.m_polarCount = std::clamp(count, 2, 50);
    drawing.m_polar = on ? 1 : 0;
    PolarEnded(drawing);
    ShowBand(view);
}
} // namespace DrawingCommands
