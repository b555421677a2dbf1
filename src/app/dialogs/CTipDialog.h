#pragma once
#include <QDialog>

class CTipOfTheDay;
class QCheckBox;
class QLabel;
class QPushButton;

// "Daubrix Tip of the Day": the bulb and "Did you know...", one tip, the start-up box and the
// Next Tip and Close buttons over the tip's logic.
class CTipDialog : public QDialog {
    Q_OBJECT
public:
    CTipDialog(CTipOfTheDay& tips, QWidget* parent = nullptr);

    QLabel* TipLabel() const { return m_tip; }
    QCheckBox* StartUpBox() const { return m_startUp; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* CloseButton() const { return m_close; }

private:
    void ShowTip();

    CTipOfTheDay& m_tips;
    QLabel* m_tip = nullptr;
    QCheckBox* m_startUp = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_close = nullptr;
};
