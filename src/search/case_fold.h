// Upper-casing by the rules of the system's 8-bit code page: the Windows
// program asks the system; the tests and other platforms fold a to z.
#pragma once

#include <string>
#include <string_view>

namespace veldo {

// Upper case of a to z only: window class names and captions are matched
// so, since folding beyond ASCII would make a match depend on the locale.
std::string AsciiUpper(std::string_view text);

class CaseFolder {
public:
    virtual ~CaseFolder() = default;
    virtual std::string Upper(std::string_view text) const = 0;
};

class AsciiCaseFolder final : public CaseFolder {
public:
    std::string Upper(std::string_view text) const override;
};

} // namespace veldo
