#include "settings/ini_file.h"

#include <string>

namespace veldo {

std::string InvalidDataTypeMessage(std::string_view ident) {
    return "Invalid data type for '" + std::string(ident) + "'";
}

std::optional<int32_t> ParseRegistryInteger(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    // One past the largest magnitude keeps the accumulator far from its own
    // limit however many leading zeros or digits follow.
    const int64_t limit = negative ? int64_t{2147483648} : int64_t{2147483647};
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view ident, int32_t defaultValue) {
    // An absent value comes back as the default's own text, which parses back
    // to the default, so absence needs no separate test.
    const std::string text = ReadString(section, ident, std::to_string(defaultValue));
    return ParseRegistryInteger(text).value_or(defaultValue);
}

void IniFile::WriteInteger(std::string_view section, std::string_view ident, int32_t value) {
    WriteString(section, ident, std::to_string(value));
}

} // namespace veldo
