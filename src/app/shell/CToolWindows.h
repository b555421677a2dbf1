#pragma once
#include "app/windows/CColorsWindow.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include <QPointer>
#include <memory>

class CColorsWindowLink;
class CDaubrixApp;
class CMainFrame;
class CShapesWindow;

// The three real tool windows (Shapes, Colors, Drawing History), made for the frame and put in
// its tool-window slots. The palette reads the Colors window through the link.
class CToolWindows {
public:
    CToolWindows(CMainFrame& frame, CDaubrixApp& app);
    ~CToolWindows();

    CColorsWindow* Colors() const { return m_colors; }
    CShapesWindow* Shapes() const { return m_shapes; }
    CDrawingHistoryWindow* History() const { return m_history; }

    void ReloadHistory() const;
    // After the current shape or its colour changed: palette and drawing cursors.
    void ShapeChanged() const;
    // The drawings' cursors show the current shape.
    void UpdateCursors() const;

private:
    CMainFrame& m_frame;
    QPointer<CColorsWindow> m_colors;
    QPointer<CDrawingHistoryWindow> m_history;
    CShapesWindow* m_shapes = nullptr;
    std::unique_ptr<CColorsWindowLink> m_link;
};
