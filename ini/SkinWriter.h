#pragma once

#include "ini/IniText.h"

#include <cstdint>

// The skin writer. Put* change Lines only; Write* also write the whole file at once.
class SkinWriter : public IniText {
public:
    explicit SkinWriter(std::string fileName);
    // A writer on fileName that starts from the given text instead of the file's.
    SkinWriter(std::string fileName, std::vector<std::string> lines);

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
