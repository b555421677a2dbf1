#include "app/dialogs/CDepthDialog.h"
#include "app/widgets/DialogParts.h"
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QSlider* DepthSlider(int value, QWidget* parent)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setRange(0, 25);
    s->setValue(std::clamp(value, 0, 25));
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    s->setPageStep(1);
    return s;
}

QGroupBox* RadioGroup(const QString& title, QRadioButton* a, QRadioButton* b, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    a->setParent(group);
    b->setParent(group);
    auto* column = new QVBoxLayout(group);
    column->addWidget(a);
    column->addWidget(b);
    return group;
}
} // namespace

CDepthDialog::CDepthDialog(const DepthChoice& preset, QWidget* parent)
    : QDialog(parent), m_entire(new QRadioButton("Entire Drawing")), m_lastSection(new QRadioButton("Last Section Only")),
      m_light(new QRadioButton("Light (deeper globs are darker)")), m_chroma(new QRadioButton("ChromaDepth (tm)")),
      m_bottom(DepthSlider(preset.bottom, this)), m_top(DepthSlider(preset.top, this)),
      m_dark(new QLabel("Dark", this)), m_bright(new QLabel("Light", this)), m_blue(new QLabel("Blue", this)),
      m_red(new QLabel("Red", this))
{
    setWindowTitle("Simulate Depth");
    (preset.entire ? m_entire : m_lastSection)->setChecked(true);
    (preset.light ? m_light : m_chroma)->setChecked(true);
    auto* range = RadioGroup("Apply Depth to", m_entire, m_lastSection, this);
    auto* method = RadioGroup("Simulate Depth Using", m_light, m_chroma, this);

    auto* depth = new QGroupBox("Depth Range", this);
    auto* grid = new QGridLayout(depth);
    grid->addWidget(new QLabel("Bottom", depth), 0, 0);
    grid->addWidget(m_bottom, 0, 1, 1, 2);
    grid->addWidget(new QLabel("Top", depth), 1, 0);
    grid->addWidget(m_top, 1, 1, 1, 2);
    grid->addWidget(m_dark, 2, 1, Qt::AlignLeft);
    grid->addWidget(m_blue, 2, 1, Qt::AlignLeft);
    grid->addWidget(m_bright, 2, 2, Qt::AlignRight);
    grid->addWidget(m_red, 2, 2, Qt::AlignRight);

    // Top stays above Bottom: the slider moved pushes the other one along.
    connect(m_bottom, &QSlider::valueChanged, this, [this](int v) {
        if (v >= m_top->value())
            m_bottom->setValue(m_top->value() - 1);
    });
    connect(m_top, &QSlider::valueChanged, this, [this](int v) {
        if (v <= m_bottom->value())
            m_top->setValue(m_bottom->value() + 1);
    });
    connect(m_light, &QRadioButton::toggled, this, &CDepthDialog::ShowMethodLabels);
    ShowMethodLabels();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addWidget(method);
    layout->addWidget(depth);
    layout->addWidget(OkCancelButtons(this));
    setMinimumWidth(300);
    UseDialogFrame(this);
}

void CDepthDialog::ShowMethodLabels()
{
    const bool light = m_light->isChecked();
    m_dark->setVisible(light);
    m_bright->setVisible(light);
    m_blue->setVisible(!light);
    m_red->setVisible(!light);
}

QString CDepthDialog::EndLabels() const
{
    QStringList shown;
    for (QLabel* l : {m_dark, m_blue, m_bright, m_red})
        if (!l->isHidden())
            shown << l->text();
    return shown.join('/');
}

DepthChoice CDepthDialog::Choice() const
{
    return {m_entire->isChecked(), m_light->isChecked(), m_bottom->value(), m_top->value()};
}
