// The current user's registry, where Veldo keeps its mailbox and settings.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace veldo::e2e {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data; // the bytes as stored; REG_SZ without its terminator
    bool operator==(const RegistryValue &) const = default;
};

// Removes HKCU\<key> with everything below it; true when it is gone.
bool DeleteUserKey(const std::string &key);
bool UserKeyExists(const std::string &key);

// Every value of HKCU\<key>; empty when the key is missing.
std::map<std::string, RegistryValue> ReadUserValues(const std::string &key);
std::optional<RegistryValue> ReadUserValue(const std::string &key, const std::string &name);
// The value when it is a REG_SZ.
std::optional<std::string> ReadUserString(const std::string &key, const std::string &name);

bool WriteUserString(const std::string &key, const std::string &name, const std::string &value);
bool WriteUserDword(const std::string &key, const std::string &name, DWORD value);

} // namespace veldo::e2e
