// veldo-list: the function list of a source file on standard output, from
// the same core as the Windows program.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace veldo {

inline constexpr const char *kVeldoListUsage = "usage: veldo-list [--json] FILE [LINE]";

// What becomes of the table's memory when the listing is done.
enum class TableRelease {
    Release,
    // The process ends next: releasing a million line texts one by one
    // would only delay that.
    LeaveToProcessExit,
};

// args excludes the program name. Returns the exit status: 0, or 2 for a
// usage error or a file that cannot be opened.
int RunVeldoList(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
                 TableRelease release = TableRelease::Release);

// Appends text as a JSON string; every byte becomes the character of the
// same code point, so any 8-bit text survives unchanged.
void AppendJsonString(std::string &json, std::string_view text);

} // namespace veldo
