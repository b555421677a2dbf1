#pragma once
#include "core/base/IHost.h"
#include <string>

// A user interface with nobody in front of it, for tools that run without a window: messages
// are dropped, questions are answered No so nothing waits, and no key is ever pending. Such
// tools take what they must tell from the results of the operations they call.
class CQuietHost : public IHost {
public:
    void Message(const std::string&, MsgIcon, const std::string&) override {}
    MsgAnswer Ask(const std::string&, MsgButtons, MsgIcon, const std::string&) override { return MsgAnswer::No; }
    void ShowProgress(int) override {}
    void ClearProgress() override {}
    std::string GetStatusText() override { return m_status; }
    void SetStatusText(const std::string& text) override { m_status = text; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    int TakePendingKey() override { return 0; }

private:
    std::string m_status;
};
