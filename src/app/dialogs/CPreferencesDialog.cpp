#include "app/dialogs/CPreferencesDialog.h"
#include "app/widgets/CNumberSpinBox.h"
#include "app/widgets/DialogParts.h"
#include "core/model/CUndoState.h"
#include "core/settings/CShellSettings.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
struct Box {
    CNumberSpinBox* edit;
    int minimum;
    int maximum;
};

QWidget* WithUnit(CNumberSpinBox* box, const char* unit, QWidget* parent)
{
    // Room for four digits beside the arrows.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 24);
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    layout->addWidget(new QLabel(unit, row), 1);
    return row;
}
} // namespace

CPreferencesDialog::CPreferencesDialog(const CShellSettings& settings, QWidget* parent)
    : QDialog(parent), m_levels(new CNumberSpinBox(1, CUndoState::kMaxLevels, this)),
      m_minutes(new CNumberSpinBox(0, kMaxAutoSaveMinutes, this)),
      m_seconds(new CNumberSpinBox(1, CShellSettings::kMaxPlaybackSeconds, this))
{
    setWindowTitle("Preferences");
    m_levels->setObjectName("undoLevels");
    m_minutes->setObjectName("autoSaveMinutes");
    m_seconds->setObjectName("playbackSeconds");
    m_levels->SetValue(settings.m_undoLevels);
    m_minutes->SetValue(settings.m_autoSaveMinutes);
    m_seconds->SetValue(settings.m_playbackSeconds);

    auto* form = new QFormLayout;
    form->addRow("&Undo levels:", WithUnit(m_levels, "(1: Undo and Redo take turns)", this));
    form->addRow("&Recovery copy every:", WithUnit(m_minutes, "minutes (0: never)", this));
    form->addRow("&Playback length:", WithUnit(m_seconds, "seconds", this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(this));
    m_warn = [this](const QString& text) { ShowRangeMessage(this, text); };
    UseDialogFrame(this);
}

void CPreferencesDialog::accept()
{
    for (const Box& b : {Box{m_levels, 1, CUndoState::kMaxLevels}, Box{m_minutes, 0, kMaxAutoSaveMinutes},
                         Box{m_seconds, 1, CShellSettings::kMaxPlaybackSeconds}}) {
        const QString problem = NumberBoxMessage(b.edit->Text(), b.minimum, b.maximum);
        if (!problem.isEmpty()) {
            m_warn(problem);
            b.edit->setFocus();
            b.edit->selectAll();
            return;
        }
    }
    QDialog::accept();
}

void CPreferencesDialog::Store(CShellSettings& settings) const
{
    settings.m_undoLevels = m_levels->Text().toInt();
    settings.m_autoSaveMinutes = m_minutes->Text().toInt();
    settings.m_playbackSeconds = m_seconds->Text().toInt();
}
