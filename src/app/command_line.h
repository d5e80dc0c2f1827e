// The invocation "VELDO.EXE <filename> <line number>" as the IDE writes it,
// and the values the main window derives from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veldo {

struct ParsedCommandLine {
    std::string FileText;                // always present, possibly empty
    std::optional<std::string> LineText; // only for the shapes that carry one
};

// Splits at runs of double quotes and reads the file and line pieces. The
// text may be of any length; nothing is cut.
ParsedCommandLine ParseCommandLine(std::string_view text);

// Leading white space, an optional sign, then digits up to the first
// non-digit; no digits give 0. Overflow wraps around in 32 bits.
int32_t ReadDecimal(std::string_view text);

struct Invocation {
    std::string Caption;
    int32_t CursorLine = 0;
    std::string SourceFileName;
};

// A shape without a line text gives CursorLine 0; one without a file text
// gives an empty SourceFileName, which the loader reports as unopenable.
Invocation DeriveInvocation(const ParsedCommandLine &parsed);

inline constexpr std::string_view kCaptionPrefix = "Veldo - Function Listed in file (";

} // namespace veldo
