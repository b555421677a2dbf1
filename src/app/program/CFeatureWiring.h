#pragma once
#include <QObject>
#include <memory>

class CChildWiring;
class CColorsWindow;
class CDaubrixApp;
class CDrawingHistoryWindow;
class CMainFrame;
class CShapesWindow;
class CToolWindows;

// Gives the frame its real tool windows and connects every drawing window to them. The menus'
// commands are the frame's own (app/menus); they reach the tool windows once these exist.
// Lives as long as the frame.
class CFeatureWiring : public QObject {
    Q_OBJECT
public:
    CFeatureWiring(CMainFrame& frame, CDaubrixApp& app);
    ~CFeatureWiring() override;

    CColorsWindow* ColorsWindow() const;
    CShapesWindow* ShapesWindow() const;
    CDrawingHistoryWindow* HistoryWindow() const;

private:
    CMainFrame& m_frame;
    std::unique_ptr<CToolWindows> m_tools;
    std::unique_ptr<CChildWiring> m_children;
};
