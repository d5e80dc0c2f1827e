#include "ui/reg_ini_file.h"

#include <string>

namespace ui {

namespace {

// Closes a section's key on every way out.
class SectionKey {
public:
    SectionKey() = default;
    SectionKey(const SectionKey &) = delete;
    SectionKey &operator=(const SectionKey &) = delete;
    ~SectionKey() {
        if (key)
            RegCloseKey(key);
    }
    HKEY key = nullptr;
};

} // namespace

RegIniFile::RegIniFile(const char *keyName) {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyName, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr) != ERROR_SUCCESS)
        key_ = nullptr;
}

RegIniFile::~RegIniFile() {
    if (key_)
        RegCloseKey(key_);
}

std::string RegIniFile::ReadString(std::string_view section, std::string_view ident,
                                   std::string_view defaultValue) {
    SectionKey sub;
    if (!key_ || RegOpenKeyExA(key_, std::string(section).c_str(), 0, KEY_READ, &sub.key) != ERROR_SUCCESS)
        return std::string(defaultValue);
    std::string name(ident);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(sub.key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::string(defaultValue);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw veldo::RegistryError(veldo::InvalidDataTypeMessage(ident));
    std::string value(size + 1, '\0');
    DWORD got = size + 1;
    if (RegQueryValueExA(sub.key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(value.data()),
                         &got) != ERROR_SUCCESS)
        return std::string(defaultValue);
    value.resize(got);
    // The stored size counts the terminating zero, when there is one.
    if (auto zero = value.find('\0'); zero != std::string::npos)
        value.resize(zero);
    return value;
}

void RegIniFile::WriteString(std::string_view section, std::string_view ident, std::string_view value) {
    std::string name(ident);
    SectionKey sub;
    if (!key_ || RegCreateKeyExA(key_, std::string(section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &sub.key, nullptr) != ERROR_SUCCESS)
        throw veldo::RegistryError("Failed to create key " + std::string(section));
    std::string data(value);
    if (RegSetValueExA(sub.key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
                       static_cast<DWORD>(data.size() + 1)) != ERROR_SUCCESS)
        throw veldo::RegistryError("Failed to set data for '" + name + "'");
}

void RegIniFile::EraseSection(std::string_view section) {
    if (!key_)
        return;
    RegDeleteTreeA(key_, std::string(section).c_str());
    RegDeleteKeyA(key_, std::string(section).c_str());
}

} // namespace ui
