#include "tests/app/support/DialogAnswerer.h"
#include "tests/app/support/Shots.h"
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <algorithm>
#include <gtest/gtest.h>

std::vector<DialogAnswerer*> DialogAnswerer::s_live;

DialogAnswerer::DialogAnswerer(Act every) : m_every(std::move(every))
{
    s_live.push_back(this);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (s_live.back() == this)
            Poll();
    });
    m_timer.start(0);
}

DialogAnswerer::~DialogAnswerer()
{
    s_live.erase(std::find(s_live.begin(), s_live.end(), this));
    for (const Step& s : m_steps)
        ADD_FAILURE() << "an expected dialog never opened: " << s.what.toStdString();
}

void DialogAnswerer::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_acting)
        return;
    if (std::find(m_answered.begin(), m_answered.end(), modal) != m_answered.end())
        return Fail(*modal, "stayed open after its answer");
    auto* w = qobject_cast<QDialog*>(modal);
    if (!w)
        return Fail(*modal, "is no dialog");
    if (w != m_waiting) {
        titles << w->windowTitle();
        if (!m_steps.empty()) {
            m_step = std::move(m_steps.front());
            m_steps.pop_front();
        } else if (m_every) {
            m_step = Step{{}, {}, m_every};
        } else {
            return Fail(*w, "nobody expected it");
        }
        m_waiting = w;
        m_turns = 0;
    }
    if (m_step.ready && !m_step.ready(*w)) {
        if (++m_turns > kMaxTurns)
            Fail(*w, "never got ready for " + m_step.what);
        return;
    }
    m_waiting = nullptr;
    m_acting = w;
    // Answered from a queued call, not from this timer: an answer that opens another dialog
    // must find the poll running inside that dialog's loop.
    QMetaObject::invokeMethod(
        &m_timer,
        [this, target = QPointer<QDialog>(w), act = std::move(m_step.act)] {
            if (target)
                act(*target);
            m_answered.push_back(target.data());
            m_acting = nullptr;
        },
        Qt::QueuedConnection);
}

void DialogAnswerer::Fail(QWidget& w, const QString& why)
{
    const QString text = QString("dialog \"%1\" %2").arg(w.windowTitle(), why);
    failures << text;
    ADD_FAILURE() << text.toStdString();
    m_waiting = nullptr;
    m_answered.push_back(&w);
    if (auto* d = qobject_cast<QDialog*>(&w))
        d->reject();
    else
        w.close();
}

DialogAnswerer::Act DialogAnswerer::Accept()
{
    return [](QDialog& d) { d.accept(); };
}

DialogAnswerer::Act DialogAnswerer::Cancel()
{
    return [](QDialog& d) { d.reject(); };
}

namespace {
// The single file the dialog would hand back now.
QString Chosen(QFileDialog& fd)
{
    const QStringList files = fd.selectedFiles();
    return files.size() == 1 ? QFileInfo(files.front()).absoluteFilePath() : QString();
}
} // namespace

DialogAnswerer::Step DialogAnswerer::ChooseFile(const std::string& path, QStringList* shownTypes)
{
    const QFileInfo target(QString::fromStdString(path));
    auto expected = [target](QFileDialog& fd) {
        if (!target.suffix().isEmpty() || fd.defaultSuffix().isEmpty())
            return target.absoluteFilePath();
        return target.absoluteFilePath() + "." + fd.defaultSuffix();
    };
    Step s;
    s.what = "the file " + target.fileName();
    // Typed the way a user does: folder, then name. The dialog may still rework its line edit
    // while it reads the folder, so the name is set again until the dialog reports it.
    s.ready = [target, expected](QDialog& w) {
        auto* fd = qobject_cast<QFileDialog*>(&w);
        if (!fd)
            return true;   // the answer reports the wrong dialog
        if (fd->directory().absolutePath() != target.absolutePath())
            fd->setDirectory(target.absolutePath());
        if (auto* name = fd->findChild<QLineEdit*>("fileNameEdit"); name && name->text() != target.fileName())
            name->setText(target.fileName());
        return Chosen(*fd) == expected(*fd);
    };
    s.act = [expected, shownTypes](QDialog& w) {
        auto* fd = qobject_cast<QFileDialog*>(&w);
        ASSERT_NE(fd, nullptr) << "a file dialog, not " << w.windowTitle().toStdString();
        MaybeShoot(*fd, fd->acceptMode() == QFileDialog::AcceptSave ? "file_save" : "file_open");
        if (shownTypes)
            if (auto* combo = fd->findChild<QComboBox*>("fileTypeCombo"))
                for (int i = 0; i < combo->count(); ++i)
                    *shownTypes << combo->itemText(i);
        ASSERT_EQ(Chosen(*fd), expected(*fd));
        w.accept();   // accept() is protected in QFileDialog
    };
    return s;
}
