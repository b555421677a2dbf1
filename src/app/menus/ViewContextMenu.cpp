#include "app/menus/ViewContextMenu.h"
#include "app/shell/CMainFrame.h"
#include "app/view/CDrawingWidget.h"
#include <QAction>
#include <QMenu>

void ShowViewContextMenu(CMainFrame& frame, CDrawingWidget& widget, QPoint globalPos)
{
    using C = CommandId;
    frame.UpdateCommands();
    QMenu menu(&widget);
    menu.setObjectName("drawingMenu");
    const std::pair<C, const char*> items[] = {
        {C::SaveImage, "&Save Image"},
        {C::Regenerate, "&Regenerate\tCtrl+R"},
        {C::ClearDrawing, "&Clear\tCtrl+W"},
        {C::BackgroundColor, "&Background Color"},
        {C::LoadBackground, "&Load background"},
        {C::RemoveBackground, "R&emove background"},
    };
    for (const auto& [id, text] : items) {
        QAction* command = frame.Action(id);
        QAction* item = menu.addAction(text);
        item->setEnabled(command->isEnabled());
        item->setCheckable(command->isCheckable());
        item->setChecked(command->isChecked());
        item->setData(static_cast<int>(id));
    }
    // The command runs once the menu is gone, as it would from the menu bar.
    if (QAction* chosen = widget.RunContextMenu(menu, globalPos))
        frame.Action(static_cast<C>(chosen->data().toInt()))->trigger();
}
