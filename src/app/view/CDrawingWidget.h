#pragma once
#include "core/shapes/CShapeCursor.h"
#include "core/view/CDaubrixView.h"
#include "core/view/IViewObserver.h"
#include "core/view/IViewWindow.h"
#include <QCursor>
#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;

// Shows one drawing view. Painting is a copy of the engine's drawing image; the engine's replay
// runs outside the paint event so that a long regeneration is seen growing at display rate.
class CDrawingWidget : public QWidget, public IViewWindow, public IViewObserver {
    Q_OBJECT
public:
    CDrawingWidget(CDaubrixView& view, QWidget* parent = nullptr);

    CDaubrixView& View() { return m_view; }
    // Runs the engine's pending work now (tests call it instead of waiting for the event loop).
    void RunEngine();
    // The drawing image as a QImage sharing the engine's pixels.
    QImage ImageView() const;

    // IViewWindow
    void CopyToWindow(const CRect& r) override;
    void Invalidate() override;
    void DrawRubberBand() override;

    // IViewObserver: the pointer is moved here, the rest goes out as signals.
    void HistoryChanged() override { emit historyChanged(); }
    void SectionAdded(int) override { emit historyChanged(); }
    void ColorShown(HsvColor c) override { emit colorShown(c); }
    void StrokeEnded() override { emit strokeEnded(); }
    void WarpPointer(CPoint p) override;
    void ColorSampled(HsvColor c) override { emit colorSampled(c); }
    void ShapeSampled(HsvColor c) override { emit shapeSampled(c); }

    // Characters typed into the drawing (TAB included) that the widget does not use itself;
    // returns true when the key did something.
    std::function<bool(int ch)> m_typedKey;

    // The pointer shows the current shape's outline, or the Move Center cursor in that mode.
    // Call after anything that changes the current shape or the one-shot modes.
    void UpdateCursor();
    // Window point <-> drawing point.
    CPoint ToDrawing(QPoint p) const;
    QPoint ToWindow(CPoint p) const;

    static QCursor ShapeCursor(const CShapeCursor& c);
    static QCursor MoveCenterCursor();

signals:
    // A release or a left one-shot mode may have changed the undo step and the modes: the
    // frame's check marks and Undo text follow.
    void commandsChanged();
    // The history position, glob count or sections changed.
    void historyChanged();
    // A stroke stepped the current colour.
    void colorShown(HsvColor c);
    // A stroke ended while a colour drift is on.
    void strokeEnded();
    // A sampling click gave the current shape a colour (and perhaps made another shape current).
    void colorSampled(HsvColor c);
    void shapeSampled(HsvColor c);
    // The keyboard focus came or went.
    void focusTaken();
    void focusLost();
    // The right button asks for the drawing's menu at this screen point; whoever shows it
    // calls RunContextMenu.
    void contextMenuWanted(QPoint globalPos);

public:
    // Shows the menu modally; the click that closes it draws nothing.
    // Returns the item chosen, or null.
    QAction* RunContextMenu(QMenu& menu, QPoint globalPos);

protected:
    void enterEvent(QEnterEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    QSize sizeHint() const override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    // TAB belongs to the drawing's keys, not to the focus chain.
    bool focusNextPrevChild(bool) override { return false; }

private:
    // The pointer is over the view: its cursor follows the current shape and mode, however
    // they were changed, rebuilding only when they differ from what it shows.
    void FollowCurrentShape();
    int CursorKey() const;

    CDaubrixView& m_view;
    int m_cursorKey = -3;
    // What the engine changed since the window last showed it.
    QRect m_dirty;
    QElapsedTimer m_sinceFlush;
    bool m_engineQueued = false;
    bool m_inEngine = false;
    bool m_shiftCapture = false;
    // The right button just left a one-shot mode: no context menu for that click.
    bool m_swallowContextMenu = false;
    // The drawing's menu is open: a press reaching the view closes it and must not draw.
    bool m_menuOpen = false;
    bool m_swallowRelease = false;
};
