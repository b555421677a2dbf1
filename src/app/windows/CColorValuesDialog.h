#pragma once
#include "core/panels/CColorValues.h"
#include <QDialog>
#include <optional>

class CRangeSpinBox;
class IHost;
class CSwatchFrame;
class QPushButton;

// "Enter Color Values": the current colour as hue/saturation/value and as red/green/blue, two
// conversion buttons and a swatch that follows the typing.
class CColorValuesDialog : public QDialog {
    Q_OBJECT
public:
    CColorValuesDialog(IHost& host, HsvColor current, QWidget* parent = nullptr);

    // Runs the dialog; the new current colour on OK.
    static std::optional<HsvColor> Ask(IHost& host, HsvColor current, QWidget* parent);

    // The numbers as the spin arrows hold them.
    CColorValues Positions() const;
    // The colour handed back after OK.
    HsvColor ResultColor() const { return CColorValues::Result(m_opened, m_accepted); }
    QColor SwatchColor() const;

    void HsvToRgb();
    void RgbToHsv();
    // Checks all six numbers; on the first bad one shows the message, focuses it and stays open.
    void accept() override;

private:
    CRangeSpinBox* AddEdit(int lo, int hi, int value, const QRect& r, const char* name);

    IHost& m_host;
    CColorValues m_opened;
    CColorValues m_accepted;
    CRangeSpinBox* m_edits[6] = {};
    CSwatchFrame* m_swatch = nullptr;
};
