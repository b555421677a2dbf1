#include "app/dialogs/CPatternDialog.h"
#include "app/widgets/DialogParts.h"
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

CPatternDialog::CPatternDialog(bool on, bool preserveColors, QWidget* parent)
    : QDialog(parent), m_on(new QRadioButton("On", this)), m_off(new QRadioButton("Off", this))
{
    setWindowTitle("Pattern");
    auto* modes = OnOffRow(m_on, m_off, on);

    auto* group = new QGroupBox("Colors", this);
    m_preserve = new QRadioButton("Preserve colors", group);
    m_newColors = new QRadioButton("Use new colors", group);
    (preserveColors ? m_preserve : m_newColors)->setChecked(true);
    auto* column = new QVBoxLayout(group);
    column->addWidget(m_preserve);
    column->addWidget(m_newColors);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addWidget(group);
    layout->addWidget(OkCancelButtons(this));
    setMinimumWidth(220);
    UseDialogFrame(this);
}

bool CPatternDialog::IsOn() const
{
    return m_on->isChecked();
}

bool CPatternDialog::PreserveColors() const
{
    return m_preserve->isChecked();
}
