#include "core/view/ViewCommands.h"
#include "core/shapes/ColorConversion.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/undo/CClearUndoStep.h"

namespace ViewCommands {
namespace {

bool AnyOneShotMode(const CDrawingModes& m)
{
    return m.m_moveCenterMode || m.m_sampleColorMode || m.m_sampleShapeMode;
}

void ToggleSampling(CDaubrixView& view, bool CDrawingModes::*mode)
{
    CDaubrixApp& app = view.App();
    CDrawingModes& m = app.m_modes;
    if (m.*mode) {
        m.*mode = false;
        view.Stroke().RestoreLineMode();
        return;
    }
    // Lines is put aside only once: from another one-shot mode it already is.
    if (!AnyOneShotMode(m)) {
        m.m_savedLineMode = app.m_drawing.m_lineMode;
        app.m_drawing.m_lineMode = 0;
    }
    m.m_moveCenterMode = m.m_sampleColorMode = m.m_sampleShapeMode = false;
    m.*mode = true;
    view.Stroke().Target().BandChanged();
}

} // namespace

void ToggleSampleColor(CDaubrixView& view)
{
    ToggleSampling(view, &CDrawingModes::m_sampleColorMode);
}

void ToggleSampleShape(CDaubrixView& view)
{
    ToggleSampling(view, &CDrawingModes::m_sampleShapeMode);
}

void LeaveOneShotModes(CDaubrixView& view)
{
    CDrawingModes& m = view.App().m_modes;
    if (!AnyOneShotMode(m))
        return;
    m.m_moveCenterMode = m.m_sampleColorMode = m.m_sampleShapeMode = false;
    view.Stroke().RestoreLineMode();
}

void SetBackgroundColor(CDaubrixView& view, HsvColor c)
{
    constexpr float kByte = 0.003921569f;
    CDaubrixDoc& doc = view.Doc();
    doc.m_backgroundColor = HsvToRgb(c.m_hue, c.m_saturation * kByte, c.m_value * kByte);
    // The colour is stored with the drawing: closing without saving must ask.
    doc.SetModifiedFlag();
    view.RebuildUndoImage();
    if (view.ShownCount() >= view.UndoImageCount())
        view.RedrawFromUndoImage();
    else
        view.Regenerate();
}

bool Clear(CDaubrixView& view)
{
    if (view.ButtonHeld() || !view.App().Host().AskYesNo(kClearQuestion, MsgIcon::Exclamation, kClearCaption))
        return false;
    ClearNow(view);
    return true;
}

void ClearNow(CDaubrixView& view)
{
    // A new step each time: it carries what this Clear hid.
    auto step = std::make_unique<CClearUndoStep>(view);
    step->Clear();
    view.History().Register(std::move(step));
    LeaveOneShotModes(view);
}

} // namespace ViewCommands
