#pragma once
#include "core/base/IProfile.h"
#include <map>
#include <string>
#include <utility>
#include <vector>

// Profile kept in memory; also records the order of writes (tests and the command-line tool use it).
class CMapProfile : public IProfile {
public:
    int GetInt(const std::string& section, const std::string& key, int def) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    std::string GetString(const std::string& section, const std::string& key, const std::string& def) override;
    void SetString(const std::string& section, const std::string& key, const std::string& value) override;

    bool Has(const std::string& section, const std::string& key) const;

    std::map<std::pair<std::string, std::string>, std::string> m_values;
    std::vector<std::pair<std::string, std::string>> m_writeOrder;
};
