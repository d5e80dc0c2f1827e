// Identifiers of the main window's controls, commands and timers. Other
// processes (the tests, the window probe) find the controls by them.
#pragma once

namespace veldo {

enum ControlId : int {
    kIdListBoxFunc = 101,
    kIdListBoxVar = 102,
    kIdListBoxDesc = 103,
    kIdStatusBar = 104,
    kIdPanelSearch = 105,
    kIdPanelButtons = 106,
    kIdAnimate = 107,
    kIdStaticSearch = 108,
    kIdSearchBox = 109,
    kIdSearchList = 110,
    kIdLabelVersion = 111,
    kIdButtonTest = 112,
    kIdToolBar = 113,
    kIdSplitterDesc = 114,
    kIdSplitterVar = 115,
};

// Toolbar buttons and menu items: WM_COMMAND identifiers.
enum CommandId : int {
    kCmdOk = 201,
    kCmdCancel = 202,
    kCmdUpdate = 301,
    kCmdSelect = 302,
    kCmdSaveAs = 303,
    kCmdPrint = 304,
    kCmdPrintSetup = 305,
    kCmdSleep = 306,
    kCmdExit = 307,
    kCmdOptions = 308,
    kCmdDebug = 309,
    kCmdHelpKeyboard = 310,
    kCmdAbout = 311,
    kCmdClose = 312,
};

// Timers of the main window (WM_TIMER identifiers on its window).
enum TimerId : unsigned {
    kTimerStopAnimation = 1,
    kTimerAutoClose = 2,
};

// The notification-area icon.
inline constexpr unsigned kTrayIconId = 1006;
inline constexpr unsigned kTrayMessage = 32768 + 100;

} // namespace veldo
