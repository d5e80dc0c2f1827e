// The options dialog. Built once at start-up; its construction loads the
// settings into the main window and applies them.
#pragma once

#include "ui/form.h"

#include <string>
#include <vector>

class Tfrm_options final : public ui::Form {
public:
    Tfrm_options();
    // Sets the dialog from the settings and applies colours and fonts to
    // the main window's lists.
    void FillOptions();

private:
    std::vector<std::string> screenFonts_;
};

// The system's screen font names, in the order it gives them.
std::vector<std::string> ScreenFontNames();
