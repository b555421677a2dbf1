#pragma once
#include "core/movie/CAviOptionsModel.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// "AVI Options": the compressor, its quality, key-frame interval and data rate, enabled by
// what the chosen compressor can do; About tells what it is, Configure picks its speed.
class CAviOptionsDialog : public QDialog {
    Q_OBJECT
public:
    CAviOptionsDialog(CAviOptionsModel& model, QWidget* parent = nullptr);
    // Set after OK.
    const AviOptions& Options() const { return m_options; }

    QComboBox* Compressors() const { return m_list; }
    QSlider* Quality() const { return m_quality; }
    QCheckBox* KeyFrames() const { return m_keyCheck; }
    QLineEdit* KeyFrameEdit() const { return m_keyEdit; }
    QCheckBox* DataRate() const { return m_rateCheck; }
    QLineEdit* DataRateEdit() const { return m_rateEdit; }
    QPushButton* AboutButton() const { return m_about; }
    QPushButton* ConfigureButton() const { return m_configure; }

    void accept() override;

private:
    void Show();
    void Enable();
    void About();
    void Configure();

    CAviOptionsModel& m_model;
    AviOptions m_options;
    QComboBox* m_list;
    QLabel* m_qualityLabel;
    QSlider* m_quality;
    QLabel* m_low;
    QLabel* m_high;
    QPushButton* m_about;
    QPushButton* m_configure;
    QCheckBox* m_keyCheck;
    QLineEdit* m_keyEdit;
    QLabel* m_frames;
    QCheckBox* m_rateCheck;
    QLineEdit* m_rateEdit;
    QLabel* m_rateUnit;
};
