// Recognition of function headers in the FunctionTable: a line-oriented
// heuristic over upper-cased copies with comments taken out.
#pragma once

#include "scan/function_table.h"
#include "scan/scan_view.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veldo {

// Lines are stored with at most this many characters (reads of a 600-byte buffer).
inline constexpr size_t kMaxLineChars = 599;

// Makes the prepared copy of text in work (room for kMaxLineChars + 1 bytes):
// upper-cased, cut at "//", block comments blanked or cut (reading and
// updating blockComment), and, when blankQuotes is set, the span between the
// first and the last double quote blanked. Returns the copy's length.
size_t PrepareLine(const char *text, char *work, bool &blockComment, bool blankQuotes);

// Which characters that matter to the scan a line holds, one bit each.
enum LineClass : uint8_t {
    kLineHasParen = 1,       // (
    kLineHasSlash = 2,       // /
    kLineHasQuote = 4,       // "
    kLineHasOpenBrace = 8,   // {
    kLineHasCloseBrace = 16, // }
    kLineHasOperator = 32,   // = < > ;
    kLineHasPairStart = 64,  // | & #, which may begin || && #DEFINE #PRAGMA
};

uint8_t ClassifyLine(const char *text, size_t length);

// What the scan keeps at hand of each line besides its text.
struct LineInfo {
    uint16_t length;
    uint8_t classes;
};

inline LineInfo DescribeLine(const char *text, size_t length) {
    return {static_cast<uint16_t>(length), ClassifyLine(text, length)};
}

// Marks (IsFunction = 1) the entries whose line begins a function header.
// lines, when given, describes every entry's text (the loader makes them
// while the lines are at hand). Runs in time linear in the size of the
// table's texts.
void MarkCandidates(FunctionTable &table, const LineInfo *lines = nullptr);

// text without its leading characters of codes 1 to 32.
std::string_view TrimLeadingControls(std::string_view text);

// The display name of a marked header line; empty when the line gives none.
std::string ExtractName(const char *text, bool *commaBeforeName);

// Names the marked entries, lists the accepted ones in functions and unmarks
// the rest. Returns the list index of the last listed function whose header
// is at or above cursorLine: 0 when no marked header lies there, -1 when all
// of those were rejected.
int32_t ListFunctions(FunctionTable &table, int32_t cursorLine, ListItems &functions);

} // namespace veldo
