#pragma once

#include "ini/IniText.h"

#include <cstdint>

// The skin writer. Put* change Lines only; Write* also write the whole file at once.
class TIniFile1 : public IniText {
public:
    explicit TIniFile1(std::string fileName);

    void PutValue(std::string_view section, std::string_view ident, std::string_view value);
    void PutPair(std::string_view section, std::string_view ident, std::string_view a,
                 std::string_view b);
    void PutPairZeros(std::string_view section, std::string_view ident, std::string_view a,
                      std::string_view b);

    void WriteValue(std::string_view section, std::string_view ident, std::string_view value);
    void WriteValuePair(std::string_view section, std::string_view ident, std::string_view a,
                        std::string_view b);
    void WriteInteger(std::string_view section, std::string_view ident, std::int32_t n);
    void WriteIntPair(std::string_view section, std::string_view ident, std::int32_t x,
                      std::int32_t y);
    void WriteIntPairZeros(std::string_view section, std::string_view ident, std::int32_t x,
                           std::int32_t y);
};
