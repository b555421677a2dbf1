#pragma once
#include "core/settings/CAutoChange.h"
#include <QDialog>
#include <array>

class QPushButton;
class QRadioButton;
class QSlider;

// "AutoChange Hue" / "Saturation" / "Value": the drift mode as six plain radio buttons (a click
// checks only the clicked one) and the speed slider from "Slow" to "Fast".
class CAutoChangeDialog : public QDialog {
    Q_OBJECT
public:
    CAutoChangeDialog(ColorComponent component, int mode, int speed, QWidget* parent = nullptr);

    int Mode() const { return m_mode; }
    int Speed() const;
    // The buttons in the order they stand, top to bottom, with "Off" last.
    const std::array<QRadioButton*, 6>& Buttons() const { return m_buttons; }
    QSlider* SpeedSlider() const { return m_slider; }
    QRadioButton* ButtonFor(int mode) const;

private:
    void Choose(int mode);

    std::array<QRadioButton*, 6> m_buttons{};
    std::array<int, 6> m_modes{};
    QSlider* m_slider;
    int m_mode = kAutoOff;
};
