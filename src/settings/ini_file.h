// The INI-style view of the registry key "VELDO": sections are subkeys and
// every value is a string. The Windows program implements it over the real
// registry; the tests over a map.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace veldo {

inline constexpr const char *kRegistryKey = "VELDO";
inline constexpr const char *kSectionOptions = "Options";
inline constexpr const char *kSectionMsg = "Msg";
inline constexpr const char *kIdentCommandline = "Commandline";
inline constexpr const char *kIdentWindowCaption = "WindowCaption";

// A failed registry access; its text is what the user is shown.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Invalid data type for '<ident>'": a value stored as something other than
// a string.
std::string InvalidDataTypeMessage(std::string_view ident);

// Plain decimal text with an optional sign, within 32 bits; anything else
// (blanks, other number forms, overflow) is no integer.
std::optional<int32_t> ParseRegistryInteger(std::string_view text);

class IniFile {
public:
    virtual ~IniFile() = default;
    // The default when the section or the value is absent. A value of
    // another registry type throws RegistryError.
    virtual std::string ReadString(std::string_view section, std::string_view ident,
                                   std::string_view defaultValue) = 0;
    // Creates the section when needed.
    virtual void WriteString(std::string_view section, std::string_view ident, std::string_view value) = 0;
    // Deletes the section with all its values; an absent one is no error.
    virtual void EraseSection(std::string_view section) = 0;

    // The default also when the text is no integer.
    int32_t ReadInteger(std::string_view section, std::string_view ident, int32_t defaultValue);
    void WriteInteger(std::string_view section, std::string_view ident, int32_t value);
};

} // namespace veldo
