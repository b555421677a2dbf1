#include "app/dialogs/COnOffAmountDialog.h"
#include "app/widgets/DialogParts.h"
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

COnOffAmountDialog::COnOffAmountDialog(const Texts& texts, bool on, int amount, QWidget* parent)
    : QDialog(parent), m_on(new QRadioButton("On", this)), m_off(new QRadioButton("Off", this)),
      m_slider(new QSlider(Qt::Horizontal, this)), m_extra(new QVBoxLayout)
{
    setWindowTitle(texts.title);
    m_slider->setRange(texts.minimum, texts.maximum);
    m_slider->setValue(std::clamp(amount, texts.minimum, texts.maximum));
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setPageStep(1);

    auto* modes = OnOffRow(m_on, m_off, on);

    auto* group = new QGroupBox(texts.group, this);
    auto* scale = new QHBoxLayout(group);
    scale->addWidget(new QLabel(texts.left, group));
    scale->addWidget(m_slider, 1);
    scale->addWidget(new QLabel(texts.right, group));

    auto* buttons = OkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addWidget(group);
    layout->addLayout(m_extra);
    layout->addWidget(buttons);
    setMinimumWidth(240);
    UseDialogFrame(this);
}

bool COnOffAmountDialog::IsOn() const
{
    return m_on->isChecked();
}

int COnOffAmountDialog::Amount() const
{
    return m_slider->value();
}
