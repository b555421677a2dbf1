#pragma once
#include "core/view/CReplayer.h"
#include <string>

class IHost;

// The user's side of a long operation: the wait cursor, a status text, the percentage in the
// progress pane and the ESC check. Whatever was begun is undone at End or destruction.
class CLongOperation : public IReplayProgress {
public:
    explicit CLongOperation(IHost& host) : m_host(host) {}
    ~CLongOperation() override { End(); }
    CLongOperation(const CLongOperation&) = delete;
    CLongOperation& operator=(const CLongOperation&) = delete;

    void BeginWait();
    void EndWait();
    // Shows text in the status pane; the text shown before comes back at End.
    void SetStatus(const std::string& text);
    void ShowPercent(int percent);
    // A replay of total globs: Continue shows how far it got, about a hundred times over
    // and only when it is long enough to be worth watching.
    void CountGlobs(int total);
    bool Continue(int position) override;
    // ESC waiting in the queue and question answered Yes. A No puts the wait cursor back.
    bool CheckEscape(const std::string& question);
    void End();

private:
    IHost& m_host;
    bool m_waiting = false;
    bool m_statusSet = false;
    bool m_progressShown = false;
    std::string m_savedStatus;
    float m_step = 0;
    float m_percent = 0;
    int m_stride = 0;
};
