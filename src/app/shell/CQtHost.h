#pragma once
#include "core/base/IHost.h"
#include <QPointer>
#include <QWidget>
#include <functional>

// The engine's user-interface services, realised with Qt.
class CQtHost : public IHost {
public:
    void SetParentWidget(QWidget* w) { m_parent = w; }
    // Status bar access, supplied by the main frame once it exists.
    std::function<QString()> m_getStatus;
    std::function<void(const QString&)> m_setStatus;
    std::function<void(int)> m_showProgress;
    std::function<void()> m_clearProgress;

    void Message(const std::string& text, MsgIcon icon, const std::string& caption) override;
    MsgAnswer Ask(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& caption) override;
    void ShowProgress(int percent) override;
    void ClearProgress() override;
    std::string GetStatusText() override;
    void SetStatusText(const std::string& text) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    int TakePendingKey() override;

    // Key presses seen by the application's event filter while a long operation runs.
    void PushKey(int key) { m_pendingKey = key; }

private:
    QPointer<QWidget> m_parent;
    QString m_statusFallback;
    int m_pendingKey = 0;
};
