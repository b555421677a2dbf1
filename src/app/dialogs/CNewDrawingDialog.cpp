#include "app/dialogs/CNewDrawingDialog.h"
#include "app/widgets/DialogParts.h"
#include "app/widgets/CNumberSpinBox.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CNewDrawingDialog::CNewDrawingDialog(int width, int height, bool locked, QWidget* parent)
    : QDialog(parent), m_model(width, height, locked)
{
    setWindowTitle("New Drawing");
    auto* top = new QHBoxLayout(this);

    auto* group = new QGroupBox("Drawing Size");
    auto* grid = new QGridLayout(group);
    const char* names[4] = {"1024 x 768", "800 x 600", "640 x 480", "400 x 400"};
    for (int i = 0; i < 4; ++i) {
        m_presets[i] = new QRadioButton(names[i]);
        grid->addWidget(m_presets[i], i, 0, 1, 2);
        connect(m_presets[i], &QRadioButton::clicked, this, [this, i] { ChoosePreset(i); });
    }
    m_widthBox = new CNumberSpinBox(CNewDrawingModel::kMin, CNewDrawingModel::kMax);
    m_heightBox = new CNumberSpinBox(CNewDrawingModel::kMin, CNewDrawingModel::kMax);
    auto* wl = new QLabel("Width:");
    auto* hl = new QLabel("Height:");
    wl->setBuddy(m_widthBox);
    hl->setBuddy(m_heightBox);
    grid->addWidget(wl, 4, 0);
    grid->addWidget(m_widthBox, 4, 1);
    grid->addWidget(hl, 5, 0);
    grid->addWidget(m_heightBox, 5, 1);
    m_lock = new QCheckBox("Lock aspect ratio");
    grid->addWidget(m_lock, 6, 0, 1, 2);
    top->addWidget(group);

    auto* buttons = new QDialogButtonBox(Qt::Vertical);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewDrawingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewDrawingDialog::reject);
    auto* side = new QVBoxLayout;
    side->addWidget(buttons);
    side->addStretch();
    top->addLayout(side);

    // The greyed height box reads as disabled text on the button face.
    QPalette pal = m_heightBox->palette();
    pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Button));
    pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Disabled, QPalette::WindowText));
    m_heightBox->setPalette(pal);

    m_widthBox->SetValue(width);
    m_heightBox->SetValue(height);
    m_lock->setChecked(locked);
    connect(m_widthBox, &CNumberSpinBox::TextEdited, this, &CNewDrawingDialog::OnWidthEdited);
    connect(m_lock, &QCheckBox::clicked, this, &CNewDrawingDialog::ApplyLock);
    m_model.FinishSetUp(m_widthBox->Position(), m_heightBox->Position());
    ApplyLock();
    m_widthBox->setFocus();
    UseDialogFrame(this);
}

void CNewDrawingDialog::ApplyLock()
{
    m_model.ApplyLock(m_lock->isChecked(), m_widthBox->Position(), m_heightBox->Position());
    m_heightBox->setEnabled(!m_model.m_locked);
}

void CNewDrawingDialog::ChoosePreset(int index)
{
    m_model.Preset(index);
    int h = m_model.m_height;
    m_widthBox->SetValue(m_model.m_width);
    m_heightBox->SetValue(h);   // the width edit may have moved it by the old ratio
    ApplyLock();
}

void CNewDrawingDialog::OnWidthEdited(const QString& text)
{
    if (auto h = m_model.WidthEdited(text.toStdString()))
        m_heightBox->SetText(QString::fromStdString(*h));
}

void CNewDrawingDialog::accept()
{
    std::string message;
    int bad = 0;
    if (!m_model.Accept(m_widthBox->Text().toStdString(), m_heightBox->Text().toStdString(), message, bad)) {
        m_lastMessage = QString::fromStdString(message);
        if (m_showMessages)
            QMessageBox::warning(this, "Daubrix", m_lastMessage);
        CNumberSpinBox* box = bad == 0 ? m_widthBox : m_heightBox;
        box->setFocus();
        box->selectAll();
        return;
    }
    m_model.m_locked = m_lock->isChecked();
    m_lastMessage.clear();
    QDialog::accept();
}
