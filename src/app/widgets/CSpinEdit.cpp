#include "app/widgets/CSpinEdit.h"
#include "app/widgets/DialogParts.h"
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

CSpinEdit::CSpinEdit(int minimum, int maximum, int value, QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_up(new QToolButton(this)), m_down(new QToolButton(this)),
      m_min(minimum), m_max(maximum)
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
    }
    m_edit->setMaximumWidth(48);
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(m_edit);
    row->addLayout(arrows);
    connect(m_up, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { StepBy(-1); });
    SetValue(value);
}

std::optional<int> CSpinEdit::Value() const
{
    bool ok = false;
    const int v = m_edit->text().trimmed().toInt(&ok);
    if (!ok || v < m_min || v > m_max)
        return std::nullopt;
    return v;
}

void CSpinEdit::SetValue(int v)
{
    m_edit->setText(QString::number(std::clamp(v, m_min, m_max)));
}

void CSpinEdit::StepBy(int delta)
{
    bool ok = false;
    const int v = m_edit->text().trimmed().toInt(&ok);
    SetValue(ok ? v + delta : m_min);
}

bool CSpinEdit::Validate(const std::function<void(const QString&)>& warn)
{
    const QString message = NumberBoxMessage(m_edit->text(), m_min, m_max);
    if (message.isEmpty())
        return true;
    warn(message);
    m_edit->setFocus();
    m_edit->selectAll();
    return false;
}
