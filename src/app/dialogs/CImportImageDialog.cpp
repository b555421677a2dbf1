#include "app/dialogs/CImportImageDialog.h"
#include "app/widgets/DialogParts.h"
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

namespace {

// A group of radio buttons of which exactly one is checked.
QGroupBox* ChoiceGroup(const QString& title, std::initializer_list<QRadioButton*> buttons, QWidget* owner)
{
    auto* group = new QGroupBox(title);
    auto* column = new QVBoxLayout(group);
    auto* exclusive = new QButtonGroup(owner);
    for (QRadioButton* b : buttons) {
        exclusive->addButton(b);
        column->addWidget(b);
    }
    return group;
}

// A 1..10 slider between "fewer" and "more".
QSlider* FewerMoreSlider(int position, QGridLayout* grid, int row, QLabel*& fewer, QLabel*& more)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(1, 10);
    slider->setValue(std::clamp(position, 1, 10));
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    slider->setMinimumWidth(150);
    fewer = new QLabel(QStringLiteral("fewer"));
    more = new QLabel(QStringLiteral("more"));
    grid->addWidget(slider, row, 0, 1, 2);
    grid->addWidget(fewer, row + 1, 0, Qt::AlignLeft);
    grid->addWidget(more, row + 1, 1, Qt::AlignRight);
    return slider;
}

} // namespace

CImportImageDialog::CImportImageDialog(const CImportSettings& s, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Import Image"));
    auto radio = [](const char* text) { return new QRadioButton(QString::fromLatin1(text)); };

    m_preserve = radio("Preserve image colors");
    m_newColors = radio("Use new colors");
    QGroupBox* colors = ChoiceGroup(QStringLiteral("Colors"), {m_preserve, m_newColors}, this);
    auto* colorGrid = new QGridLayout;
    m_colors = FewerMoreSlider(s.m_importColorCount, colorGrid, 0, m_fewerColors, m_moreColors);
    static_cast<QVBoxLayout*>(colors->layout())->addLayout(colorGrid);
    (s.m_importPreserveColors ? m_preserve : m_newColors)->setChecked(true);
    connect(m_preserve, &QRadioButton::toggled, this, [this] { UpdateColorSlider(); });

    m_ordered = radio("Ordered");
    m_fromImage = radio("Get order from image");
    QGroupBox* order = ChoiceGroup(QStringLiteral("Glob order"), {m_ordered, m_fromImage}, this);
    (s.m_importOrderFromImage ? m_fromImage : m_ordered)->setChecked(true);

    m_keep = radio("Keep");
    m_remove = radio("Remove");
    QGroupBox* background = ChoiceGroup(QStringLiteral("Background"), {m_keep, m_remove}, this);
    (s.m_importRemoveBackground ? m_remove : m_keep)->setChecked(true);

    auto* globs = new QGroupBox(QStringLiteral("Number of globs"));
    auto* globGrid = new QGridLayout(globs);
    QLabel *fewer = nullptr, *more = nullptr;
    m_globs = FewerMoreSlider(s.m_importGlobCount, globGrid, 0, fewer, more);

    m_fit = radio("Fit drawing");
    m_squash = radio("Squash/Stretch");
    m_normal = radio("Normal");
    QGroupBox* size = ChoiceGroup(QStringLiteral("Size"), {m_fit, m_squash, m_normal}, this);
    (s.m_importFit ? m_fit : s.m_importSquash ? m_squash : m_normal)->setChecked(true);

    auto* left = new QVBoxLayout;
    left->addWidget(colors);
    left->addWidget(order);
    left->addWidget(background);
    auto* right = new QVBoxLayout;
    right->addWidget(globs);
    right->addWidget(size);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(OkCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateColorSlider();
    UseDialogFrame(this);
}

void CImportImageDialog::UpdateColorSlider()
{
    const bool on = m_preserve->isChecked();
    m_colors->setEnabled(on);
    m_fewerColors->setEnabled(on);
    m_moreColors->setEnabled(on);
}

CImportSettings CImportImageDialog::Settings() const
{
    CImportSettings s;
    s.m_importPreserveColors = m_preserve->isChecked() ? 1 : 0;
    s.m_importOrderFromImage = m_fromImage->isChecked() ? 1 : 0;
    s.m_importRemoveBackground = m_remove->isChecked() ? 1 : 0;
    s.m_importGlobCount = m_globs->value();
    s.m_importColorCount = m_colors->value();
    s.m_importFit = m_fit->isChecked() ? 1 : 0;
    s.m_importSquash = m_squash->isChecked() ? 1 : 0;
    return s;
}
