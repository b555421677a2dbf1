#pragma once
#include "app/shell/CommandId.h"
#include "core/shell/CFullScreenCycle.h"
#include "core/shell/IFullScreenFrame.h"
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CChildFrame;
struct CWindowPlacement;
class CDaubrixApp;
class CDaubrixDoc;
class CDaubrixView;
class IProfile;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The program's one top-level window: the menu bar, the two toolbars, the status bar, the
// workspace holding the drawing windows and the three floating tool windows.
class CMainFrame : public QMainWindow, public IFullScreenFrame {
    Q_OBJECT
public:
    enum ToolWindow { ShapesWindow = 0, ColorsWindow = 1, HistoryWindow = 2 };

    CMainFrame(CDaubrixApp& app, IProfile& profile, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The wiring point: the action of every menu command and toolbar button.
    QAction* Action(CommandId id) const { return m_actions[static_cast<size_t>(id)]; }
    // Text and availability of Edit > Undo (e.g. "&Redo Drawing\tCtrl+Z").
    void SetUndoText(const QString& text, bool enabled);
    // Edit > Redo; shown only with more than one undo level (with one, Undo redoes).
    void SetRedoText(const QString& text, bool enabled, bool shown);
    // Runs before a menu opens and whenever the active drawing changes, so features can set
    // their check marks and enabled states.
    void AddCommandUpdater(std::function<void()> updater);
    void UpdateCommands();

    // Status bar: pane 0 is the message pane, pane 1 the progress pane.
    void ShowProgress(int percent);
    void ClearProgress();
    void SetStatusText(int pane, const QString& text);
    QString StatusText(int pane) const;

    // Drawings.
    CChildFrame* ActiveChild() const;
    CDaubrixView* ActiveView() const;
    QList<CChildFrame*> Children() const;
    QMdiArea* Workspace() const { return m_mdi; }
    // File > New: asks for the size; nullptr when cancelled.
    CChildFrame* NewDrawing();
    // Shows a document that is complete (new or read from a file) in a new drawing window.
    CChildFrame* AddDocument(std::unique_ptr<CDaubrixDoc> doc);
    // File > Open, recent files, dropped files and the command line all come here.
    bool OpenFile(const QString& path);
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    // After Save or Save As: the window shows the file's name and the file heads the recent list.
    void DocumentSaved(CChildFrame& child);
    // After the document's path or title changed: the window titles follow.
    void DocumentRenamed(CChildFrame& child);
    // The next name of a drawing never saved ("Daubrix1", "Daubrix2", ...).
    QString NextTitle();
    // The drawing window showing this file, if one is open.
    CChildFrame* ChildShowing(const QString& path) const;
    QStringList RecentFiles() const { return m_recent; }

    // Tool windows: empty frames until the real windows are put in their slots.
    QWidget* ToolWindowWidget(int which) const { return m_toolWindows[static_cast<size_t>(which)]; }
    void SetToolWindow(int which, QWidget* window);
    void ToggleToolWindow(int which);
    void RepaintViewsUnder(const QRect& screenRect);

    // Full screen: the view's key walks the stages, the command jumps.
    void CycleFullScreen() { m_fullScreen.Cycle(); UpdateCommands(); }
    void FullScreenCommand() { m_fullScreen.Command(); UpdateCommands(); }
    const CFullScreenCycle& FullScreenState() const { return m_fullScreen; }

    // Shows the window at the placement read from the settings; a window (or tool window) whose
    // title bar would be on no screen comes back onto the nearest one.
    void ShowAtStoredPlacement();
    // Shows the window as a first start places it: most of the screen, centred. The tool windows
    // without a stored place stand one below the other along the workspace's left edge.
    void ShowAtFirstStart(std::array<bool, 3> unplacedTools);
    // Copies the window placements into the application's settings fields.
    void RecordPlacements();

    // The drawing view that last took the keyboard focus and the one that last lost it (the
    // views report both); forgotten when their window closes.
    CDaubrixView* m_currentView = nullptr;
    CDaubrixView* m_lastBlurredView = nullptr;

    QToolBar* Toolbar(int i) const { return i == 0 ? m_toolbar1 : m_toolbar2; }
    QMenu* WindowMenu() const { return m_windowMenu; }
    IProfile& Profile() { return m_profile; }

    // Hooks the features fill in.
    std::function<bool(const QString& path)> m_openDocument;        // read a .dbx into a new window
    std::function<bool(CChildFrame&)> m_saveDocument;               // Save for a closing drawing
    std::function<void(CChildFrame&)> m_childCreated;               // connect a new drawing window
    // Asks for a new drawing's size (the New Drawing dialog; tests replace it).
    std::function<bool(int& width, int& height, bool& locked)> m_askDrawingSize;

    // IFullScreenFrame
    bool IsToolWindowVisible(int i) const override;
    void SetToolWindowVisible(int i, bool visible) override;
    bool IsBarVisible(int i) const override;
    void SetBarVisible(int i, bool visible) override;
    void EnterFullScreenWindow() override;
    void LeaveFullScreenWindow() override;

    // The first show brings the tool windows up with the frame.
    void setVisible(bool visible) override;

signals:
    // A drawing window was added (new, opened or recovered), or its drawing was saved.
    void childAdded(CChildFrame* child);
    void documentSaved(CChildFrame* child);
    // Edit > Preferences changed the program's own settings.
    void preferencesChanged();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    QWidget* Bar(int i) const;
    QRect NormalPlacement() const;
    void FollowNormalRect();
    bool Framed() const;
    int TitleBarHeight() const;
    QSize ToolFrameExtra(const QWidget& w) const;
    void StackToolWindows();
    void BringToolWindowOnScreen(int which);
    void PlaceBesideToolWindows(CChildFrame& child);
    void ShowTitle();
    CWindowPlacement& ToolPlacement(int which);
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void CreateStatusBar();
    void CreateToolWindowSlots();
    int32_t& ShownSetting(int which);
    void PlaceToolWindow(int which);
    void RaiseToolWindows();
    void FitShapesToFrame();
    void RecordToolWindow(int which);
    void RefreshRecentActions();
    void StoreRecentFiles();
    bool AskDrawingSize(int& width, int& height, bool& locked);

    CDaubrixApp& m_app;
    IProfile& m_profile;
    QMdiArea* m_mdi = nullptr;
    std::array<QAction*, static_cast<size_t>(CommandId::Count)> m_actions{};
    QMenu* m_windowMenu = nullptr;
    QToolBar* m_toolbar1 = nullptr;
    QToolBar* m_toolbar2 = nullptr;
    QLabel* m_messagePane = nullptr;
    QLabel* m_progressPane = nullptr;
    std::array<QWidget*, 3> m_toolWindows{};
    std::vector<std::function<void()>> m_updaters;
    CFullScreenCycle m_fullScreen{*this};
    QRect m_savedGeometry;
    // The window's last rectangle while neither maximized nor full screen (outer corner, inside size).
    QRect m_normalRect;
    std::array<bool, 3> m_stackTools{};
    QPointer<QMdiSubWindow> m_titleChild;
    bool m_savedMaximized = false;
    bool m_firstShow = true;
    bool m_commandsQueued = false;
    int m_untitledCount = 0;
    QStringList m_recent;
};
