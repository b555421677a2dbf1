#include "core/base/CMapProfile.h"
#include <cstdlib>

int CMapProfile::GetInt(const std::string& section, const std::string& key, int def)
{
    auto it = m_values.find({section, key});
    if (it == m_values.end())
        return def;
    return static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
}

void CMapProfile::SetInt(const std::string& section, const std::string& key, int value)
{
    SetString(section, key, std::to_string(value));
}

std::string CMapProfile::GetString(const std::string& section, const std::string& key, const std::string& def)
{
    auto it = m_values.find({section, key});
    return it == m_values.end() ? def : it->second;
}

void CMapProfile::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    m_values[{section, key}] = value;
    m_writeOrder.emplace_back(section, key);
}

bool CMapProfile::Has(const std::string& section, const std::string& key) const
{
    return m_values.count({section, key}) != 0;
}
