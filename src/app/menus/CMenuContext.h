#pragma once
#include <memory>

class CDaubrixApp;
class CDaubrixView;
class CMainFrame;
class CPrintCommands;
class CToolWindows;

// What every menu's commands work on: the frame, the application and, once they exist, the
// real tool windows. Each menu has an Install (connects its commands) and an Update (sets its
// items' enabled states and check marks; which items can be checked is the command table's).
struct CMenuContext {
    CMainFrame& frame;
    CDaubrixApp& app;
    CToolWindows* tools = nullptr;
    // Printing's choices and printer last for the run; File and Image share them.
    std::shared_ptr<CPrintCommands> print;

    CDaubrixView* Active() const;
    // Option commands toggle without their dialog while Ctrl is held.
    static bool Ctrl();
    // The Drawing History window follows the active drawing.
    void ReloadHistory() const;
    // After the current shape or its colour changed: palette and drawing cursors.
    void ShapeChanged() const;
};

// Connects every menu's commands of the frame and has the frame keep their states current.
// The context lives as long as the frame.
CMenuContext& InstallMenus(CMainFrame& frame, CDaubrixApp& app);
// The context InstallMenus gave this frame; nullptr when it has none.
CMenuContext* MenusOf(const CMainFrame& frame);
void UpdateMenus(CMenuContext& ctx);
