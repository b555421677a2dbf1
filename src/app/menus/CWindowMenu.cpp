#include "app/menus/CWindowMenu.h"
#include "app/menus/CMenuContext.h"
#include "app/shell/CMainFrame.h"
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

using C = CommandId;

namespace {
void ArrangeIcons(QMdiArea* mdi)
{
    // Minimized drawings line up along the bottom of the workspace, left to right.
    QRect area = mdi->viewport()->rect();
    int x = 0, y = area.bottom();
    for (QMdiSubWindow* w : mdi->subWindowList())
        if (w->isMinimized()) {
            if (x > 0 && x + w->width() > area.width()) {
                x = 0;
                y -= w->height();
            }
            w->move(x, y - w->height() + 1);
            x += w->width();
        }
}

void FillWindowMenu(QMenu* menu, QMdiArea* mdi)
{
    // The open drawings follow the arrange commands, the active one checked.
    for (QAction* a : menu->actions())
        if (a->property("dbxWindowEntry").toBool())
            delete a;
    const QList<QMdiSubWindow*> windows = mdi->subWindowList();
    if (windows.isEmpty())
        return;
    menu->addSeparator()->setProperty("dbxWindowEntry", true);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        QAction* a = menu->addAction(QString("&%1 %2").arg(i + 1).arg(w->windowTitle()));
        a->setProperty("dbxWindowEntry", true);
        a->setCheckable(true);
        a->setChecked(w == mdi->activeSubWindow());
        QObject::connect(a, &QAction::triggered, mdi, [mdi, w] { mdi->setActiveSubWindow(w); });
    }
}
} // namespace

void CWindowMenu::Install(CMenuContext& ctx)
{
    CMainFrame& f = ctx.frame;
    QMdiArea* mdi = f.Workspace();
    QObject::connect(f.Action(C::WindowCascade), &QAction::triggered, mdi, &QMdiArea::cascadeSubWindows);
    QObject::connect(f.Action(C::WindowTile), &QAction::triggered, mdi, &QMdiArea::tileSubWindows);
    QObject::connect(f.Action(C::WindowArrange), &QAction::triggered, mdi, [mdi] { ArrangeIcons(mdi); });
    QMenu* menu = f.WindowMenu();
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, mdi] { FillWindowMenu(menu, mdi); });
}

void CWindowMenu::Update(CMenuContext& ctx)
{
    const bool any = !ctx.frame.Workspace()->subWindowList().isEmpty();
    for (C id : {C::WindowCascade, C::WindowTile, C::WindowArrange})
        ctx.frame.Action(id)->setEnabled(any);
}
