#include "app/shell/CQtProfile.h"

namespace {
QString Key(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}
} // namespace

CQtProfile::CQtProfile()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "quillhollow", "Daubrix"))
{
}

CQtProfile::CQtProfile(const QString& iniPath) : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

int CQtProfile::GetInt(const std::string& section, const std::string& key, int def)
{
    bool ok = false;
    // Values are 32-bit: a larger number in the file wraps like a stored DWORD would.
    qlonglong v = m_settings->value(Key(section, key)).toLongLong(&ok);
    return ok ? static_cast<int>(static_cast<uint32_t>(v)) : def;
}

void CQtProfile::SetInt(const std::string& section, const std::string& key, int value)
{
    m_settings->setValue(Key(section, key), value);
}

std::string CQtProfile::GetString(const std::string& section, const std::string& key, const std::string& def)
{
    QVariant v = m_settings->value(Key(section, key));
    return v.isValid() ? v.toString().toStdString() : def;
}

void CQtProfile::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    m_settings->setValue(Key(section, key), QString::fromStdString(value));
}

bool CQtProfile::Flush()
{
    m_settings->sync();
    return m_settings->status() != QSettings::AccessError;
}
