// Finding a running copy among the desktop's top-level windows, and handing
// an invocation over to it.
#pragma once

#include "ide/top_windows.h"

#include <cstdint>
#include <string_view>

namespace veldo {

// The first window from the top whose upper-cased class name contains
// classFragment (given in upper case) and whose upper-cased caption contains
// the upper-cased captionFragment (AsciiUpper). At most kMaxWindowSteps
// steps follow the first window. 0 when none matches.
WindowHandle FindTopWindow(TopWindows &windows, std::string_view captionFragment,
                           std::string_view classFragment);

inline constexpr std::string_view kApplicationTitle = "Morvane";
inline constexpr std::string_view kApplicationClass = "TAPPLICATION";
inline constexpr std::string_view kMainWindowClass = "TFRM_VELDO";
inline constexpr std::string_view kSleepingCaption = "VELDO INACTIVE";

// What the hand-off does to the running copy's windows.
class HandOffPort {
public:
    virtual ~HandOffPort() = default;
    virtual void Show(WindowHandle window) = 0;
    virtual void SetForeground(WindowHandle window) = 0;
    // Returns once the window's thread has the keyboard focus, or after a
    // short time limit: some window systems route a synthesised key by the
    // focus at the moment it is sent.
    virtual void WaitForKeyboard(WindowHandle window) = 0;
    virtual void KeyEvent(uint16_t virtualKey, bool keyUp) = 0;
    // Returns once the window's thread has handled a message (or a time
    // limit has passed, so a copy that no longer answers cannot hang us).
    virtual void SyncWith(WindowHandle window) = 0;
};

// Shows the running copy's windows, brings them forward and presses F5
// into it, each step in its fixed order. applicationWindow may be 0.
void HandOff(HandOffPort &port, WindowHandle mainWindow, WindowHandle applicationWindow);

} // namespace veldo
