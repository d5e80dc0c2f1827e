// Looking at another process's windows and controls. Texts come back as
// UTF-8; they are asked for with the wide messages, which Wine copies
// between processes unconverted.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veldo::e2e {

DWORD WindowPid(HWND window);
DWORD WindowThread(HWND window);
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
bool Visible(HWND window);

// The top-level windows in Z order.
std::vector<HWND> TopWindows();
// Top-level windows of class className (exact, any case) and, when pid is
// not 0, of that process.
std::vector<HWND> TopWindowsOf(const std::string &className, DWORD pid = 0);
HWND FirstTopWindow(const std::string &className, DWORD pid = 0);

// A descendant (at any depth) with the control id id, or nullptr.
HWND FindControl(HWND parent, int id);
// Descendants of class className (exact, any case).
std::vector<HWND> FindControlsOfClass(HWND parent, const std::string &className);

// List box and combo box contents.
std::vector<std::string> ListBoxItems(HWND listBox);
int ListBoxSelection(HWND listBox); // -1: none
std::vector<std::string> ComboItems(HWND comboBox);
int ComboCount(HWND comboBox);
bool ComboAddString(HWND comboBox, const std::string &text);
bool SetText(HWND window, const std::string &text);

// The text of a status bar panel (common-control messages need a buffer
// inside the other process); nullopt when it cannot be read.
std::optional<std::string> StatusPanelText(HWND statusBar, int panel);
int StatusPanelCount(HWND statusBar);

// The screen point in the middle of a list box item, or nullopt when the
// item is out of view.
std::optional<POINT> ListBoxItemPoint(HWND listBox, int index);

// The screen rectangle of the toolbar button with command id command.
std::optional<RECT> ToolbarButtonScreenRect(HWND toolBar, int command);

int Width(const RECT &r);
int Height(const RECT &r);
RECT WindowRect(HWND window);

std::string Narrow(const std::wstring &text);
std::wstring Widen(const std::string &text);

} // namespace veldo::e2e
