#include "core/commands/ViewCommands.h"
#include "core/colour/ColorConversion.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/undo/CClearUndoStep.h"

namespace ViewCommands {
namespace {

void ToggleSampling(CDaubrixView& view, CDrawingModes::Mode mode)
{
    view.App().Modes().Toggle(mode);
    view.Stroke().Target().BandChanged();
}

} // namespace

void ToggleSampleColor(CDaubrixView& view)
{
    ToggleSampling(view, CDrawingModes::kSampleColor);
}

void ToggleSampleShape(CDaubrixView& view)
{
    ToggleSampling(view, CDrawingModes::kSampleShape);
}

void LeaveOneShotModes(CDaubrixView& view)
{
    if (view.App().Modes().LeaveOneShot())
        view.Stroke().Target().BandChanged();
}

void SetBackgroundColor(CDaubrixView& view, HsvColor c)
{
    constexpr float kByte = 0.003921569f;
    CDaubrixDoc& doc = view.Doc();
    doc.SetBackgroundColor(HsvToRgb(c.m_hue, c.m_saturation * kByte, c.m_value * kByte));
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
