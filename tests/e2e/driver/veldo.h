// Veldo as seen from outside: how it is started, where its windows, controls
// and registry values are, and how to end every copy of it.
#pragma once

#include <windows.h>

#include "driver/process.h"

#include <optional>
#include <string>
#include <vector>

namespace veldo::e2e {

inline constexpr char kVeldoExeName[] = "VELDO.EXE";
inline constexpr char kVeldoKey[] = "VELDO";
inline constexpr char kMsgKey[] = "VELDO\\Msg";
inline constexpr char kOptionsKey[] = "VELDO\\Options";
inline constexpr char kMainClass[] = "Tfrm_veldo";
inline constexpr char kApplicationClass[] = "TApplication";
inline constexpr char kApplicationTitle[] = "Morvane";
inline constexpr char kSleepingCaption[] = "VELDO INACTIVE";
inline constexpr char kCaptionPrefix[] = "Veldo - Function Listed in file (";
inline constexpr char kStatusReady[] = "Status : Select function";
inline constexpr char kDialogClass[] = "#32770";

// The folder of the running program (VELDO.EXE sits next to it).
std::string ModuleDir();
std::string VeldoExePath();
// A file of the source tree as a Windows path; relative uses '/'.
std::string SourceTreePath(const std::string &relative);

// The command line the IDE gives: program and file quoted, then the line.
std::string VeldoCommandLine(const std::string &file, int line);
std::string CaptionFor(const std::string &file);
// Starts VELDO.EXE with that command line in the program's folder.
Process StartVeldo(const std::string &file, int line);

// Veldo's top-level windows of the process pid, visible or not.
HWND MainWindowOf(DWORD pid);
HWND ApplicationWindowOf(DWORD pid);
// Waits for the process's main window to exist.
HWND WaitForMainWindow(DWORD pid);

// The main window's controls and what they show.
class MainWindow {
public:
    MainWindow() = default;
    explicit MainWindow(HWND window) : window_(window) {}
    HWND Handle() const { return window_; }
    explicit operator bool() const { return window_ != nullptr; }

    HWND Control(int id) const;
    std::string Caption() const;
    bool Visible() const;
    std::vector<std::string> Functions() const;
    int SelectedFunction() const;
    std::vector<std::string> Variables() const;
    std::vector<std::string> Description() const;
    std::optional<std::string> Panel(int panel) const;

    // Waits until the window shows file loaded: caption, list and status.
    bool WaitLoaded(const std::string &file) const;
    // Waits until it is asleep: hidden, with the sleeping caption.
    bool WaitAsleep() const;

private:
    HWND window_ = nullptr;
};

// A visible message box or dialog of the process pid, once one shows.
HWND WaitForDialog(DWORD pid);
// The texts of its static controls, joined by newlines.
std::string DialogText(HWND dialog);
// Presses its OK button; true when it then goes away.
bool PressDialogOk(HWND dialog);

// Under Wine without a window manager, hiding a window that Wine leaves to
// the window manager waits two seconds for an answer that never comes.
// Makes the windows of programs started from now on unmanaged, so they hide
// at once; does nothing elsewhere.
void UseUnmanagedWindowsUnderWine();

std::vector<DWORD> VeldoPids();
// Closes every running VELDO.EXE (terminating what does not close) and
// waits for all of them to end; returns how many were running.
int EndAllVeldo();

} // namespace veldo::e2e
