// The INI-style registry view over HKEY_CURRENT_USER\<key>: one object per
// load, save or mailbox access; destroying it closes the key.
#pragma once

#include "settings/ini_file.h"

#include <windows.h>

namespace ui {

class RegIniFile final : public veldo::IniFile {
public:
    // Opens the key with full access, creating it when absent. A key that
    // cannot be opened is no error here: reads give their defaults and
    // writes fail.
    explicit RegIniFile(const char *keyName);
    RegIniFile(const RegIniFile &) = delete;
    RegIniFile &operator=(const RegIniFile &) = delete;
    ~RegIniFile() override;

    std::string ReadString(std::string_view section, std::string_view ident,
                           std::string_view defaultValue) override;
    void WriteString(std::string_view section, std::string_view ident, std::string_view value) override;
    void EraseSection(std::string_view section) override;

private:
    HKEY key_ = nullptr;
};

} // namespace ui
