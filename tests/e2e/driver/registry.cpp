#include "driver/registry.h"

#include <vector>

namespace veldo::e2e {
namespace {

class Key {
public:
    Key(const std::string &path, REGSAM access, bool create) {
        const LSTATUS status = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                        access, nullptr, &key_, nullptr)
                                      : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key_);
        if (status != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key() {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;
    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

RegistryValue Decode(DWORD type, const std::vector<BYTE> &bytes, DWORD size) {
    RegistryValue v;
    v.type = type;
    v.data.assign(reinterpret_cast<const char *>(bytes.data()), size);
    if ((type == REG_SZ || type == REG_EXPAND_SZ) && !v.data.empty() && v.data.back() == '\0')
        v.data.pop_back();
    return v;
}

} // namespace

bool DeleteUserKey(const std::string &key) {
    const LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
        // RegDeleteTree leaves the key itself on some systems.
        RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    }
    return !UserKeyExists(key);
}

bool UserKeyExists(const std::string &key) {
    return static_cast<bool>(Key(key, KEY_READ, false));
}

std::map<std::string, RegistryValue> ReadUserValues(const std::string &key) {
    std::map<std::string, RegistryValue> values;
    Key k(key, KEY_READ, false);
    if (!k)
        return values;
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        std::vector<BYTE> data(65536);
        DWORD size = static_cast<DWORD>(data.size());
        if (RegEnumValueA(k.get(), i, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            break;
        values[std::string(name, nameLength)] = Decode(type, data, size);
    }
    return values;
}

std::optional<RegistryValue> ReadUserValue(const std::string &key, const std::string &name) {
    Key k(key, KEY_READ, false);
    if (!k)
        return std::nullopt;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data(size + 1);
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return Decode(type, data, size);
}

std::optional<std::string> ReadUserString(const std::string &key, const std::string &name) {
    const auto v = ReadUserValue(key, name);
    if (!v || v->type != REG_SZ)
        return std::nullopt;
    return v->data;
}

bool WriteUserString(const std::string &key, const std::string &name, const std::string &value) {
    Key k(key, KEY_WRITE, true);
    return k &&
           RegSetValueExA(k.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool WriteUserDword(const std::string &key, const std::string &name, DWORD value) {
    Key k(key, KEY_WRITE, true);
    return k && RegSetValueExA(k.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value),
                               sizeof value) == ERROR_SUCCESS;
}

} // namespace veldo::e2e
