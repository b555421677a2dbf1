#include "app/dialogs/CJpegSettingsDialog.h"
#include "app/widgets/DialogParts.h"
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

CJpegSettingsDialog::CJpegSettingsDialog(int position, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("JPEG settings"));
    auto* group = new QGroupBox(QStringLiteral("Image Quality"));
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName(QStringLiteral("quality"));
    m_slider->setRange(1, 20);
    m_slider->setValue(position);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setPageStep(4);
    m_slider->setMinimumWidth(220);

    auto* grid = new QGridLayout(group);
    auto* low = new QLabel(QStringLiteral("Low\n(smaller)"));
    low->setAlignment(Qt::AlignCenter);
    auto* high = new QLabel(QStringLiteral("High\n(larger)"));
    high->setAlignment(Qt::AlignCenter);
    grid->addWidget(low, 0, 0);
    grid->addWidget(m_slider, 0, 1);
    grid->addWidget(high, 0, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UseDialogFrame(this);
}

int CJpegSettingsDialog::Position() const
{
    return m_slider->value();
}
