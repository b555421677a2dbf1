#include "app/menus/CViewMenu.h"
#include "app/menus/CMenuContext.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/view/CDrawingWidget.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include <QAction>
#include <QStatusBar>
#include <QToolBar>

using C = CommandId;

void CViewMenu::Install(CMenuContext& ctx)
{
    CMainFrame& f = ctx.frame;
    auto on = [&f](C id, auto fn) {
        QObject::connect(f.Action(id), &QAction::triggered, &f, fn);
        f.Action(id)->setEnabled(true);
    };
    on(C::ViewToolbar, [&f] { f.SetBarVisible(0, f.Toolbar(0)->isHidden()); });
    on(C::ViewToolbar2, [&f] { f.SetBarVisible(1, f.Toolbar(1)->isHidden()); });
    on(C::ViewStatusBar, [&f] { f.SetBarVisible(2, f.statusBar()->isHidden()); });
    on(C::ViewShapesWindow, [&f] { f.ToggleToolWindow(CMainFrame::ShapesWindow); });
    on(C::ViewColorsWindow, [&f] { f.ToggleToolWindow(CMainFrame::ColorsWindow); });
    on(C::ViewHistoryWindow, [&f] { f.ToggleToolWindow(CMainFrame::HistoryWindow); });
    on(C::FullScreen, [&f] { f.FullScreenCommand(); });
    on(C::MoveCenter, [&f] {
        if (CChildFrame* c = f.ActiveChild()) {
            c->View().Stroke().ToggleMoveCenter();
            c->DrawingWidget().UpdateCursor();
        }
        f.UpdateCommands();
    });
    on(C::ResetCenter, [&ctx] {
        if (CDaubrixView* v = ctx.Active())
            v->Stroke().ResetCenter();
    });
    on(C::Regenerate, [&ctx] {
        if (CDaubrixView* v = ctx.Active())
            v->Regenerate();
    });
}

void CViewMenu::Update(CMenuContext& ctx)
{
    CMainFrame& f = ctx.frame;
    const bool view = ctx.Active() != nullptr;
    f.Action(C::ViewToolbar)->setChecked(!f.Toolbar(0)->isHidden());
    f.Action(C::ViewToolbar2)->setChecked(!f.Toolbar(1)->isHidden());
    f.Action(C::ViewStatusBar)->setChecked(!f.statusBar()->isHidden());
    f.Action(C::ViewShapesWindow)->setChecked(f.IsToolWindowVisible(CMainFrame::ShapesWindow));
    f.Action(C::ViewColorsWindow)->setChecked(f.IsToolWindowVisible(CMainFrame::ColorsWindow));
    f.Action(C::ViewHistoryWindow)->setChecked(f.IsToolWindowVisible(CMainFrame::HistoryWindow));
    f.Action(C::FullScreen)->setChecked(f.FullScreenState().IsFullScreen());
    f.Action(C::MoveCenter)->setEnabled(view);
    f.Action(C::MoveCenter)->setChecked(view && ctx.app.Modes().IsOn(CDrawingModes::kMoveCenter));
    f.Action(C::ResetCenter)->setEnabled(view);
    f.Action(C::Regenerate)->setEnabled(view);
}
