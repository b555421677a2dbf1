#pragma once
#include "core/base/IHost.h"
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Records every request the engine makes of the user interface; questions get scripted answers.
class FakeHost : public IHost {
public:
    struct Shown {
        std::string text;
        MsgIcon icon;
    };
    std::vector<Shown> messages;
    std::vector<std::string> questions;
    std::deque<MsgAnswer> answers;   // next answers; Yes when empty
    std::vector<int> progress;
    int progressCleared = 0;
    std::string status;
    std::vector<std::string> statusHistory;
    int waitDepth = 0;
    int waitBegins = 0;
    std::deque<int> keys;            // keys waiting in the queue
    int keyPolls = 0;
    // What the window system does while a question is open (a repaint behind it), and a
    // fixed point in a long operation at which to queue a key.
    std::function<void()> onAsk;
    std::function<void(int)> onProgress;

    void Message(const std::string& text, MsgIcon icon, const std::string&) override { messages.push_back({text, icon}); }
    MsgAnswer Ask(const std::string& text, MsgButtons, MsgIcon, const std::string&) override
    {
        questions.push_back(text);
        if (onAsk)
            onAsk();
        if (answers.empty())
            return MsgAnswer::Yes;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void ShowProgress(int percent) override
    {
        progress.push_back(percent);
        if (onProgress)
            onProgress(percent);
    }
    void ClearProgress() override { ++progressCleared; }
    std::string GetStatusText() override { return status; }
    void SetStatusText(const std::string& text) override
    {
        status = text;
        statusHistory.push_back(text);
    }
    void BeginWaitCursor() override
    {
        ++waitDepth;
        ++waitBegins;
    }
    void EndWaitCursor() override { --waitDepth; }
    int TakePendingKey() override
    {
        ++keyPolls;
        if (keys.empty())
            return 0;
        int k = keys.front();
        keys.pop_front();
        return k;
    }

    bool Said(const std::string& text) const
    {
        for (const auto& m : messages)
            if (m.text == text)
                return true;
        return false;
    }
};
