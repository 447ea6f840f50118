#pragma once

#include "ini/IniText.h"

#include <cstdint>

// The pair reader: the first or the second number of a key line such as
// "position = 12, 40, 0, 0". It never changes the text, so it never writes on release.
class PairReader : public IniText {
public:
    explicit PairReader(std::string fileName);
    // Reads the given text instead of the file.
    PairReader(std::string fileName, std::vector<std::string> lines);

    std::string ReadFirst(std::string_view section, std::string_view ident,
                          std::string_view fallback) const;
    std::string ReadSecond(std::string_view section, std::string_view ident,
                           std::string_view fallback) const;
    std::string ReadSecondBeforeComment(std::string_view section, std::string_view ident,
                                        std::string_view fallback) const;
    std::string ReadSecondBeforeZeros(std::string_view section, std::string_view ident,
                                      std::string_view fallback) const;

    std::int32_t ReadFirstInt(std::string_view section, std::string_view ident,
                              std::int32_t fallback) const;
    std::int32_t ReadSecondInt(std::string_view section, std::string_view ident,
                               std::int32_t fallback) const;
    std::int32_t ReadSecondIntBeforeComment(std::string_view section, std::string_view ident,
                                            std::int32_t fallback) const;
    std::int32_t ReadSecondIntBeforeZeros(std::string_view section, std::string_view ident,
                                          std::int32_t fallback) const;

private:
    enum class Cut { First, Second, SecondBeforeComment, SecondBeforeZeros };

    std::optional<std::string_view> valueText(std::string_view section, std::string_view ident,
                                              Cut cut) const;
    std::string readText(std::string_view section, std::string_view ident,
                         std::string_view fallback, Cut cut) const;
    std::int32_t readInt(std::string_view section, std::string_view ident, std::int32_t fallback,
                         Cut cut) const;
};
