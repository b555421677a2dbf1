#pragma once
#include "core/shell/CRecoveryStore.h"
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstddef>
#include <map>
#include <string>

class CChildFrame;
class CDaubrixApp;
class CMainFrame;

// Keeps copies of the drawings with unsaved changes in the recovery folder, every few minutes,
// so that a crash loses little; at start it offers what a run that ended without closing its
// drawings left behind. A drawing saved or closed loses its copy; a normal end removes them all.
class CAutoSaver : public QObject {
    Q_OBJECT
public:
    // folder: the recovery folder in the per-user data folder.
    CAutoSaver(CMainFrame& frame, CDaubrixApp& app, const std::string& folder);
    ~CAutoSaver() override;

    // Minutes between copies; 0 or less stops them.
    void SetMinutes(int minutes);
    void SetInterval(std::chrono::milliseconds interval);
    bool IsRunning() const { return m_timer.isActive(); }

    // Copies every drawing changed since its last copy. A stroke or a long operation under way
    // is never interrupted: the copies then wait for it to end (false).
    bool SaveNow();
    // "Recover N unsaved drawings?": Yes reopens them, marked modified, No discards them.
    // Returns how many were reopened.
    int OfferRecovery();

    // How often a copy had to wait for a stroke or an operation.
    int Postponed() const { return m_postponed; }
    const CRecoveryStore& Store() const { return m_store; }

private:
    struct Copy {
        int id = 0;
        size_t hash = 0;   // of the bytes last kept; 0 when none are
    };
    bool Busy() const;
    void Track(CChildFrame* child);
    void Forget(CChildFrame* child, bool dropCopy);
    bool Keep(CChildFrame& child, Copy& copy);

    CMainFrame& m_frame;
    CDaubrixApp& m_app;
    CRecoveryStore m_store;
    QTimer m_timer;
    QTimer m_retry;
    std::map<CChildFrame*, Copy> m_copies;
    int m_nextId = 1;
    int m_postponed = 0;
    bool m_leftOpen = false;   // a drawing went without being closed: its copy must stay
};
