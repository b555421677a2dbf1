#pragma once
#include <QObject>
#include <memory>

class CChildFrame;
class CColorsWindow;
class CColorsWindowLink;
class CDaubrixApp;
class CDaubrixView;
class CDrawingHistoryWindow;
class CMainFrame;
class CShapesWindow;

// Connects the features to the main frame: the menu commands, the tool windows, the file
// commands and every new drawing window. Lives as long as the frame.
class CFeatureWiring : public QObject {
    Q_OBJECT
public:
    CFeatureWiring(CMainFrame& frame, CDaubrixApp& app);
    ~CFeatureWiring() override;

    CColorsWindow* ColorsWindow() const { return m_colors; }
    CShapesWindow* ShapesWindow() const { return m_shapes; }
    CDrawingHistoryWindow* HistoryWindow() const { return m_history; }

private:
    void CreateToolWindows();
    void WireFiles();
    void WireDrawingCommands();
    void WireImageCommands();
    void WireUpdaters();
    void WireChild(CChildFrame& child);
    // The drawing window's undo step, modes and cursor in the frame.
    void WireDrawingWindow(CChildFrame& child);
    bool OpenDocument(const QString& path);
    CDaubrixView* Active() const;
    bool Ctrl() const;
    // After the current shape or its colour changed: palette, cursor, Colors window.
    void ShapeChanged();
    // The drawings' cursors show the current shape.
    void UpdateCursors();

    CMainFrame& m_frame;
    CDaubrixApp& m_app;
    CColorsWindow* m_colors = nullptr;
    CDrawingHistoryWindow* m_history = nullptr;
    CShapesWindow* m_shapes = nullptr;
    std::unique_ptr<CColorsWindowLink> m_link;
};
