#pragma once
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QDialog>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Answers the modal dialogs that open while it is in charge (the newest live answerer is), one
// scripted step per dialog. It polls from inside the dialog's own event loop and counts turns
// instead of waiting for time. A dialog nobody expected, a step whose dialog stays open after
// its answer, or a dialog that never gets ready is closed at once and fails the running test,
// so a fault fails fast and never hangs.
class DialogAnswerer {
public:
    using Act = std::function<void(QDialog&)>;
    struct Step {
        QString what;
        std::function<bool(QDialog&)> ready;   // polled each turn until true; empty: ready at once
        Act act;
    };
    // Event-loop turns one dialog may take to get ready before it counts as stuck.
    static constexpr int kMaxTurns = 5000;

    // `every` answers dialogs beyond the script; without it such a dialog is a failure.
    explicit DialogAnswerer(Act every = {});
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void Then(Act act) { Then(Step{{}, {}, std::move(act)}); }
    void Then(Step step) { m_steps.push_back(std::move(step)); }
    bool Done() const { return m_steps.empty(); }

    QStringList titles;     // every dialog met, in order
    QStringList failures;   // what went wrong, also reported to the running test

    static Act Accept();
    static Act Cancel();
    // Names the file in a file dialog and accepts it once the dialog reports exactly that file
    // (with the default suffix added where the name has none); the file types it offers can be
    // recorded on the way.
    static Step ChooseFile(const std::string& path, QStringList* shownTypes = nullptr);

private:
    void Poll();
    void Fail(QWidget& w, const QString& why);

    static std::vector<DialogAnswerer*> s_live;
    Act m_every;
    std::deque<Step> m_steps;
    QTimer m_timer;
    QPointer<QDialog> m_waiting;   // met, its step not ready yet
    Step m_step;
    int m_turns = 0;
    QPointer<QDialog> m_acting;    // its answer is queued or running
    std::vector<QPointer<QWidget>> m_answered;
};
