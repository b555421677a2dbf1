#pragma once

// What the full-screen cycle needs of the main frame. Tool windows: 0 Shapes, 1 Colors,
// 2 Drawing History. Bars: 0 toolbar 1, 1 toolbar 2, 2 status bar.
class IFullScreenFrame {
public:
    static constexpr int kToolWindows = 3;
    static constexpr int kBars = 3;

    virtual ~IFullScreenFrame() = default;
    virtual bool IsToolWindowVisible(int i) const = 0;
    // Showing goes through the frame's normal toggle, so the visibility setting follows.
    virtual void SetToolWindowVisible(int i, bool visible) = 0;
    virtual bool IsBarVisible(int i) const = 0;
    virtual void SetBarVisible(int i, bool visible) = 0;
    // Saves the window placement and covers the screen (menu still visible).
    virtual void EnterFullScreenWindow() = 0;
    // Gives the window back the placement saved on entering.
    virtual void LeaveFullScreenWindow() = 0;
};
