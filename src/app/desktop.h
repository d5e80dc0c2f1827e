// The desktop as this program reaches other programs through it: the list
// of top-level windows, another window's keyboard focus, synthesised keys.
#pragma once

#include "ide/jump.h"
#include "ide/top_windows.h"

#include <windows.h>

#include <vector>

namespace ui {
class Application;
}

// The top-level windows in Z order, walked from the application window.
class DesktopWindows final : public veldo::TopWindows {
public:
    explicit DesktopWindows(ui::Application &app) : app_(app) {}
    veldo::WindowHandle First() override;
    veldo::WindowHandle Next(veldo::WindowHandle window) override;
    std::string ClassName(veldo::WindowHandle window) override;
    std::string Caption(veldo::WindowHandle window) override;
    void ProcessMessages() override;

private:
    ui::Application &app_;
};

inline HWND AsHwnd(veldo::WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

inline veldo::WindowHandle AsHandle(HWND window) {
    return reinterpret_cast<veldo::WindowHandle>(window);
}

// Returns once window's thread is the foreground thread and has a focus
// window, or after limitMs. Some window systems route a synthesised key by
// the focus at the moment it is sent, and drop it while there is none: a
// program just brought forward may not have taken the focus yet.
void WaitForKeyboardFocus(HWND window, DWORD limitMs);

// Appends the events to the system's input stream in one burst.
void SendKeys(const std::vector<veldo::KeyEvent> &keys);
