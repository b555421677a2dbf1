#include "core/shell/CFullScreenCycle.h"
#include <cstddef>

void CFullScreenCycle::Cycle()
{
    m_stage = (m_stage + 1) % 4;
    switch (m_stage) {
    case 1: HideToolWindows(); break;
    case 2:
        HideToolWindows();
        HideBars();
        break;
    case 3: EnterWindow(); break;
    default: Leave(); break;
    }
}

void CFullScreenCycle::Command()
{
    if (m_fullScreen) {
        Leave();
        return;
    }
    EnterWindow();
    HideBars();
    HideToolWindows();
}

// Visibility is accumulated rather than overwritten: entering from stage 1 or 2 must not
// forget what an earlier stage already hid, or leaving would never show it again.
void CFullScreenCycle::HideToolWindows()
{
    for (int i = 0; i < IFullScreenFrame::kToolWindows; ++i)
        if (m_frame.IsToolWindowVisible(i)) {
            m_toolWasVisible[static_cast<std::size_t>(i)] = true;
            m_frame.SetToolWindowVisible(i, false);
        }
}

void CFullScreenCycle::HideBars()
{
    for (int i = 0; i < IFullScreenFrame::kBars; ++i)
        if (m_frame.IsBarVisible(i)) {
            m_barWasVisible[static_cast<std::size_t>(i)] = true;
            m_frame.SetBarVisible(i, false);
        }
}

void CFullScreenCycle::EnterWindow()
{
    if (!m_fullScreen)
        m_frame.EnterFullScreenWindow();
    m_fullScreen = true;
    m_stage = 3;
}

void CFullScreenCycle::Leave()
{
    bool wasFull = m_fullScreen;
    m_fullScreen = false;
    m_stage = 0;
    if (wasFull)
        m_frame.LeaveFullScreenWindow();
    for (int i = 0; i < IFullScreenFrame::kBars; ++i)
        if (m_barWasVisible[static_cast<std::size_t>(i)])
            m_frame.SetBarVisible(i, true);
    for (int i = 0; i < IFullScreenFrame::kToolWindows; ++i)
        if (m_toolWasVisible[static_cast<std::size_t>(i)] && !m_frame.IsToolWindowVisible(i))
            m_frame.SetToolWindowVisible(i, true);
    m_toolWasVisible.fill(false);
    m_barWasVisible.fill(false);
}
