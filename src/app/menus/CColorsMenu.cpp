#include "app/menus/CColorsMenu.h"
#include "app/menus/CDrawingMenu.h"
#include "app/menus/CMenuContext.h"
#include "app/dialogs/DrawingDialogs.h"
#include "app/dialogs/EditDialogs.h"
#include "app/shell/CMainFrame.h"
#include "core/settings/CAutoChange.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/edit/CGlobEdits.h"
#include <QAction>

using C = CommandId;

void CColorsMenu::Install(CMenuContext& ctx)
{
    QWidget* parent = &ctx.frame;
    CDaubrixApp& app = ctx.app;
    for (auto [id, component] : {std::pair{C::AutoHue, ColorComponent::Hue}, std::pair{C::AutoSat, ColorComponent::Saturation},
                                 std::pair{C::AutoVal, ColorComponent::Value}})
        ConnectModeCommand(ctx, id, [&app, parent, component] {
            DrawingDialogs::AutoChangeCommand(parent, app, component, CMenuContext::Ctrl());
        });
    QObject::connect(ctx.frame.Action(C::SimulateDepth), &QAction::triggered, &ctx.frame, [&ctx] {
        if (EditDialogs::SimulateDepthCommand(&ctx.frame, ctx.app, ctx.Active())) {
            ctx.ReloadHistory();
            ctx.ShapeChanged();
        }
        ctx.frame.UpdateCommands();
    });
}

void CColorsMenu::Update(CMenuContext& ctx)
{
    const CAutoColorSettings& a = ctx.app.AutoColor();
    ctx.frame.Action(C::AutoHue)->setChecked(a.m_autoHue != 0);
    ctx.frame.Action(C::AutoSat)->setChecked(a.m_autoSat != 0);
    ctx.frame.Action(C::AutoVal)->setChecked(a.m_autoVal != 0);
    CDaubrixView* v = ctx.Active();
    ctx.frame.Action(C::SimulateDepth)->setEnabled(v && v->Edits().HasShownGlobs() && !v->ButtonHeld());
}
