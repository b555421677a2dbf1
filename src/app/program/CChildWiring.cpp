#include "app/program/CChildWiring.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CToolWindows.h"
#include "app/program/ViewCommandWiring.h"
#include "app/view/CDrawingWidget.h"
#include "app/windows/CColorsWindow.h"
#include "app/windows/CShapesWindow.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"

CChildWiring::CChildWiring(CMainFrame& frame, CDaubrixApp& app, CToolWindows& tools)
    : m_frame(frame), m_app(app), m_tools(tools)
{
}

void CChildWiring::Wire(CChildFrame& child)
{
    CDrawingWidget& widget = child.DrawingWidget();
    QObject::connect(&widget, &CDrawingWidget::historyChanged, &m_frame, [this] { m_tools.ReloadHistory(); });
    QObject::connect(&widget, &CDrawingWidget::colorShown, &m_frame, [this](HsvColor c) {
        if (m_tools.Colors())
            m_tools.Colors()->SetCurrentColor(c);
    });
    QObject::connect(&widget, &CDrawingWidget::strokeEnded, &m_frame, [this] {
        const CAutoColorSettings& a = m_app.AutoColor();
        if (m_tools.Colors() && (a.m_autoHue || a.m_autoSat || a.m_autoVal))
            m_tools.Colors()->AddCurrentToHistory();
        if (m_tools.Shapes())
            m_tools.Shapes()->InvalidateShapes();
        m_frame.UpdateCommands();
    });
    // A stroke's release or a Move Center click leaves an undo step and may end a mode: the
    // toolbar shows that at once, not only when a menu opens.
    QObject::connect(&widget, &CDrawingWidget::commandsChanged, &m_frame, [this] { m_frame.UpdateCommands(); });
    WireViewCommands(m_frame, m_tools, child);
    widget.UpdateCursor();
    m_tools.ReloadHistory();
}
