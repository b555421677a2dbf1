#include "app/dialogs/CTwoChoiceDialog.h"
#include "app/widgets/DialogParts.h"
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CTwoChoiceDialog::CTwoChoiceDialog(const Texts& texts, bool first, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(texts.title);
    auto* group = new QGroupBox(texts.group, this);
    m_first = new QRadioButton(texts.first, group);
    m_second = new QRadioButton(texts.second, group);
    (first ? m_first : m_second)->setChecked(true);
    auto* column = new QVBoxLayout(group);
    column->addWidget(m_first);
    column->addWidget(m_second);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(OkCancelButtons(this));
    setMinimumWidth(260);
    UseDialogFrame(this);
}

bool CTwoChoiceDialog::First() const
{
    return m_first->isChecked();
}
