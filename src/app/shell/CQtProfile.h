#pragma once
#include "core/base/IProfile.h"
#include <QSettings>
#include <QString>
#include <memory>

// The per-user settings in an INI file: organisation "quillhollow", application "Daubrix"
// (~/.config/quillhollow/Daubrix.ini), or a given file for tests.
class CQtProfile : public IProfile {
public:
    CQtProfile();
    explicit CQtProfile(const QString& iniPath);

    int GetInt(const std::string& section, const std::string& key, int def) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    std::string GetString(const std::string& section, const std::string& key, const std::string& def) override;
    void SetString(const std::string& section, const std::string& key, const std::string& value) override;

    bool Flush() override;
    std::string Location() const override { return m_settings->fileName().toStdString(); }

    void Sync() { m_settings->sync(); }
    QSettings& Settings() { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
};
