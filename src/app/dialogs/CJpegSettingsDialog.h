#pragma once
#include <QDialog>

class QSlider;

// "JPEG settings": the quality slider 1..20; the encoder quality is five times the position.
class CJpegSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CJpegSettingsDialog(int position, QWidget* parent = nullptr);
    int Position() const;
    QSlider* Slider() const { return m_slider; }

private:
    QSlider* m_slider;
};
