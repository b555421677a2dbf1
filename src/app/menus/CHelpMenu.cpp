#include "app/menus/CHelpMenu.h"
#include "app/menus/CMenuContext.h"
#include "app/dialogs/CAboutDialog.h"
#include "app/shell/CMainFrame.h"
#include <QAction>
#include <QMessageBox>
#include <QWhatsThis>

using C = CommandId;

namespace {
void ShowHelp(QWidget* parent)
{
    QMessageBox::information(
        parent, "Daubrix Help",
        "Drag the pointer in a drawing to stamp globs of the current shape.\n\n"
        "Pick shapes in the Glob Shapes window (Ctrl+1) and colors in the Colors window (Ctrl+2); "
        "move back and forth through the drawing with the Drawing History window (Ctrl+3).\n\n"
        "The Drawing menu holds the drawing modes: Lines, Jitter, Skipping, the mirrors and Polar Mirror. "
        "Hold Ctrl when choosing a mode to switch it without its dialog.\n\n"
        "Ctrl+F enters and leaves full screen.");
}
} // namespace

void CHelpMenu::Install(CMenuContext& ctx)
{
    CMainFrame& f = ctx.frame;
    auto on = [&f](C id, auto fn) {
        QObject::connect(f.Action(id), &QAction::triggered, &f, fn);
        f.Action(id)->setEnabled(true);
    };
    on(C::HelpTopics, [&f] { ShowHelp(&f); });
    on(C::HelpIndex, [&f] { ShowHelp(&f); });
    on(C::ContextHelp, [] { QWhatsThis::enterWhatsThisMode(); });
    on(C::About, [&f] { CAboutDialog(&f).exec(); });
}
