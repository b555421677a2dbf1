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
        DrawingCommands::ToggleLines(app, active);
        return true;
    }
    COnOffAmountDialog dlg(COnOffAmountDialog::LinesTexts(), app.Drawing().m_lineMode != 0, app.Drawing().m_lineDensity, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    DrawingCommands::ApplyLines(app, active, dlg.IsOn(), dlg.Amount());
    return true;
}

bool JitterCommand(QWidget* parent, CDaubrixApp& app, bool ctrl)
{
    if (ctrl) {
        DrawingCommands::ToggleJitter(app);
        return true;
    }
    COnOffAmountDialog dlg(COnOffAmountDialog::JitterTexts(), app.Drawing().m_jitter != 0, app.Drawing().m_jitterAmount, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    DrawingCommands::ApplyJitter(app, dlg.IsOn(), dlg.Amount());
    return true;
}

bool SkippingCommand(QWidget* parent, CDaubrixApp& app, bool ctrl)
{
    if (ctrl) {
        DrawingCommands::ToggleSkipping(app);
        return true;
    }
    CSkippingDialog dlg(app.Drawing().m_skipping != 0, DrawingCommands::SkippingSliderPosition(app), app.Drawing().m_skipMultiplier, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    DrawingCommands::ApplySkipping(app, dlg.IsOn(), dlg.Amount(), dlg.Multiplier());
    return true;
}

bool PolarMirrorCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* active, bool ctrl)
{
    if (ctrl) {
        DrawingCommands::TogglePolar(app, active);
        return true;
    }
    CPolarMirrorDialog dlg(app.Drawing().m_polar != 0, app.Drawing().m_polarCount, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    DrawingCommands::ApplyPolar(app, active, dlg.IsOn(), dlg.Count());
    return true;
}

bool AutoChangeCommand(QWidget* parent, CDaubrixApp& app, ColorComponent component, bool ctrl)
{
    if (ctrl) {
        ToggleAutoColor(app, component);
        return true;
    }
    CAutoChangeDialog dlg(component, AutoColorMode(app, component), AutoColorSpeed(app, component), parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    SetAutoColor(app, component, dlg.Mode(), dlg.Speed());
    return true;
}
} // namespace DrawingDialogs
