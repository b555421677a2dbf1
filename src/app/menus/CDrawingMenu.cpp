#include "app/menus/CDrawingMenu.h"
#include "app/menus/CMenuContext.h"
#include "app/dialogs/DrawingDialogs.h"
#include "app/dialogs/EditDialogs.h"
#include "app/shell/CMainFrame.h"
#include "core/shell/CDaubrixApp.h"
#include "core/commands/DrawingCommands.h"
#include "core/view/edit/PatternMode.h"
#include <QAction>

using C = CommandId;

// A checkable action flips its own mark when clicked, and a dialog's event loop runs the
// frame's queued refresh before OK: the marks are set again once a command is done.
void ConnectModeCommand(CMenuContext& ctx, CommandId id, std::function<void()> fn)
{
    QObject::connect(ctx.frame.Action(id), &QAction::triggered, &ctx.frame, [&ctx, fn] {
        fn();
        ctx.frame.UpdateCommands();
    });
    ctx.frame.Action(id)->setEnabled(true);
}

void CDrawingMenu::Install(CMenuContext& ctx)
{
    QWidget* parent = &ctx.frame;
    CDaubrixApp& app = ctx.app;
    auto on = [&ctx](C id, std::function<void()> fn) { ConnectModeCommand(ctx, id, std::move(fn)); };
    on(C::Lines, [&ctx, parent] { DrawingDialogs::LinesCommand(parent, ctx.app, ctx.Active(), ctx.Ctrl()); });
    on(C::Jitter, [&app, parent] { DrawingDialogs::JitterCommand(parent, app, CMenuContext::Ctrl()); });
    on(C::Skipping, [&app, parent] { DrawingDialogs::SkippingCommand(parent, app, CMenuContext::Ctrl()); });
    on(C::PolarMirror, [&ctx, parent] {
        DrawingDialogs::PolarMirrorCommand(parent, ctx.app, ctx.Active(), ctx.Ctrl());
    });
    on(C::MirrorHorizontal, [&ctx] { DrawingCommands::ToggleMirrorHorizontal(ctx.app.Drawing(), ctx.Active()); });
    on(C::MirrorVertical, [&ctx] { DrawingCommands::ToggleMirrorVertical(ctx.app.Drawing(), ctx.Active()); });
    on(C::MirrorBoth, [&ctx] { DrawingCommands::ToggleMirrorBoth(ctx.app.Drawing(), ctx.Active()); });
    on(C::Pattern, [&ctx, parent] {
        if (EditDialogs::PatternCommand(parent, ctx.app, ctx.Active(), ctx.Ctrl()))
            ctx.ShapeChanged();   // the pointer shows the mode
    });
}

void CDrawingMenu::Update(CMenuContext& ctx)
{
    const CDrawingSettings& d = ctx.app.Drawing();
    CMainFrame& f = ctx.frame;
    f.Action(C::Lines)->setChecked(d.m_lineMode != 0);
    f.Action(C::Jitter)->setChecked(d.m_jitter != 0);
    f.Action(C::Skipping)->setChecked(d.m_skipping != 0);
    f.Action(C::MirrorHorizontal)->setChecked(d.m_mirrorHorizontal != 0);
    f.Action(C::MirrorVertical)->setChecked(d.m_mirrorVertical != 0);
    f.Action(C::MirrorBoth)->setChecked(d.m_mirrorBoth != 0);
    f.Action(C::PolarMirror)->setChecked(d.m_polar != 0);
    f.Action(C::Pattern)->setChecked(ctx.app.Modes().IsOn(CDrawingModes::kPattern));
    f.Action(C::Pattern)->setEnabled(PatternMode::Available(ctx.app.Clipboard()));
}
