// Upper-casing by the system's rules for the program's 8-bit code page.
#pragma once

#include "search/case_fold.h"

namespace ui {

class SystemCaseFolder final : public veldo::CaseFolder {
public:
    std::string Upper(std::string_view text) const override;
};

} // namespace ui
