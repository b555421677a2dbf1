#include "app/dialogs/DrawingDialogs.h"
#include "app/dialogs/CAutoChangeDialog.h"
#include "app/dialogs/COnOffAmountDialog.h"
#include "app/dialogs/CPolarMirrorDialog.h"
#include "app/dialogs/CSkippingDialog.h"
#include "core/shell/CDaubrixApp.h"
#include "core/commands/DrawingCommands.h"

namespace DrawingDialogs {
bool LinesCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* active, bool ctrl)
{
    if (ctrl) {
        DrawingCommands::ToggleLines(app.Modes(), active);
        return true;
    }
    COnOffAmountDialog dlg(COnOffAmountDialog::LinesTexts(), app.Drawing().m_lineMode != 0, app.Drawing().m_lineDensity, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    DrawingCommands::ApplyLines(app.Modes(), active, dlg.IsOn(), dlg.Amount());
    return true;
}

bool JitterCommand(QWidget* parent, CDaubrixApp& app, bool ctrl)
{
    if (ctrl) {
        DrawingCommands::ToggleJitter(app.Modes());
        return true;
    }
    COnOffAmountDialog dlg(COnOffAmountDialog::JitterTexts(), app.Drawing().m_jitter != 0, app.Drawing().m_jitterAmount, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    DrawingCommands::ApplyJitter(app.Modes(), dlg.IsOn(), dlg.Amount());
    return true;
}

bool SkippingCommand(QWidget* parent, CDaubrixApp& app, bool ctrl)
{
    if (ctrl) {
        DrawingCommands::ToggleSkipping(app.Modes());
        return true;
    }
    CSkippingDialog dlg(app.Drawing().m_skipping != 0, DrawingCommands::SkippingSliderPosition(app.Drawing()), app.Drawing().m_skipMultiplier, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    DrawingCommands::ApplySkipping(app.Modes(), dlg.IsOn(), dlg.Amount(), dlg.Multiplier());
    return true;
}

bool PolarMirrorCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* active, bool ctrl)
{
    if (ctrl) {
        DrawingCommands::TogglePolar(app.Drawing(), active);
        return true;
    }
    CPolarMirrorDialog dlg(app.Drawing().m_polar != 0, app.Drawing().m_polarCount, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    DrawingCommands::ApplyPolar(app.Drawing(), active, dlg.IsOn(), dlg.Count());
    return true;
}

bool AutoChangeCommand(QWidget* parent, CDaubrixApp& app, ColorComponent component, bool ctrl)
{
    if (ctrl) {
        app.AutoChange().Toggle(component);
        return true;
    }
    CAutoChangeDialog dlg(component, app.AutoChange().Mode(component), app.AutoChange().Speed(component), parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    app.AutoChange().Set(component, dlg.Mode(), dlg.Speed());
    return true;
}
} // namespace DrawingDialogs
