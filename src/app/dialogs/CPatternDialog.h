#pragma once
#include <QDialog>

class QRadioButton;

// "Pattern": Pattern mode on or off, and whether stamps keep the pattern's colours.
class CPatternDialog : public QDialog {
    Q_OBJECT
public:
    CPatternDialog(bool on, bool preserveColors, QWidget* parent = nullptr);

    bool IsOn() const;
    bool PreserveColors() const;
    QRadioButton* OnButton() const { return m_on; }
    QRadioButton* PreserveButton() const { return m_preserve; }
    QRadioButton* NewColorsButton() const { return m_newColors; }

private:
    QRadioButton* m_on;
    QRadioButton* m_off;
    QRadioButton* m_preserve;
    QRadioButton* m_newColors;
};
