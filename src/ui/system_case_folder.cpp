#include "ui/system_case_folder.h"

#include <windows.h>

namespace ui {

std::string SystemCaseFolder::Upper(std::string_view text) const {
    std::string out(text);
    if (!out.empty())
        CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

} // namespace ui
