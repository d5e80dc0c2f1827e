#include "search/case_fold.h"

#include "ide/top_windows.h"

namespace veldo {

std::string AsciiCaseFolder::Upper(std::string_view text) const {
    return AsciiUpper(text);
}

} // namespace veldo
