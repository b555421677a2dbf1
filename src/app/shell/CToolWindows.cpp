#include "app/shell/CToolWindows.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/view/CDrawingWidget.h"
#include "app/windows/CColorsWindow.h"
#include "app/windows/CColorsWindowLink.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include "app/windows/CShapesWindow.h"
#include "core/shell/CDaubrixApp.h"
#include "core/shell/ProgramFolder.h"

CToolWindows::CToolWindows(CMainFrame& frame, CDaubrixApp& app) : m_frame(frame)
{
    auto active = [&frame] { return frame.ActiveView(); };

    m_colors = new CColorsWindow(app, AutomaticFilePath(kLastColorHistoryFile), &frame);
    m_colors->Panel().m_activeView = active;
    m_colors->Panel().m_shapeColorChanged = [this] { ShapeChanged(); };
    m_colors->m_onClosed = [&frame] { frame.UpdateCommands(); };
    frame.SetToolWindow(CMainFrame::ColorsWindow, m_colors);

    m_history = new CDrawingHistoryWindow(&frame);
    m_history->m_activeView = active;
    m_history->m_shapesChanged = [this] { ShapeChanged(); };
    m_history->m_moved = [&frame] { frame.UpdateCommands(); };
    m_history->m_playbackSeconds = [&app] { return app.Shell().m_playbackSeconds; };
    m_history->m_onClosed = [this] {
        m_frame.RepaintViewsUnder(m_history->frameGeometry());
        m_frame.UpdateCommands();
    };
    frame.SetToolWindow(CMainFrame::HistoryWindow, m_history);

    m_link = std::make_unique<CColorsWindowLink>(*m_colors);
    m_shapes = new CShapesWindow(app, *m_link, AutomaticFilePath(kLastShapeStateFile), &frame);
    m_shapes->m_keyTarget = [&frame]() -> QWidget* {
        CChildFrame* c = frame.ActiveChild();
        return c ? &c->DrawingWidget() : nullptr;
    };
    m_shapes->m_shapeChosen = [this] { UpdateCursors(); };
    QObject::connect(m_shapes, &CShapesWindow::closedByUser, &frame, [&frame] { frame.UpdateCommands(); });
    frame.SetToolWindow(CMainFrame::ShapesWindow, m_shapes);
    // The palette's current shape is the colour the Colors window starts from.
    if (app.ShapeTable().Count() > 0) {
        const CShape& s = app.CurrentShape();
        m_colors->SetCurrentColor(HsvColor{s.m_hue, s.m_saturation, s.m_value});
    }
}

CToolWindows::~CToolWindows()
{
    // The palette reads the Colors window through the link; let it go first. Both write their
    // automatic files as they go.
    delete m_shapes;
    m_shapes = nullptr;
    m_link.reset();
    // The other two outlive this object as the frame's children.
    if (m_colors)
        m_colors->Panel().m_shapeColorChanged = nullptr;
    if (m_history) {
        m_history->m_shapesChanged = nullptr;
        m_history->m_moved = nullptr;
        m_history->m_onClosed = nullptr;
    }
}

void CToolWindows::ReloadHistory() const
{
    if (m_history)
        m_history->Reload();
}

void CToolWindows::ShapeChanged() const
{
    if (m_shapes)
        m_shapes->InvalidateShapes();
    UpdateCursors();
}

void CToolWindows::UpdateCursors() const
{
    for (CChildFrame* c : m_frame.Children())
        c->DrawingWidget().UpdateCursor();
}
