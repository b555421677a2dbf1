#include "app/menus/CEditMenu.h"
#include "app/dialogs/CPreferencesDialog.h"
#include "app/dialogs/EditDialogs.h"
#include "app/shell/CChildFrame.h"
#include "app/menus/CMenuContext.h"
#include "app/shell/CMainFrame.h"
#include "core/model/UndoKind.h"
#include "core/shell/CDaubrixApp.h"
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
// Undo or Redo on the active drawing.
void ConnectHistory(CMenuContext& ctx, C id, void (CViewHistory::*step)())
{
    QObject::connect(ctx.frame.Action(id), &QAction::triggered, &ctx.frame, [&ctx, step] {
        if (CDaubrixView* v = ctx.Active()) {
            (v->History().*step)();
            ctx.ReloadHistory();
            ctx.ShapeChanged();
        }
        ctx.frame.UpdateCommands();
    });
}
} // namespace

void CEditMenu::Install(CMenuContext& ctx)
{
    ConnectHistory(ctx, C::EditUndo, &CViewHistory::Undo);
    ConnectHistory(ctx, C::EditRedo, &CViewHistory::Redo);
    QObject::connect(ctx.frame.Action(C::Preferences), &QAction::triggered, &ctx.frame, [&ctx] {
        CPreferencesDialog dialog(ctx.app.Shell(), &ctx.frame);
        if (dialog.exec() != QDialog::Accepted)
            return;
        dialog.Store(ctx.app.Shell());
        // Every open drawing keeps as many steps from now on.
        for (CChildFrame* child : ctx.frame.Children())
            child->View().Doc().Undo().SetLevels(ctx.app.Shell().m_undoLevels);
        emit ctx.frame.preferencesChanged();
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
    const UndoMenuState redo = v ? v->History().RedoMenuState() : RedoMenuFor(kUndoNone);
    ctx.frame.SetRedoText(QString::fromUtf8(redo.text).section('\t', 0, 0), v && redo.enabled,
                          ctx.app.Shell().m_undoLevels > 1);
    ctx.frame.Action(C::Preferences)->setEnabled(true);
    const bool shown = v && v->Edits().HasShownGlobs();
    for (C id : {C::EditCopy, C::EditCut, C::DefinePattern})
        ctx.frame.Action(id)->setEnabled(shown);
    ctx.frame.Action(C::EditCut)->setEnabled(shown && !v->ButtonHeld());
    ctx.frame.Action(C::EditPaste)->setEnabled(v && v->Edits().CanPaste());
}
