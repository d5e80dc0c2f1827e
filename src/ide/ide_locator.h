// Finding the IDE: its editor window, which receives the keystrokes, and
// whether its main window's caption shows a debugging state.
#pragma once

#include "ide/top_windows.h"

namespace veldo {

// What LocateIde found.
enum IdeLocation : int {
    kNoEditorWindow = 0,
    kEditorFound = 1,          // the main window's caption shows no state word
    kEditorFoundWithState = 2, // it shows "Stopped" or "Running"
};

inline constexpr std::string_view kEditorWindowClass = "TEDITWINDOW";
inline constexpr std::string_view kIdeMainWindowClass = "TAPPBUILDER";

// Two walks from the top: the first window whose upper-cased class name
// holds kEditorWindowClass goes into targetEditorWindow (untouched when
// there is none, and then the main window is not looked for); then the
// first holding kIdeMainWindowClass, whose caption is tested for the state
// words. Should that walk find no main window, the state words are not
// tested at all: a stranger's caption says nothing about the IDE.
IdeLocation LocateIde(TopWindows &windows, WindowHandle &targetEditorWindow);

} // namespace veldo
