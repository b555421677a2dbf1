#include "app/dialogs/CLoadBackgroundDialog.h"
#include "app/widgets/DialogParts.h"
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CLoadBackgroundDialog::CLoadBackgroundDialog(BackgroundSizing sizing, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Load Background Image"));
    auto* group = new QGroupBox(QStringLiteral("Size"));
    // Wide enough for the title bar to show the whole title.
    group->setMinimumWidth(260);
    m_fit = new QRadioButton(QStringLiteral("Fit drawing"));
    m_squash = new QRadioButton(QStringLiteral("Squash/Stretch"));
    m_normal = new QRadioButton(QStringLiteral("Normal"));
    // One choice at a time: a click checks its own button and unchecks the others.
    auto* exclusive = new QButtonGroup(this);
    auto* column = new QVBoxLayout(group);
    for (QRadioButton* b : {m_fit, m_squash, m_normal}) {
        exclusive->addButton(b);
        column->addWidget(b);
    }
    Button(sizing)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UseDialogFrame(this);
}

BackgroundSizing CLoadBackgroundDialog::Sizing() const
{
    if (m_fit->isChecked())
        return BackgroundSizing::Fit;
    if (m_squash->isChecked())
        return BackgroundSizing::SquashStretch;
    return BackgroundSizing::Normal;
}

QRadioButton* CLoadBackgroundDialog::Button(BackgroundSizing sizing) const
{
    switch (sizing) {
    case BackgroundSizing::Fit: return m_fit;
    case BackgroundSizing::SquashStretch: return m_squash;
    case BackgroundSizing::Normal: break;
    }
    return m_normal;
}
