#pragma once
#include <QAbstractSpinBox>

// A numeric edit with up/down arrows. Unlike QSpinBox it keeps whatever digits are typed, so an
// out-of-range or empty value reaches the dialog's check on OK; the arrows stay in the range.
class CNumberSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    CNumberSpinBox(int minimum, int maximum, QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    void SetValue(int v) { SetText(QString::number(v)); }
    // The arrows' position: the typed number limited to the range, or the last one when the
    // box holds no number.
    int Position() const;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    void TextEdited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_min;
    int m_max;
    mutable int m_lastPosition;
};
