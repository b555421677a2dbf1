#pragma once
#include <QDialog>
#include <functional>

class CNumberSpinBox;
struct CShellSettings;

// Edit > Preferences: the program's own settings. OK refuses a box outside its range and
// otherwise stores all three.
class CPreferencesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxAutoSaveMinutes = 1440;

    CPreferencesDialog(const CShellSettings& settings, QWidget* parent = nullptr);

    CNumberSpinBox* UndoLevels() const { return m_levels; }
    CNumberSpinBox* AutoSaveMinutes() const { return m_minutes; }
    CNumberSpinBox* PlaybackSeconds() const { return m_seconds; }
    // Puts the accepted values into settings.
    void Store(CShellSettings& settings) const;
    // Shows a refusal; a message box unless replaced.
    std::function<void(const QString&)> m_warn;

    void accept() override;

private:
    CNumberSpinBox* m_levels;
    CNumberSpinBox* m_minutes;
    CNumberSpinBox* m_seconds;
};
