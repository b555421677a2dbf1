// The frame's three tool-window slots: placement, visibility and its remembered settings.
#include "app/shell/CMainFrame.h"
#include "core/shell/CDaubrixApp.h"
#include <QEvent>

void CMainFrame::CreateToolWindowSlots()
{
    const char* titles[3] = {"Glob Shapes", "Colors", "Drawing History"};
    const QSize sizes[3] = {{100, 130}, {155, 110}, {240, 36}};
    for (int i = 0; i < 3; ++i) {
        // An empty window of the right title and size, so a frame alone can already show,
        // hide and place its tool windows.
        auto* w = new QWidget(this, Qt::Tool);
        w->setWindowTitle(titles[i]);
        w->resize(sizes[i]);
        SetToolWindow(i, w);
    }
}

void CMainFrame::SetToolWindow(int which, QWidget* window)
{
    QWidget*& slot = m_toolWindows[static_cast<size_t>(which)];
    bool wasShown = slot && !slot->isHidden();
    if (slot && slot != window) {
        slot->removeEventFilter(this);
        slot->deleteLater();
    }
    slot = window;
    if (window->parentWidget() != this)
        window->setParent(this, window->windowFlags() | Qt::Tool);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->installEventFilter(this);
    PlaceToolWindow(which);
    if (wasShown)
        window->show();
}

namespace {
// What the window manager's frame adds to a window (nothing until it has framed it).
QSize FrameExtra(const QWidget& w)
{
    return w.frameGeometry().size() - w.size();
}
} // namespace

// Shapes keeps its whole rectangle, frame included, so it ends where the Colors window below it
// begins; Colors and Drawing History keep only their top-left corner.
void CMainFrame::PlaceToolWindow(int which)
{
    QWidget* w = m_toolWindows[static_cast<size_t>(which)];
    const CWindowPlacement& p = ToolPlacement(which);
    if (which == ShapesWindow && p.x2 > p.x1 && p.y2 > p.y1)
        w->resize(QSize(p.x2 - p.x1, p.y2 - p.y1) - FrameExtra(*w));
    w->move(p.x1, p.y1);
}

// The first time the window manager frames the Shapes window, the frame comes off its size.
void CMainFrame::FitShapesToFrame()
{
    QWidget* w = m_toolWindows[ShapesWindow];
    const CWindowPlacement& p = m_app.Shell().m_shapesWindow;
    const QSize stored(p.x2 - p.x1, p.y2 - p.y1);
    if (w && !FrameExtra(*w).isNull() && w->size() == stored)
        PlaceToolWindow(ShapesWindow);
}

void CMainFrame::RecordToolWindow(int which)
{
    QWidget* w = m_toolWindows[static_cast<size_t>(which)];
    CWindowPlacement& p = ToolPlacement(which);
    QPoint pos = w->pos();
    p.x1 = pos.x();
    p.y1 = pos.y();
    p.showCmd = CWindowPlacement::kShowNormal;
    if (which == ShapesWindow) {
        p.x2 = pos.x() + w->frameGeometry().width();
        p.y2 = pos.y() + w->frameGeometry().height();
    }
}

void CMainFrame::RaiseToolWindows()
{
    for (QWidget* w : m_toolWindows)
        if (w && w->isVisible())
            w->raise();
}

CWindowPlacement& CMainFrame::ToolPlacement(int which)
{
    CShellSettings& s = m_app.Shell();
    return which == ShapesWindow ? s.m_shapesWindow : which == ColorsWindow ? s.m_colorsWindow : s.m_undoSlider;
}

int32_t& CMainFrame::ShownSetting(int which)
{
    return ToolPlacement(which).shown;
}

void CMainFrame::ToggleToolWindow(int which)
{
    SetToolWindowVisible(which, !IsToolWindowVisible(which));
    ShownSetting(which) = IsToolWindowVisible(which) ? 1 : 0;
    UpdateCommands();
}

bool CMainFrame::IsToolWindowVisible(int i) const
{
    return !m_toolWindows[static_cast<size_t>(i)]->isHidden();
}

void CMainFrame::SetToolWindowVisible(int i, bool visible)
{
    QWidget* w = m_toolWindows[static_cast<size_t>(i)];
    if (visible) {
        PlaceToolWindow(i);
        w->show();
        w->raise();
        ShownSetting(i) = 1;
    } else {
        RecordToolWindow(i);
        QRect covered = w->frameGeometry();
        w->hide();
        RepaintViewsUnder(covered);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* e)
{
    if ((e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::KeyRelease) && !m_commandsQueued) {
        m_commandsQueued = true;
        QMetaObject::invokeMethod(this, [this] {
            m_commandsQueued = false;
            UpdateCommands();
        }, Qt::QueuedConnection);
    }
    if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && watched == m_toolWindows[ShapesWindow])
        FitShapesToFrame();
    if (e->type() == QEvent::Close)
        for (int i = 0; i < 3; ++i)
            if (watched == m_toolWindows[static_cast<size_t>(i)]) {
                RecordToolWindow(i);
                ShownSetting(i) = 0;
                QMetaObject::invokeMethod(this, &CMainFrame::UpdateCommands, Qt::QueuedConnection);
            }
    return QMainWindow::eventFilter(watched, e);
}
