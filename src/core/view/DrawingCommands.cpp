#include "core/view/DrawingCommands.h"
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
    const bool was = app.m_drawing.m_lineMode != 0;
    app.m_drawing.m_lineMode = on ? 1 : 0;
    if (on) {
        app.m_modes.m_patternMode = false;
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
        app.m_drawing.m_mirrorBoth = app.m_drawing.m_mirrorHorizontal = app.m_drawing.m_mirrorVertical = app.m_drawing.m_polar = 0;
    mirror = on;
    ShowBand(view);
}

void PolarEnded(CDaubrixApp& app)
{
    if (app.m_drawing.m_polar)
        app.m_drawing.m_mirrorBoth = app.m_drawing.m_mirrorHorizontal = app.m_drawing.m_mirrorVertical = 0;
}
} // namespace

namespace DrawingCommands {
void ToggleLines(CDaubrixApp& app, CDaubrixView* view)
{
    SetLines(app, view, app.m_drawing.m_lineMode == 0);
}

void ApplyLines(CDaubrixApp& app, CDaubrixView* view, bool on, int density)
{
    app.m_drawing.m_lineDensity = static_cast<uint8_t>(std::clamp(density, 1, 8));
    SetLines(app, view, on);
}

void ToggleJitter(CDaubrixApp& app)
{
    app.m_drawing.m_jitter = app.m_drawing.m_jitter ? 0 : 1;
    if (app.m_drawing.m_jitter)
        app.m_modes.m_patternMode = false;
}

void ApplyJitter(CDaubrixApp& app, bool on, int amount)
{
    app.m_drawing.m_jitterAmount = static_cast<uint8_t>(std::clamp(amount, 1, 8));
    app.m_drawing.m_jitter = on ? 1 : 0;
    if (on)
        app.m_modes.m_patternMode = false;
}

void ToggleSkipping(CDaubrixApp& app)
{
    app.m_drawing.m_skipping = app.m_drawing.m_skipping ? 0 : 1;
    if (app.m_drawing.m_skipping)
        app.m_modes.m_patternMode = false;
}

void ApplySkipping(CDaubrixApp& app, bool on, int slider, int multiplier)
{
    app.m_drawing.m_skipMultiplier = std::clamp(multiplier, 1, 10);
    app.m_drawing.m_skippingAmount = std::clamp(slider, 1, 10) * app.m_drawing.m_skipMultiplier;
    app.m_drawing.m_skipping = on ? 1 : 0;
    if (on)
        app.m_modes.m_patternMode = false;
}

int SkippingSliderPosition(const CDaubrixApp& app)
{
    return std::clamp(app.m_drawing.m_skippingAmount / std::max(app.m_drawing.m_skipMultiplier, 1), 1, 10);
}

void ToggleMirrorHorizontal(CDaubrixApp& app, CDaubrixView* view)
{
    ToggleMirror(app, view, app.m_drawing.m_mirrorHorizontal);
}

void ToggleMirrorVertical(CDaubrixApp& app, CDaubrixView* view)
{
    ToggleMirror(app, view, app.m_drawing.m_mirrorVertical);
}

void ToggleMirrorBoth(CDaubrixApp& app, CDaubrixView* view)
{
    ToggleMirror(app, view, app.m_drawing.m_mirrorBoth);
}

void TogglePolar(CDaubrixApp& app, CDaubrixView* view)
{
    app.m_drawing.m_polar = app.m_drawing.m_polar ? 0 : 1;
    PolarEnded(app);
    ShowBand(view);
}

void ApplyPolar(CDaubrixApp& app, CDaubrixView* view, bool on, int count)
{
    app.m_drawing.m_polarCount = std::clamp(count, 2, 50);
    app.m_drawing.m_polar = on ? 1 : 0;
    PolarEnded(app);
    ShowBand(view);
}
} // namespace DrawingCommands
