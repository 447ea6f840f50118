#pragma once

#include "ini/IniText.h"

// The settings file: single values read and written in place.
class SettingsFile : public IniText {
public:
    explicit SettingsFile(std::string fileName);

    std::string ReadValue(std::string_view section, std::string_view ident,
                          std::string_view fallback) const;
    void PutValue(std::string_view section, std::string_view ident, std::string_view value);
    void WriteValue(std::string_view section, std::string_view ident, std::string_view value);
};
