#pragma once
#include <string>

// Per-user settings store (sections of integer and text values).
class IProfile {
public:
    virtual ~IProfile() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int def) = 0;
    virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& def) = 0;
    virtual void SetString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
    // Writes what was set to lasting storage; false when it could not be written.
    virtual bool Flush() { return true; }
    // Where the values are kept, for messages ("" when nowhere in particular).
    virtual std::string Location() const { return {}; }
};
