// A registry key over a map, recording every access in order.
#pragma once

#include "settings/ini_file.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace veldo::test {

class FakeIniFile final : public IniFile {
public:
    // Stands for a value stored as something other than a string.
    static constexpr const char *kWrongType = "\x01<wrong type>";

    struct Access {
        std::string Section, Ident, Text; // Text: the default of a read, the value of a write
        bool operator==(const Access &) const = default;
    };

    std::string ReadString(std::string_view section, std::string_view ident,
                           std::string_view defaultValue) override {
        reads.push_back({std::string(section), std::string(ident), std::string(defaultValue)});
        const auto it = values.find({std::string(section), std::string(ident)});
        if (it == values.end())
            return std::string(defaultValue);
        if (it->second == kWrongType)
            throw RegistryError(InvalidDataTypeMessage(ident));
        return it->second;
    }
    void WriteString(std::string_view section, std::string_view ident, std::string_view value) override {
        writes.push_back({std::string(section), std::string(ident), std::string(value)});
        values[{std::string(section), std::string(ident)}] = std::string(value);
    }
    void EraseSection(std::string_view section) override {
        std::erase_if(values, [&](const auto &entry) { return entry.first.first == section; });
    }

    void Set(std::string_view section, std::string_view ident, std::string_view text) {
        values[{std::string(section), std::string(ident)}] = std::string(text);
    }
    std::vector<std::string> ReadIdents() const {
        std::vector<std::string> out;
        for (const Access &a : reads)
            out.push_back(a.Ident);
        return out;
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<Access> reads;
    std::vector<Access> writes;
};

} // namespace veldo::test
