#pragma once
#include <QSpinBox>

// A number edit with spin arrows whose arrows stay within lo..hi while the text accepts any
// whole number, so an out-of-range entry reaches the dialog's check and its message.
class CRangeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    CRangeSpinBox(int lo, int hi, QWidget* parent = nullptr);

    int Low() const { return m_lo; }
    int High() const { return m_hi; }
    // The number clamped to the range, as the arrows see it.
    int Position() const;

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_lo;
    int m_hi;
};
