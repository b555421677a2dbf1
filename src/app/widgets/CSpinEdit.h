#pragma once
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <optional>

class QToolButton;

// An edit box with up/down arrows, like a spin control beside its buddy edit. Unlike a spin
// box it accepts any typed text, so the dialog can refuse a bad value with a message.
class CSpinEdit : public QWidget {
    Q_OBJECT
public:
    CSpinEdit(int minimum, int maximum, int value, QWidget* parent = nullptr);

    // The typed number when it is a whole number in range.
    std::optional<int> Value() const;
    void SetValue(int v);
    QLineEdit* Edit() const { return m_edit; }
    int Minimum() const { return m_min; }
    int Maximum() const { return m_max; }
    void StepBy(int delta);
    // True for a good value; otherwise shows the range message and selects the text.
    bool Validate(const std::function<void(const QString&)>& warn);

private:
    QLineEdit* m_edit;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min;
    int m_max;
};
