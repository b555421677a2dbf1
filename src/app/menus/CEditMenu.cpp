#include "app/menus/CEditMenu.h"
#include "app/menus/CMenuContext.h"
#include "app/shell/CMainFrame.h"
#include "core/model/UndoKind.h"
#include "core/view/CDaubrixView.h"
#include <QAction>

using C = CommandId;

void CEditMenu::Install(CMenuContext& ctx)
{
    QObject::connect(ctx.frame.Action(C::EditUndo), &QAction::triggered, &ctx.frame, [&ctx] {
        if (CDaubrixView* v = ctx.Active()) {
            v->History().Undo();
            ctx.ReloadHistory();
        }
        ctx.frame.UpdateCommands();
    });
}

void CEditMenu::Update(CMenuContext& ctx)
{
    CDaubrixView* v = ctx.Active();
    UndoMenuState st = v ? v->History().MenuState() : UndoMenuFor(kUndoNone);
    QString text = QString::fromUtf8(st.text).section('\t', 0, 0);
    ctx.frame.SetUndoText(text, v && st.enabled);
}
