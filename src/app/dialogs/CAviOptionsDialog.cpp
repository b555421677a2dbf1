#include "app/dialogs/CAviOptionsDialog.h"
#include "app/widgets/DialogParts.h"
#include "core/movie/VideoCompressors.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QComboBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

CAviOptionsDialog::CAviOptionsDialog(CAviOptionsModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle("AVI Options");
    m_list = new QComboBox;
    m_list->setObjectName("compressor");
    m_list->setMinimumWidth(220);
    for (const CompressorInfo& c : m_model.List())
        m_list->addItem(QString::fromStdString(c.description), c.handler);
    auto* listLabel = new QLabel("&Compressor");
    listLabel->setBuddy(m_list);

    m_quality = new QSlider(Qt::Horizontal);
    m_quality->setObjectName("quality");
    m_quality->setRange(0, 10000);
    m_quality->setPageStep(100);
    m_qualityLabel = new QLabel("Compression &Quality");
    m_qualityLabel->setBuddy(m_quality);
    m_low = new QLabel("Low");
    m_high = new QLabel("High");
    m_about = new QPushButton("&About");
    m_configure = new QPushButton("&Configure");
    m_keyCheck = new QCheckBox("&Key Frame Every");
    m_keyEdit = new QLineEdit;
    m_keyEdit->setObjectName("keyEvery");
    m_frames = new QLabel("&Frames");
    m_frames->setBuddy(m_keyEdit);
    m_rateCheck = new QCheckBox("&Data Rate");
    m_rateEdit = new QLineEdit;
    m_rateEdit->setObjectName("dataRate");
    m_rateUnit = new QLabel("Kb/s&ec");
    m_rateUnit->setBuddy(m_rateEdit);
    for (QLineEdit* e : {m_keyEdit, m_rateEdit})
        e->setMaximumWidth(70);

    auto* grid = new QGridLayout;
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(m_list, 0, 1, 1, 3);
    grid->addWidget(m_qualityLabel, 1, 0, 1, 4);
    grid->addWidget(m_low, 2, 0);
    grid->addWidget(m_quality, 2, 1, 1, 2);
    grid->addWidget(m_high, 2, 3);
    grid->addWidget(m_keyCheck, 3, 0);
    grid->addWidget(m_keyEdit, 3, 1);
    grid->addWidget(m_frames, 3, 2);
    grid->addWidget(m_rateCheck, 4, 0);
    grid->addWidget(m_rateEdit, 4, 1);
    grid->addWidget(m_rateUnit, 4, 2);
    auto* side = new QVBoxLayout;
    side->addWidget(m_about);
    side->addWidget(m_configure);
    side->addStretch();
    auto* row = new QHBoxLayout;
    row->addLayout(grid);
    row->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(OkCancelButtons(this));

    m_list->setCurrentIndex(m_model.Selection());
    Show();
    connect(m_list, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_model.Select(i);
        Show();
    });
    connect(m_quality, &QSlider::valueChanged, this, [this](int v) { m_model.quality = v; });
    connect(m_keyCheck, &QCheckBox::toggled, this, [this](bool on) { m_model.keyFramesOn = on; });
    connect(m_rateCheck, &QCheckBox::toggled, this, [this](bool on) { m_model.dataRateOn = on; });
    connect(m_keyEdit, &QLineEdit::textEdited, this, [this](const QString& t) { m_model.keyFrameText = t.toStdString(); });
    connect(m_rateEdit, &QLineEdit::textEdited, this, [this](const QString& t) { m_model.dataRateText = t.toStdString(); });
    connect(m_about, &QPushButton::clicked, this, &CAviOptionsDialog::About);
    connect(m_configure, &QPushButton::clicked, this, &CAviOptionsDialog::Configure);
    UseDialogFrame(this);
}

// The model's values into the controls.
void CAviOptionsDialog::Show()
{
    const QSignalBlocker b1(m_quality), b2(m_keyCheck), b3(m_rateCheck);
    m_quality->setValue(m_model.quality);
    m_keyCheck->setChecked(m_model.keyFramesOn);
    m_keyEdit->setText(QString::fromStdString(m_model.keyFrameText));
    m_rateCheck->setChecked(m_model.dataRateOn);
    m_rateEdit->setText(QString::fromStdString(m_model.dataRateText));
    Enable();
}

void CAviOptionsDialog::Enable()
{
    m_list->setEnabled(m_model.ListEnabled());
    m_about->setEnabled(m_model.AboutEnabled());
    m_configure->setEnabled(m_model.ConfigureEnabled());
    for (QWidget* w : {static_cast<QWidget*>(m_keyCheck), static_cast<QWidget*>(m_keyEdit), static_cast<QWidget*>(m_frames)})
        w->setEnabled(m_model.KeyFramesEnabled());
    for (QWidget* w : {static_cast<QWidget*>(m_rateCheck), static_cast<QWidget*>(m_rateEdit), static_cast<QWidget*>(m_rateUnit)})
        w->setEnabled(m_model.DataRateEnabled());
    for (QWidget* w : {static_cast<QWidget*>(m_quality), static_cast<QWidget*>(m_qualityLabel), static_cast<QWidget*>(m_low),
                       static_cast<QWidget*>(m_high)})
        w->setEnabled(m_model.QualityEnabled());
}

void CAviOptionsDialog::About()
{
    if (const CompressorInfo* c = m_model.Selected())
        QMessageBox::about(this, "About " + QString::fromStdString(c->description),
                           QString::fromStdString(CompressorAbout(*c)));
}

void CAviOptionsDialog::Configure()
{
    const CompressorInfo* c = m_model.Selected();
    if (!c || !c->canConfigure)
        return;
    QStringList presets;
    for (const std::string& p : CompressorPresets(*c))
        presets << QString::fromStdString(p);
    const std::string current = m_model.state.empty() ? DefaultPreset(*c)
                                                      : std::string(m_model.state.begin(), m_model.state.end());
    bool ok = false;
    const QString chosen = QInputDialog::getItem(this, "Configure " + QString::fromStdString(c->description),
                                                 "Speed (faster makes larger files):", presets,
                                                 std::max<int>(0, static_cast<int>(presets.indexOf(QString::fromStdString(current)))),
                                                 false, &ok);
    if (ok) {
        const std::string s = chosen.toStdString();
        m_model.state.assign(s.begin(), s.end());
    }
}

void CAviOptionsDialog::accept()
{
    AviOptions options = m_options;
    switch (m_model.Accept(options)) {
    case CAviOptionsModel::Invalid::None:
        m_options = options;
        QDialog::accept();
        return;
    case CAviOptionsModel::Invalid::KeyFrameEvery: m_keyEdit->setFocus(); break;
    case CAviOptionsModel::Invalid::DataRate: m_rateEdit->setFocus(); break;
    }
    QMessageBox box(QMessageBox::NoIcon, "Daubrix", CAviOptionsModel::kInvalidNumber, QMessageBox::Ok, this);
    box.exec();
}
