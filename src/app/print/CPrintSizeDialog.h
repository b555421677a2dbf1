#pragma once
#include "core/print/CPrintSizeModel.h"
#include <QDialog>

class CPagePreview;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Drawing size on printer": the dots per unit and their unit, the printed size, centring and
// a picture of the page. The choices stay in Model(); the caller stores them on OK.
class CPrintSizeDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPrintSizeDialog(const CPrintSizeModel& model, QWidget* parent = nullptr);

    const CPrintSizeModel& Model() const { return m_model; }

    QSpinBox* DotsBox() const { return m_dots; }
    QComboBox* UnitBox() const { return m_units; }
    QLineEdit* WidthBox() const { return m_width; }
    QLineEdit* HeightBox() const { return m_height; }
    QLabel* WidthUnit() const { return m_widthUnit; }
    QLabel* HeightUnit() const { return m_heightUnit; }
    QCheckBox* CenterBox() const { return m_center; }
    QPushButton* MaxSizeButton() const { return m_maxSize; }
    CPagePreview* Preview() const { return m_preview; }

private:
    // Range and position of the up-down from the model, without a round trip through it.
    void ShowDots();
    void ShowSize();

    CPrintSizeModel m_model;
    QSpinBox* m_dots;
    QComboBox* m_units;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QLabel* m_widthUnit;
    QLabel* m_heightUnit;
    QCheckBox* m_center;
    QPushButton* m_maxSize;
    CPagePreview* m_preview;
};
