#include "core/view/CLongOperation.h"
#include "core/base/IHost.h"

namespace {
constexpr int kEscape = 27;
}

void CLongOperation::BeginWait()
{
    if (m_waiting)
        return;
    m_host.BeginWaitCursor();
    m_waiting = true;
}

void CLongOperation::EndWait()
{
    if (!m_waiting)
        return;
    m_host.EndWaitCursor();
    m_waiting = false;
}

void CLongOperation::SetStatus(const std::string& text)
{
    if (!m_statusSet)
        m_savedStatus = m_host.GetStatusText();
    m_statusSet = true;
    m_host.SetStatusText(text);
}

void CLongOperation::ShowPercent(int percent)
{
    m_progressShown = true;
    m_host.ShowProgress(percent);
}

bool CLongOperation::CheckEscape(const std::string& question)
{
    if (m_host.TakePendingKey() != kEscape)
        return false;
    // The Confirm box: its title, the exclamation icon, Yes and No.
    if (m_host.AskYesNo(question, MsgIcon::Exclamation, "Confirm"))
        return true;
    // The question box took the wait cursor away.
    m_host.BeginWaitCursor();
    m_host.EndWaitCursor();
    return false;
}

void CLongOperation::End()
{
    if (m_progressShown)
        m_host.ClearProgress();
    m_progressShown = false;
    EndWait();
    if (m_statusSet)
        m_host.SetStatusText(m_savedStatus);
    m_statusSet = false;
}

void CLongOperation::CountGlobs(int total)
{
    m_step = total > 0 ? 100.0f / static_cast<float>(total) : 0.0f;
    m_stride = total / 100;
    m_percent = 0;
}

bool CLongOperation::Continue(int position)
{
    m_percent += m_step;
    if (m_stride > 10 && position % m_stride == 0)
        ShowPercent(static_cast<int>(m_percent));
    return true;
}
