#include "app/widgets/CNumberSpinBox.h"
#include <QLineEdit>
#include <algorithm>

CNumberSpinBox::CNumberSpinBox(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), m_min(minimum), m_max(maximum), m_lastPosition(minimum)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CNumberSpinBox::TextEdited);
}

QString CNumberSpinBox::Text() const
{
    return lineEdit()->text();
}

void CNumberSpinBox::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

int CNumberSpinBox::Position() const
{
    bool ok = false;
    int v = Text().trimmed().toInt(&ok);
    if (ok)
        m_lastPosition = std::clamp(v, m_min, m_max);
    return m_lastPosition;
}

void CNumberSpinBox::stepBy(int steps)
{
    SetValue(std::clamp(Position() + steps, m_min, m_max));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CNumberSpinBox::stepEnabled() const
{
    if (isReadOnly() || !isEnabled())
        return StepNone;
    int p = Position();
    StepEnabled s = StepNone;
    if (p > m_min)
        s |= StepDownEnabled;
    if (p < m_max)
        s |= StepUpEnabled;
    return s;
}

QValidator::State CNumberSpinBox::validate(QString& input, int&) const
{
    // Digits only, like a numeric edit box.
    for (QChar c : input)
        if (!c.isDigit())
            return QValidator::Invalid;
    return input.size() <= 6 ? QValidator::Acceptable : QValidator::Invalid;
}
