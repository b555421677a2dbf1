#include "app/program/CFeatureWiring.h"
#include "app/menus/CMenuContext.h"
#include "app/program/CChildWiring.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CToolWindows.h"
#include <QMdiArea>
#include <QMdiSubWindow>

CFeatureWiring::CFeatureWiring(CMainFrame& frame, CDaubrixApp& app)
    : QObject(&frame), m_frame(frame), m_tools(std::make_unique<CToolWindows>(frame, app)),
      m_children(std::make_unique<CChildWiring>(frame, app, *m_tools))
{
    CMenuContext* menus = MenusOf(frame);
    (menus ? *menus : InstallMenus(frame, app)).tools = m_tools.get();
    frame.m_childCreated = [this](CChildFrame& child) { m_children->Wire(child); };
    // Another drawing coming to the front brings its history into the slider.
    connect(frame.Workspace(), &QMdiArea::subWindowActivated, this, [this] { m_tools->ReloadHistory(); });
}

// A child of the frame, deleted after the frame's own members: nothing of the frame is touched.
CFeatureWiring::~CFeatureWiring() = default;

CColorsWindow* CFeatureWiring::ColorsWindow() const
{
    return m_tools->Colors();
}

CShapesWindow* CFeatureWiring::ShapesWindow() const
{
    return m_tools->Shapes();
}

CDrawingHistoryWindow* CFeatureWiring::HistoryWindow() const
{
    return m_tools->History();
}
