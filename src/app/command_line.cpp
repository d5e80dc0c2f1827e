#include "app/command_line.h"

#include <vector>

namespace veldo {
namespace {

std::string_view TrimLeadingControls(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 33)
        ++i;
    return s.substr(i);
}

} // namespace

ParsedCommandLine ParseCommandLine(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t i = 0;
    while (i < text.size() && pieces.size() < 4) {
        while (i < text.size() && text[i] == '"')
            ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != '"')
            ++i;
        if (i > start)
            pieces.push_back(text.substr(start, i - start));
    }

    ParsedCommandLine out;
    std::string_view file;
    if (pieces.size() >= 2)
        file = TrimLeadingControls(pieces[1]);
    if (pieces.size() >= 3)
        file = TrimLeadingControls(pieces[2]);
    if (pieces.size() >= 4) {
        out.LineText = std::string(TrimLeadingControls(pieces[3]));
    } else if (const size_t blank = file.find(' '); blank != std::string_view::npos) {
        file = file.substr(0, blank);
    }
    out.FileText = std::string(file);
    return out;
}

int32_t ReadDecimal(std::string_view text) {
    size_t i = 0;
    auto is_space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && is_space(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    uint32_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        value = value * 10u + static_cast<uint32_t>(text[i++] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<int32_t>(value);
}

Invocation DeriveInvocation(const ParsedCommandLine &parsed) {
    Invocation inv;
    inv.Caption = std::string(kCaptionPrefix) + parsed.FileText + ")";
    inv.CursorLine = parsed.LineText ? ReadDecimal(*parsed.LineText) : 0;
    inv.SourceFileName = parsed.FileText;
    return inv;
}

} // namespace veldo
