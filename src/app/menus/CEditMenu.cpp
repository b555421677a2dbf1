#include "app/menus/CEditMenu.h"
#include "app/dialogs/EditDialogs.h"
#include "app/menus/CMenuContext.h"
#include "app/shell/CMainFrame.h"
#include "core/model/UndoKind.h"
#include "core/view/CDaubrixView.h"
#include "core/view/edit/CGlobEdits.h"
#include <QAction>
#include <functional>

using C = CommandId;

namespace {
using EditCommand = bool (*)(QWidget*, CDaubrixApp&, CDaubrixView*);

// A command that may change the drawing: the history slider, the shapes and the menu states
// follow it.
void ConnectEdit(CMenuContext& ctx, C id, EditCommand command)
{
    QObject::connect(ctx.frame.Action(id), &QAction::triggered, &ctx.frame, [&ctx, command] {
        if (command(&ctx.frame, ctx.app, ctx.Active())) {
            ctx.ReloadHistory();
            ctx.ShapeChanged();
        }
        ctx.frame.UpdateCommands();
    });
}
} // namespace

void CEditMenu::Install(CMenuContext& ctx)
{
    QObject::connect(ctx.frame.Action(C::EditUndo), &QAction::triggered, &ctx.frame, [&ctx] {
        if (CDaubrixView* v = ctx.Active()) {
            v->History().Undo();
            ctx.ReloadHistory();
            ctx.ShapeChanged();
        }
        ctx.frame.UpdateCommands();
    });
    ConnectEdit(ctx, C::EditCopy, EditDialogs::CopyCommand);
    ConnectEdit(ctx, C::EditCut, EditDialogs::CutCommand);
    ConnectEdit(ctx, C::EditPaste, EditDialogs::PasteCommand);
    ConnectEdit(ctx, C::DefinePattern, EditDialogs::DefinePatternCommand);
}

void CEditMenu::Update(CMenuContext& ctx)
{
    CDaubrixView* v = ctx.Active();
    UndoMenuState st = v ? v->History().MenuState() : UndoMenuFor(kUndoNone);
    QString text = QString::fromUtf8(st.text).section('\t', 0, 0);
    ctx.frame.SetUndoText(text, v && st.enabled);
    const bool shown = v && v->Edits().HasShownGlobs();
    for (C id : {C::EditCopy, C::EditCut, C::DefinePattern})
        ctx.frame.Action(id)->setEnabled(shown);
    ctx.frame.Action(C::EditCut)->setEnabled(shown && !v->ButtonHeld());
    ctx.frame.Action(C::EditPaste)->setEnabled(v && v->Edits().CanPaste());
}
