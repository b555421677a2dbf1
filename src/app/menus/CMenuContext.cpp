#include "app/menus/CMenuContext.h"
#include "app/menus/CColorsMenu.h"
#include "app/menus/CDrawingMenu.h"
#include "app/menus/CEditMenu.h"
#include "app/menus/CFileMenu.h"
#include "app/menus/CHelpMenu.h"
#include "app/menus/CImageMenu.h"
#include "app/menus/CViewCommandsMenu.h"
#include "app/menus/CViewMenu.h"
#include "app/menus/CWindowMenu.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CToolWindows.h"
#include "app/print/CPrintCommands.h"
#include "core/shell/CDaubrixApp.h"
#include <QGuiApplication>

CDaubrixView* CMenuContext::Active() const
{
    return frame.ActiveView();
}

bool CMenuContext::Ctrl()
{
    return QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
}

void CMenuContext::ReloadHistory() const
{
    if (tools)
        tools->ReloadHistory();
}

void CMenuContext::ShapeChanged() const
{
    if (tools)
        tools->ShapeChanged();
}

namespace {
// Holds the frame's menu context as one of the frame's children, so it goes with the frame.
class CMenuHolder : public QObject {
public:
    CMenuHolder(CMainFrame& frame, CDaubrixApp& app) : QObject(&frame), m_ctx{frame, app, nullptr, nullptr}
    {
        setObjectName(kName);
    }
    static constexpr const char* kName = "daubrix-menus";
    CMenuContext m_ctx;
};
} // namespace

CMenuContext* MenusOf(const CMainFrame& frame)
{
    QObject* holder = frame.findChild<QObject*>(CMenuHolder::kName, Qt::FindDirectChildrenOnly);
    return holder ? &static_cast<CMenuHolder*>(holder)->m_ctx : nullptr;
}

CMenuContext& InstallMenus(CMainFrame& frame, CDaubrixApp& app)
{
    auto* holder = new CMenuHolder(frame, app);
    CMenuContext& ctx = holder->m_ctx;
    ctx.print = std::make_shared<CPrintCommands>(app.Host());
    CFileMenu::Install(ctx);
    CEditMenu::Install(ctx);
    CViewMenu::Install(ctx);
    CDrawingMenu::Install(ctx);
    CColorsMenu::Install(ctx);
    CImageMenu::Install(ctx);
    CWindowMenu::Install(ctx);
    CHelpMenu::Install(ctx);
    CViewCommandsMenu::Install(ctx);
    frame.AddCommandUpdater([&ctx] { UpdateMenus(ctx); });
    UpdateMenus(ctx);
    return ctx;
}

void UpdateMenus(CMenuContext& ctx)
{
    CFileMenu::Update(ctx);
    CEditMenu::Update(ctx);
    CViewMenu::Update(ctx);
    CDrawingMenu::Update(ctx);
    CColorsMenu::Update(ctx);
    CImageMenu::Update(ctx);
    CWindowMenu::Update(ctx);
    CViewCommandsMenu::Update(ctx);
}
