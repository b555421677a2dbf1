#pragma once
#include <QDialog>
#include <functional>

class CSpinEdit;
class QRadioButton;

// "Polar Mirror": on/off and the number of copies in the ring, 2 to 50.
class CPolarMirrorDialog : public QDialog {
    Q_OBJECT
public:
    CPolarMirrorDialog(bool on, int count, QWidget* parent = nullptr);

    bool IsOn() const;
    int Count() const;
    CSpinEdit* CountEdit() const { return m_count; }
    QRadioButton* OnButton() const { return m_on; }
    QRadioButton* OffButton() const { return m_off; }
    std::function<void(const QString&)> m_warn;

    void accept() override;

private:
    QRadioButton* m_on;
    QRadioButton* m_off;
    CSpinEdit* m_count;
};
