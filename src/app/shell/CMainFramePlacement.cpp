// Where the frame and its tool windows stand: the first start, stored placements brought back
// on screen, the normal rectangle kept through maximized and full-screen runs.
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CWindowLayout.h"
#include "core/shapes/CPaletteLayout.h"
#include "core/shell/CDaubrixApp.h"
#include "core/base/IProfile.h"
#include <QApplication>
#include <QMdiArea>
#include <QScreen>
#include <QStyle>

namespace {
constexpr int kGap = 6;

QList<QRect> AvailableScreens()
{
    QList<QRect> out;
    for (QScreen* s : QGuiApplication::screens())
        out << s->availableGeometry();
    return out;
}

QRect PrimaryArea()
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}
} // namespace

bool CMainFrame::Framed() const
{
    return frameGeometry().size() != geometry().size();
}

// Until the window manager has framed the windows their title bars are a guess.
int CMainFrame::TitleBarHeight() const
{
    if (Framed())
        return geometry().top() - frameGeometry().top();
    return style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 4;
}

QSize CMainFrame::ToolFrameExtra(const QWidget& w) const
{
    const QSize known = w.frameGeometry().size() - w.size();
    if (!known.isNull())
        return known;
    const int border = Framed() ? geometry().left() - frameGeometry().left() : 1;
    return QSize(2 * border, TitleBarHeight() + border);
}

// Outer position (with the frame) and client size: what move() and resize() take back.
QRect CMainFrame::NormalPlacement() const
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return m_normalRect;
    return QRect(pos(), size());
}

// Qt's own normal geometry of a window that started maximized is where it was asked to go,
// not where its frame stood, so every run would move it up by the title bar. The rectangle is
// kept here instead, from the moves and sizes the window had while it was neither maximized
// nor full screen.
void CMainFrame::FollowNormalRect()
{
    if (!isVisible() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        return;
    // On the way to maximized the window manager may report the new size first.
    const QRect area = screen() ? screen()->availableGeometry() : PrimaryArea();
    if (frameGeometry().width() >= area.width() && frameGeometry().height() >= area.height())
        return;
    m_normalRect = QRect(pos(), size());
}

void CMainFrame::EnterFullScreenWindow()
{
    m_savedMaximized = isMaximized();
    m_savedGeometry = NormalPlacement();
    showFullScreen();
}

void CMainFrame::LeaveFullScreenWindow()
{
    if (m_savedMaximized) {
        showMaximized();
        return;
    }
    showNormal();
    move(m_savedGeometry.topLeft());
    resize(m_savedGeometry.size());
}

void CMainFrame::ShowAtStoredPlacement()
{
    CWindowPlacement& p = m_app.Shell().m_appWindow;
    const QSize client(std::max(100, p.x2 - p.x1), std::max(100, p.y2 - p.y1));
    const int title = TitleBarHeight();
    const QRect outer(QPoint(p.x1, p.y1), client + QSize(0, title));
    const QPoint at = CWindowLayout::OnScreen(outer, AvailableScreens(), title).topLeft();
    p.x1 = at.x();
    p.y1 = at.y();
    p.x2 = at.x() + client.width();
    p.y2 = at.y() + client.height();
    m_normalRect = QRect(at, client);
    for (int i = 0; i < 3; ++i)
        BringToolWindowOnScreen(i);
    move(at);
    resize(client);
    if (p.showCmd == CWindowPlacement::kShowMaximized)
        showMaximized();
    else
        show();
}

void CMainFrame::ShowAtFirstStart(std::array<bool, 3> unplacedTools)
{
    const QRect outer = CWindowLayout::FirstMainWindow(PrimaryArea());
    const int title = TitleBarHeight();
    const int border = 1;
    CWindowPlacement& p = m_app.Shell().m_appWindow;
    p.showCmd = CWindowPlacement::kShowNormal;
    p.x1 = outer.left();
    p.y1 = outer.top();
    p.x2 = outer.right() + 1 - 2 * border;
    p.y2 = outer.bottom() + 1 - title - border;
    m_stackTools = unplacedTools;
    ShowAtStoredPlacement();
}

// Shapes, Colors and Drawing History one below the other along the workspace's left edge,
// the palette wide enough for its title and tall enough for every shown shape.
void CMainFrame::StackToolWindows()
{
    if (m_stackTools == std::array<bool, 3>{})
        return;
    QWidget* shapes = m_toolWindows[ShapesWindow];
    if (m_stackTools[ShapesWindow]) {
        int shown = 0;
        for (int i = 0; i < m_app.ShapeTable().Count(); ++i)
            shown += m_app.ShapeTable().Shape(i).m_shown ? 1 : 0;
        const int width = 5 * CPaletteLayout::kCellSize;
        const int rows = std::clamp(CPaletteLayout::RowsFor(std::max(1, shown), width), 2, 6);
        shapes->resize(width, rows * CPaletteLayout::kCellSize);
    }
    QPoint start = m_mdi->mapToGlobal(QPoint(0, 0)) + QPoint(kGap, kGap);
    if (!Framed())
        start.ry() += TitleBarHeight();
    QList<QSize> outer;
    for (QWidget* w : m_toolWindows)
        outer << w->size() + ToolFrameExtra(*w);
    const QList<QPoint> at = CWindowLayout::Stack(start, outer, kGap);
    for (int i = 0; i < 3; ++i) {
        if (!m_stackTools[static_cast<size_t>(i)])
            continue;
        CWindowPlacement& p = ToolPlacement(i);
        p.x1 = at[i].x();
        p.y1 = at[i].y();
        if (i == ShapesWindow) {
            p.x2 = p.x1 + outer[i].width();
            p.y2 = p.y1 + outer[i].height();
        }
    }
    m_stackTools = {};
}

void CMainFrame::BringToolWindowOnScreen(int which)
{
    QWidget* w = m_toolWindows[static_cast<size_t>(which)];
    CWindowPlacement& p = ToolPlacement(which);
    const QSize size = which == ShapesWindow ? QSize(p.x2 - p.x1, p.y2 - p.y1) : w->size() + ToolFrameExtra(*w);
    const QRect moved = CWindowLayout::OnScreen(QRect(QPoint(p.x1, p.y1), size), AvailableScreens(), TitleBarHeight());
    const QPoint d = moved.topLeft() - QPoint(p.x1, p.y1);
    p.x1 += d.x();
    p.y1 += d.y();
    if (which == ShapesWindow) {
        p.x2 += d.x();
        p.y2 += d.y();
    }
}

// A new drawing opens clear of the tool windows on the workspace's left, a little below and to
// the right of any drawing already standing there.
void CMainFrame::PlaceBesideToolWindows(CChildFrame& child)
{
    const QRect workspace = m_mdi->viewport()->rect();
    const QPoint origin = m_mdi->viewport()->mapToGlobal(QPoint(0, 0));
    QList<QRect> tools;
    for (QWidget* w : m_toolWindows)
        if (w && w->isVisible())
            tools << w->frameGeometry().translated(-origin);
    // From the workspace's corner, not from where the workspace put it: that may be below the
    // last drawing, where the new one no longer fits whole.
    QPoint at = CWindowLayout::BesideObstacles(QRect(QPoint(0, 0), child.size()), workspace, tools, kGap);
    for (bool taken = true; taken;) {
        taken = false;
        for (CChildFrame* c : Children())
            if (c != &child && c->pos() == at && at.y() + 24 < workspace.height() / 2) {
                at += QPoint(24, 24);
                taken = true;
            }
    }
    child.move(at);
}

void CMainFrame::RecordPlacements()
{
    // The normal placement, never the full-screen rectangle.
    QRect normal;
    bool maximized;
    if (m_fullScreen.IsFullScreen()) {
        normal = m_savedGeometry;
        maximized = m_savedMaximized;
    } else {
        maximized = isMaximized();
        normal = NormalPlacement();
    }
    CWindowPlacement& p = m_app.Shell().m_appWindow;
    p.showCmd = maximized ? CWindowPlacement::kShowMaximized : CWindowPlacement::kShowNormal;
    p.x1 = normal.left();
    p.y1 = normal.top();
    p.x2 = normal.left() + normal.width();
    p.y2 = normal.top() + normal.height();
    if (m_fullScreen.IsActive())
        m_fullScreen.Leave();
    for (int i = 0; i < 3; ++i) {
        RecordToolWindow(i);
        ShownSetting(i) = IsToolWindowVisible(i) ? 1 : 0;
    }
    m_profile.SetString("Toolbars", "State", saveState().toBase64().toStdString());
}
