#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where windows go when nothing is stored yet, and where a stored place is brought back to
// when it would leave a window that cannot be grabbed. Pure geometry, so it can be tried on
// any screen size.
class CWindowLayout {
public:
    static constexpr int kMinWidth = 640;
    static constexpr int kMinHeight = 480;
    // How much of a title bar must be on a screen to be grabbed with the pointer.
    static constexpr int kGrip = 48;

    // The main window of a first start: about 80 % of the available area, centred, never smaller
    // than 640 × 480 unless the area itself is.
    static QRect FirstMainWindow(const QRect& available);

    // A window (outer rectangle) whose title bar, its top titleHeight rows, lies on no screen
    // moves onto the nearest screen, whole when it fits; otherwise it stays where it is.
    static QRect OnScreen(const QRect& frame, const QList<QRect>& screens, int titleHeight);
    static bool TitleReachable(const QRect& frame, const QRect& screen, int titleHeight);

    // Top-left corners of windows of these outer sizes, one below the other from start.
    static QList<QPoint> Stack(QPoint start, const QList<QSize>& outer, int gap);

    // Where a window opens in a workspace (both in workspace coordinates) so that it meets
    // none of the obstacles standing in the workspace's left half: to their right, but never
    // so far that it would no longer fit whole. A window that meets none stays.
    static QPoint BesideObstacles(const QRect& window, const QRect& workspace, const QList<QRect>& obstacles,
                                  int gap);
};
