#include "app/widgets/CRangeSpinBox.h"
#include <algorithm>

CRangeSpinBox::CRangeSpinBox(int lo, int hi, QWidget* parent) : QSpinBox(parent), m_lo(lo), m_hi(hi)
{
    setRange(-99999, 99999);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
}

int CRangeSpinBox::Position() const
{
    return std::clamp(value(), m_lo, m_hi);
}

void CRangeSpinBox::stepBy(int steps)
{
    setValue(std::clamp(Position() + steps, m_lo, m_hi));
    selectAll();
}

QAbstractSpinBox::StepEnabled CRangeSpinBox::stepEnabled() const
{
    StepEnabled e = StepNone;
    if (Position() < m_hi)
        e |= StepUpEnabled;
    if (Position() > m_lo)
        e |= StepDownEnabled;
    return e;
}
