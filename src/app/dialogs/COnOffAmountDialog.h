#pragma once
#include <QDialog>
#include <QString>

class QGridLayout;
class QRadioButton;
class QSlider;
class QVBoxLayout;

// The small option dialogs of the drawing modes: "On"/"Off" and a slider between two labels in
// a titled group. OK applies, Cancel changes nothing (the caller reads the result on accept).
class COnOffAmountDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString title, group, left, right;
        int minimum, maximum;
    };
    COnOffAmountDialog(const Texts& texts, bool on, int amount, QWidget* parent = nullptr);

    static Texts LinesTexts() { return {"Lines", "Number of Globs", "Few", "Many", 1, 8}; }
    static Texts JitterTexts() { return {"Jitter", "Amount of Jitter", "Little", "Much", 1, 8}; }

    bool IsOn() const;
    int Amount() const;
    QRadioButton* OnButton() const { return m_on; }
    QRadioButton* OffButton() const { return m_off; }
    QSlider* Slider() const { return m_slider; }

protected:
    // Rows added by subclasses go here, below the group and above the buttons.
    QVBoxLayout* ExtraRows() const { return m_extra; }

private:
    QRadioButton* m_on;
    QRadioButton* m_off;
    QSlider* m_slider;
    QVBoxLayout* m_extra;
};
