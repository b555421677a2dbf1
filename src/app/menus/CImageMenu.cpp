#include "app/menus/CImageMenu.h"
#include "app/menus/CMenuContext.h"
#include "app/dialogs/CQtImageDialogs.h"
#include "app/dialogs/CQtImportDialogs.h"
#include "app/dialogs/CQtMovieDialogs.h"
#include "app/print/CPrintCommands.h"
#include "app/shell/CMainFrame.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/movie/MovieCommand.h"
#include "core/commands/ImageCommands.h"
#include "core/commands/ImageImport.h"
#include <QAction>

using C = CommandId;

void CImageMenu::Install(CMenuContext& ctx)
{
    auto on = [&ctx](C id, auto fn) { QObject::connect(ctx.frame.Action(id), &QAction::triggered, &ctx.frame, fn); };
    on(C::SaveImage, [&ctx] {
        if (CDaubrixView* v = ctx.Active()) {
            CQtImageDialogs d(&ctx.frame);
            SaveImageCommand(ctx.app.Host(), ctx.app.Imaging(), *v, d);
        }
    });
    on(C::ImportImage, [&ctx] {
        if (CDaubrixView* v = ctx.Active()) {
            CQtImportDialogs d(&ctx.frame);
            ImportImageCommand(ctx.app, *v, d);
        }
        ctx.frame.UpdateCommands();
    });
    on(C::LoadBackground, [&ctx] {
        if (CDaubrixView* v = ctx.Active()) {
            CQtImageDialogs d(&ctx.frame);
            LoadBackgroundCommand(ctx.app.Host(), ctx.app.Imaging(), *v, d);
        }
    });
    on(C::CreateMovie, [&ctx] {
        if (CDaubrixView* v = ctx.Active()) {
            CQtMovieDialogs d(&ctx.frame);
            CreateMovieCommand(ctx.app.Host(), ctx.app.Imaging(), ctx.app.Movie(), *v, d);
        }
    });
    on(C::PrintSize, [&ctx] {
        if (CDaubrixView* v = ctx.Active())
            ctx.print->SizeWhenPrinted(*v, &ctx.frame);
        ctx.frame.UpdateCommands();
    });
    on(C::RemoveBackground, [&ctx] {
        if (CDaubrixView* v = ctx.Active())
            RemoveBackgroundCommand(*v);
    });
}

void CImageMenu::Update(CMenuContext& ctx)
{
    CDaubrixView* v = ctx.Active();
    const bool view = v != nullptr;
    const bool background = view && v->Doc().HasBackgroundImage();
    CMainFrame& f = ctx.frame;
    f.Action(C::SaveImage)->setEnabled(view);
    f.Action(C::ImportImage)->setEnabled(view && !v->ButtonHeld());
    f.Action(C::PrintSize)->setEnabled(view);
    f.Action(C::CreateMovie)->setEnabled(view && v->ShownCount() > 0);
    f.Action(C::LoadBackground)->setEnabled(view && !ctx.app.Imaging().m_lowColor);
    f.Action(C::LoadBackground)->setChecked(background);
    f.Action(C::RemoveBackground)->setEnabled(background);
}
