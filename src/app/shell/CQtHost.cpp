#include "app/shell/CQtHost.h"
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>

namespace {
QMessageBox::Icon ToQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Stop: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}
QString Caption(const std::string& c) { return c.empty() ? QStringLiteral("Daubrix") : QString::fromStdString(c); }
} // namespace

void CQtHost::Message(const std::string& text, MsgIcon icon, const std::string& caption)
{
    QMessageBox box(ToQt(icon), Caption(caption), QString::fromStdString(text), QMessageBox::Ok, m_parent);
    box.exec();
}

MsgAnswer CQtHost::Ask(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& caption)
{
    QMessageBox::StandardButtons b = QMessageBox::Ok;
    switch (buttons) {
    case MsgButtons::Ok: b = QMessageBox::Ok; break;
    case MsgButtons::YesNo: b = QMessageBox::Yes | QMessageBox::No; break;
    case MsgButtons::YesNoCancel: b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case MsgButtons::OkCancel: b = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    QMessageBox box(ToQt(icon), Caption(caption), QString::fromStdString(text), b, m_parent);
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return MsgAnswer::Ok;
    }
}

void CQtHost::ShowProgress(int percent)
{
    if (m_showProgress)
        m_showProgress(percent);
}

void CQtHost::ClearProgress()
{
    if (m_clearProgress)
        m_clearProgress();
}

std::string CQtHost::GetStatusText()
{
    return (m_getStatus ? m_getStatus() : m_statusFallback).toStdString();
}

void CQtHost::SetStatusText(const std::string& text)
{
    m_statusFallback = QString::fromStdString(text);
    if (m_setStatus)
        m_setStatus(m_statusFallback);
}

void CQtHost::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtHost::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

namespace {
// While a long operation looks for ESC, queued input is swallowed; the key presses are kept.
class KeyGate : public QObject {
public:
    int key = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
            if (!key)
                key = static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape ? 27 : static_cast<QKeyEvent*>(e)->key();
            return true;
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ShortcutOverride:
            return true;
        default:
            return false;
        }
    }
};
} // namespace

int CQtHost::TakePendingKey()
{
    if (m_pendingKey) {
        int k = m_pendingKey;
        m_pendingKey = 0;
        return k;
    }
    KeyGate gate;
    qApp->installEventFilter(&gate);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&gate);
    return gate.key;
}
