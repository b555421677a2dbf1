#pragma once
#include "core/imaging/CImage32.h"
#include "core/shapes/CPaletteCommands.h"
#include "core/shapes/CShapePalette.h"
#include <QBasicTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class CDaubrixApp;
class QMenu;
class QScrollBar;

// The Shapes tool window: the palette of shown shapes in their own colours. Picking, dragging
// a colour onto another shape, the context menu and the state files live in the palette; this
// window turns Qt input into palette calls and shows the palette's off-screen image.
class CShapesWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAutoScrollMs = 200;

    // automaticStatePath: the shape state read now and written when the window goes away
    // (empty for none).
    CShapesWindow(CDaubrixApp& app, IColorsLink& colors, const std::string& automaticStatePath,
                  QWidget* parent = nullptr);
    ~CShapesWindow() override;

    CShapePalette& Palette() { return m_palette; }
    CPaletteCommands& Commands() { return m_commands; }

    // Other windows changed shape colours or the current shape: repaint everything.
    void InvalidateShapes();
    // After the drawing view sampled a shape.
    void ScrollToCurrentShape();
    // Writes the automatic state file now; false when there is none or writing failed.
    bool SaveAutomaticState();

    // The context menu as it would pop up now: sizes greyed and checked for the current shape.
    std::unique_ptr<QMenu> CreateContextMenu();
    // Runs a menu item by its command id, asking for a file name for the state items.
    void RunCommand(PaletteCommand cmd);

    // The palette image last painted (tests and screenshots read it).
    QImage PaletteImage() const;
    int ClientWidth() const;
    QScrollBar* ScrollBar() const { return m_scrollBar; }

    // Characters typed here are passed on to this widget (the first open drawing view).
    std::function<QWidget*()> m_keyTarget;
    // Asks for a shape state file name; empty when cancelled. Replaceable for tests.
    std::function<QString(bool save)> m_askStateFile;
    // A click, a size item or a loaded state made another shape current (the drawing's cursor
    // shows the current shape).
    std::function<void()> m_shapeChosen;

signals:
    // The user closed the window; it is hidden, not destroyed.
    void closedByUser();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    QSize sizeHint() const override;

private:
    void SyncLayout();
    void OnScrollAction(int action);
    void OnThumbReleased();
    QString AskStateFile(bool save);
    void TellIfChosen(int before);
    void RunPaletteCommand(PaletteCommand cmd);

    CDaubrixApp& m_app;
    CShapePalette m_palette;
    CPaletteCommands m_commands;
    std::string m_automaticStatePath;
    QScrollBar* m_scrollBar = nullptr;
    CImage32 m_image;
    bool m_fullPending = true;
    bool m_selectionPending = false;
    QBasicTimer m_autoScroll;
};
