#pragma once
#include "core/base/IHost.h"
#include <cstdio>
#include <string>

// The command-line tool's user interface: every message becomes one line on stderr; questions
// are answered No, so nothing waits for a person.
class CCliHost : public IHost {
public:
    void Message(const std::string& text, MsgIcon, const std::string&) override
    {
        std::string line = text;
        while (!line.empty() && (line.back() == '\n' || line.back() == ' '))
            line.pop_back();
        for (char& c : line)
            if (c == '\n' || c == '\r')
                c = ' ';
        std::fprintf(stderr, "%s\n", line.c_str());
        ++m_messages;
    }
    MsgAnswer Ask(const std::string&, MsgButtons, MsgIcon, const std::string&) override { return MsgAnswer::No; }
    void ShowProgress(int) override {}
    void ClearProgress() override {}
    std::string GetStatusText() override { return m_status; }
    void SetStatusText(const std::string& text) override { m_status = text; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    int TakePendingKey() override { return 0; }

    int MessageCount() const { return m_messages; }

private:
    std::string m_status;
    int m_messages = 0;
};
