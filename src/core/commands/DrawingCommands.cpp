#include "core/commands/DrawingCommands.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include <algorithm>

namespace {
void ShowBand(CDaubrixView* view)
{
    if (view && view->Window())
        view->Window()->DrawRubberBand();
}

void SetLines(CDaubrixApp& app, CDaubrixView* view, bool on)
{
    const bool was = app.Drawing().m_lineMode != 0;
    app.Modes().Set(CDrawingModes::kLines, on);
    if (on) {
        if (!was && view)
            view->Stroke().StartNewPolyline();
    }
    ShowBand(view);
}

// A mirror switched on switches every other symmetry off.
void ToggleMirror(CDaubrixApp& app, CDaubrixView* view, int32_t& mirror)
{
    const int32_t on = mirror ? 0 : 1;
    if (on)
        app.Drawing().m_mirrorBoth = app.Drawing().m_mirrorHorizontal = app.Drawing().m_mirrorVertical = app.Drawing().m_polar = 0;
    mirror = on;
    ShowBand(view);
}

void PolarEnded(CDaubrixApp& app)
{
    if (app.Drawing().m_polar)
        app.Drawing().m_mirrorBoth = app.Drawing().m_mirrorHorizontal = app.Drawing().m_mirrorVertical = 0;
}
} // namespace

namespace DrawingCommands {
void ToggleLines(CDaubrixApp& app, CDaubrixView* view)
{
    SetLines(app, view, app.Drawing().m_lineMode == 0);
}

void ApplyLines(CDaubrixApp& app, CDaubrixView* view, bool on, int density)
{
    app.Drawing().m_lineDensity = static_cast<uint8_t>(std::clamp(density, 1, 8));
    SetLines(app, view, on);
}

void ToggleJitter(CDaubrixApp& app)
{
    app.Modes().Toggle(CDrawingModes::kJitter);
}

void ApplyJitter(CDaubrixApp& app, bool on, int amount)
{
    app.Drawing().m_jitterAmount = static_cast<uint8_t>(std::clamp(amount, 1, 8));
    app.Modes().Set(CDrawingModes::kJitter, on);
}

void ToggleSkipping(CDaubrixApp& app)
{
    app.Modes().Toggle(CDrawingModes::kSkipping);
}

void ApplySkipping(CDaubrixApp& app, bool on, int slider, int multiplier)
{
    app.Drawing().m_skipMultiplier = std::clamp(multiplier, 1, 10);
    app.Drawing().m_skippingAmount = std::clamp(slider, 1, 10) * app.Drawing().m_skipMultiplier;
    app.Modes().Set(CDrawingModes::kSkipping, on);
}

int SkippingSliderPosition(const CDaubrixApp& app)
{
    return std::clamp(app.Drawing().m_skippingAmount / std::max(app.Drawing().m_skipMultiplier, 1), 1, 10);
}

void ToggleMirrorHorizontal(CDaubrixApp& app, CDaubrixView* view)
{
    ToggleMirror(app, view, app.Drawing().m_mirrorHorizontal);
}

void ToggleMirrorVertical(CDaubrixApp& app, CDaubrixView* view)
{
    ToggleMirror(app, view, app.Drawing().m_mirrorVertical);
}

void ToggleMirrorBoth(CDaubrixApp& app, CDaubrixView* view)
{
    ToggleMirror(app, view, app.Drawing().m_mirrorBoth);
}

void TogglePolar(CDaubrixApp& app, CDaubrixView* view)
{
    app.Drawing().m_polar = app.Drawing().m_polar ? 0 : 1;
    PolarEnded(app);
    ShowBand(view);
}

void ApplyPolar(CDaubrixApp& app, CDaubrixView* view, bool on, int count)
{
    app.Drawing().m_polarCount = std::clamp(count, 2, 50);
    app.Drawing().m_polar = on ? 1 : 0;
    PolarEnded(app);
    ShowBand(view);
}
} // namespace DrawingCommands
