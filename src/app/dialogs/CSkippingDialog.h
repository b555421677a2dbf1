#pragma once
#include "app/dialogs/COnOffAmountDialog.h"
#include <functional>

class CSpinEdit;

// "Skipping": the amount slider and the skip multiplier; OK refuses a multiplier that is not a
// whole number from 1 to 10.
class CSkippingDialog : public COnOffAmountDialog {
    Q_OBJECT
public:
    CSkippingDialog(bool on, int slider, int multiplier, QWidget* parent = nullptr);

    int Multiplier() const;
    CSpinEdit* MultiplierEdit() const { return m_multiplier; }
    // Shows a refusal; a message box unless replaced.
    std::function<void(const QString&)> m_warn;

    void accept() override;

private:
    CSpinEdit* m_multiplier;
};
