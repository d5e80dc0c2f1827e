// The state that lives for the whole run of the running copy, shared by the
// main window's handlers: kept in this one place.
#pragma once

#include "scan/function_table.h"

#include <windows.h>

#include <cstdint>
#include <string>

class Tfrm_veldo;
class Tfrm_options;

struct ProgramState {
    veldo::FunctionTable Table;
    std::string SourceFileName;
    int32_t CursorLine = 0;
    // The IDE editor window that receives the keystrokes; start-up's window
    // searches leave their results here.
    HWND TargetEditorWindow = nullptr;
    int32_t LastSearchIndex = -1;
    int32_t LastKeyUpIndex = -1;
    bool KeyHandlerBusy = false;
    bool FirstSettingsLoad = true;
    Tfrm_veldo *frm_veldo = nullptr;
    Tfrm_options *frm_options = nullptr;
};

ProgramState &Program();
