#include "app/dialogs/CSkippingDialog.h"
#include "app/widgets/CSpinEdit.h"
#include "app/widgets/DialogParts.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CSkippingDialog::CSkippingDialog(bool on, int slider, int multiplier, QWidget* parent)
    : COnOffAmountDialog({"Skipping", "Amount of Skip", "Little", "Much", 1, 10}, on, slider, parent),
      m_multiplier(new CSpinEdit(1, 10, multiplier, this))
{
    m_warn = [this](const QString& text) { ShowRangeMessage(this, text); };
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Skip multiplier:", this));
    row->addWidget(m_multiplier);
    row->addStretch();
    ExtraRows()->addLayout(row);
    UseDialogFrame(this);
}

int CSkippingDialog::Multiplier() const
{
    return m_multiplier->Value().value_or(1);
}

void CSkippingDialog::accept()
{
    if (m_multiplier->Validate(m_warn))
        QDialog::accept();
}
