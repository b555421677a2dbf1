#pragma once
#include "core/shell/IFullScreenFrame.h"
#include <array>

// The staged full screen of the main frame. Stage 0 normal; 1 tool windows hidden; 2 tool
// windows and bars hidden; 3 the window covers the screen. The key cycle walks 1, 2, 3, 0; the
// Full Screen command jumps to 3 or back to 0.
class CFullScreenCycle {
public:
    explicit CFullScreenCycle(IFullScreenFrame& frame) : m_frame(frame) {}

    // The view's full-screen key: the next stage.
    void Cycle();
    // The Full Screen command.
    void Command();
    // Back to normal from any stage, restoring what was hidden (used on closing too).
    void Leave();

    int Stage() const { return m_stage; }
    bool IsFullScreen() const { return m_fullScreen; }
    bool IsActive() const { return m_stage != 0 || m_fullScreen; }

private:
    void HideToolWindows();
    void HideBars();
    void EnterWindow();

    IFullScreenFrame& m_frame;
    int m_stage = 0;
    bool m_fullScreen = false;
    std::array<bool, IFullScreenFrame::kToolWindows> m_toolWasVisible{};
    std::array<bool, IFullScreenFrame::kBars> m_barWasVisible{};
};
