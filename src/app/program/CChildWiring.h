#pragma once

class CChildFrame;
class CDaubrixApp;
class CMainFrame;
class CToolWindows;

// Connects a new drawing window to the tool windows and the frame: the history slider follows
// its strokes, the Colors window its colour, the toolbar its undo step and modes.
class CChildWiring {
public:
    CChildWiring(CMainFrame& frame, CDaubrixApp& app, CToolWindows& tools);
    void Wire(CChildFrame& child);

private:
    CMainFrame& m_frame;
    CDaubrixApp& m_app;
    CToolWindows& m_tools;
};
