#pragma once

class CChildFrame;
class CMainFrame;
class CToolWindows;

// A drawing's keys, sampling clicks, right-button menu and focus, connected to the tool windows
// and the frame.
void WireViewCommands(CMainFrame& frame, CToolWindows& tools, CChildFrame& child);
