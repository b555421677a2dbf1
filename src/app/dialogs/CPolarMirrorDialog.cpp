#include "app/dialogs/CPolarMirrorDialog.h"
#include "app/widgets/CSpinEdit.h"
#include "app/widgets/DialogParts.h"
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CPolarMirrorDialog::CPolarMirrorDialog(bool on, int count, QWidget* parent)
    : QDialog(parent), m_on(new QRadioButton("On", this)), m_off(new QRadioButton("Off", this)),
      m_count(new CSpinEdit(2, 50, count, this))
{
    setWindowTitle("Polar Mirror");
    m_warn = [this](const QString& text) { ShowRangeMessage(this, text); };
    auto* modes = OnOffRow(m_on, m_off, on);
    auto* number = new QHBoxLayout;
    number->addWidget(new QLabel("Number:", this));
    number->addWidget(m_count);
    number->addStretch();
    auto* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addLayout(number);
    layout->addWidget(buttons);
    setMinimumWidth(200);
    UseDialogFrame(this);
}

bool CPolarMirrorDialog::IsOn() const
{
    return m_on->isChecked();
}

int CPolarMirrorDialog::Count() const
{
    return m_count->Value().value_or(5);
}

void CPolarMirrorDialog::accept()
{
    if (m_count->Validate(m_warn))
        QDialog::accept();
}
