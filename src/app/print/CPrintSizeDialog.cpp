#include "app/print/CPrintSizeDialog.h"
#include "app/widgets/DialogParts.h"
#include "app/print/CPagePreview.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

CPrintSizeDialog::CPrintSizeDialog(const CPrintSizeModel& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_dots(new QSpinBox), m_units(new QComboBox), m_width(new QLineEdit),
      m_height(new QLineEdit), m_widthUnit(new QLabel), m_heightUnit(new QLabel),
      m_center(new QCheckBox(QStringLiteral("Center on page"))), m_maxSize(new QPushButton(QStringLiteral("Max size"))),
      m_preview(new CPagePreview(m_model))
{
    setWindowTitle(QStringLiteral("Drawing size on printer"));
    m_dots->setObjectName(QStringLiteral("dotsPerUnit"));
    m_units->setObjectName(QStringLiteral("units"));
    for (PrintUnit u : {PrintUnit::Inch, PrintUnit::Cm, PrintUnit::Mm})
        m_units->addItem(QString::fromLatin1(UnitEntry(u)));
    m_units->setCurrentIndex(static_cast<int>(m_model.Unit()));
    for (QLineEdit* e : {m_width, m_height}) {
        e->setReadOnly(true);
        e->setMaximumWidth(64);
    }
    m_center->setChecked(m_model.Center());

    auto* dotsGroup = new QGroupBox(QStringLiteral("Dots per unit"));
    auto* dotsRow = new QHBoxLayout(dotsGroup);
    dotsRow->addWidget(m_dots);
    dotsRow->addWidget(new QLabel(QStringLiteral("per")));
    dotsRow->addWidget(m_units);
    auto* sizeGroup = new QGroupBox(QStringLiteral("Size on printer"));
    auto* sizeGrid = new QGridLayout(sizeGroup);
    sizeGrid->addWidget(new QLabel(QStringLiteral("width:")), 0, 0);
    sizeGrid->addWidget(m_width, 0, 1);
    sizeGrid->addWidget(m_widthUnit, 0, 2);
    sizeGrid->addWidget(new QLabel(QStringLiteral("height:")), 1, 0);
    sizeGrid->addWidget(m_height, 1, 1);
    sizeGrid->addWidget(m_heightUnit, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(dotsGroup);
    left->addWidget(sizeGroup);
    left->addWidget(m_center);
    left->addWidget(m_maxSize, 0, Qt::AlignLeft);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(m_preview, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(OkCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowDots();
    ShowSize();
    connect(m_dots, &QSpinBox::valueChanged, this, [this](int v) {
        m_model.SetDots(v);
        ShowSize();
    });
    connect(m_units, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_model.SetUnit(UnitFromIndex(i));
        ShowDots();
        ShowSize();
    });
    connect(m_center, &QCheckBox::toggled, this, [this](bool on) {
        m_model.SetCenter(on);
        m_preview->update();
    });
    connect(m_maxSize, &QPushButton::clicked, this, [this] {
        m_model.MaxSize();
        ShowDots();
        ShowSize();
    });
}

void CPrintSizeDialog::ShowDots()
{
    const QSignalBlocker quiet(m_dots);
    m_dots->setRange(m_model.Minimum(), m_model.Maximum());
    m_dots->setValue(m_model.Dots());
}

void CPrintSizeDialog::ShowSize()
{
    m_width->setText(QString::fromStdString(m_model.WidthText()));
    m_height->setText(QString::fromStdString(m_model.HeightText()));
    m_widthUnit->setText(QString::fromLatin1(m_model.UnitText()));
    m_heightUnit->setText(QString::fromLatin1(m_model.UnitText()));
    m_preview->update();
}
