#include "search/case_fold.h"

namespace veldo {

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char &c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string AsciiCaseFolder::Upper(std::string_view text) const {
    return AsciiUpper(text);
}

} // namespace veldo
