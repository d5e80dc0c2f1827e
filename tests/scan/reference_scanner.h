// A deliberately plain second implementation of reading and scanning a
// source file, written independently of src/scan and kept close to the rules
// it follows, so that the tests can compare the production code with it. It
// favours clarity over speed: the look-ahead prepares its lines again every
// time, and comments are blanked one character at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veldo::reference {

struct Result {
    std::vector<std::string> texts; // each entry's text after the list pass (line feed removed)
    std::vector<uint8_t> marks;     // IsFunction of each entry after the list pass
    std::vector<std::string> names; // the items of the function list, in order
    int32_t selected = 0;           // the list pass's selected index (may be -1, or 0 on an empty list)
};

// The entries that reading fileBytes in text mode gives, each with its line
// feed where the read ended on one.
std::vector<std::string> ReadEntries(std::string_view fileBytes);

// Reads fileBytes, marks and names the function headers and finds the one at
// cursorLine (a line number counted from 1).
Result ReferenceScan(std::string_view fileBytes, int32_t cursorLine);

// The item the description shows when it has nothing else.
inline constexpr const char *kNoDescriptionText = "Description not available...";

// The variable list of the header at headerIndex of a scanned result: its
// parameters, one item each.
std::vector<std::string> ReferenceVariables(const Result &result, size_t headerIndex);

// The description list of the header at headerIndex: the lines back to the
// previous statement or block, or the single "not available" item.
std::vector<std::string> ReferenceDescription(const Result &result, size_t headerIndex);

} // namespace veldo::reference
