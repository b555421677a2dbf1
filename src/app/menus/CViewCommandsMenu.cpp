#include "app/menus/CViewCommandsMenu.h"
#include "app/dialogs/CDrawingInfoDialog.h"
#include "app/dialogs/CTipDialog.h"
#include "app/menus/CMenuContext.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CToolWindows.h"
#include "app/view/CDrawingWidget.h"
#include "core/shell/CDaubrixApp.h"
#include "core/shell/CTipOfTheDay.h"
#include "core/view/CDaubrixView.h"
#include "core/view/DrawingInfo.h"
#include "core/commands/ViewCommands.h"
#include <QAction>

using C = CommandId;

namespace {
// The one-shot modes are the application's: every drawing's pointer follows.
void ModesChanged(CMenuContext& ctx)
{
    for (CChildFrame* c : ctx.frame.Children())
        c->DrawingWidget().UpdateCursor();
    ctx.frame.UpdateCommands();
}

HsvColor ChosenColor(CMenuContext& ctx)
{
    if (ctx.tools && ctx.tools->Colors())
        return ctx.tools->Colors()->Panel().CurrentColor();
    const CShape& s = ctx.app.CurrentShape();
    return {s.m_hue, s.m_saturation, s.m_value};
}
} // namespace

void CViewCommandsMenu::Install(CMenuContext& ctx)
{
    CMainFrame& f = ctx.frame;
    auto on = [&ctx](C id, std::function<void(CDaubrixView&)> fn) {
        QObject::connect(ctx.frame.Action(id), &QAction::triggered, &ctx.frame, [&ctx, fn] {
            if (CDaubrixView* v = ctx.Active())
                fn(*v);
            ModesChanged(ctx);
        });
    };
    on(C::SampleColor, [](CDaubrixView& v) { ViewCommands::ToggleSampleColor(v); });
    on(C::SampleShape, [](CDaubrixView& v) { ViewCommands::ToggleSampleShape(v); });
    on(C::BackgroundColor, [&ctx](CDaubrixView& v) { ViewCommands::SetBackgroundColor(v, ChosenColor(ctx)); });
    on(C::ClearDrawing, [&ctx](CDaubrixView& v) {
        if (ViewCommands::Clear(v))
            ctx.ReloadHistory();
    });
    on(C::DrawingInfo, [&f](CDaubrixView& v) { CDrawingInfoDialog(DescribeDrawing(v), &f).exec(); });
    QObject::connect(f.Action(C::TipOfTheDay), &QAction::triggered, &f, [&ctx] {
        CTipOfTheDay tips(ctx.frame.Profile(), ctx.app.Host(), ctx.app.ProgramDir());
        CTipDialog(tips, &ctx.frame).exec();
    });
    f.Action(C::TipOfTheDay)->setEnabled(true);
}

void CViewCommandsMenu::Update(CMenuContext& ctx)
{
    CMainFrame& f = ctx.frame;
    const CDaubrixView* v = ctx.Active();
    const bool shown = v && v->ShownCount() > 0;
    const CDrawingModes& m = ctx.app.Modes();
    f.Action(C::SampleColor)->setEnabled(shown);
    f.Action(C::SampleColor)->setChecked(m.IsOn(CDrawingModes::kSampleColor));
    f.Action(C::SampleShape)->setEnabled(shown);
    f.Action(C::SampleShape)->setChecked(m.IsOn(CDrawingModes::kSampleShape));
    f.Action(C::ClearDrawing)->setEnabled(shown && !v->ButtonHeld());
    f.Action(C::BackgroundColor)->setEnabled(v != nullptr);
    f.Action(C::DrawingInfo)->setEnabled(v != nullptr);
}
