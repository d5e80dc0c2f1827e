#include "app/desktop.h"

#include "ui/application.h"

using veldo::WindowHandle;

WindowHandle DesktopWindows::First() {
    return AsHandle(GetWindow(app_.Handle(), GW_HWNDFIRST));
}

WindowHandle DesktopWindows::Next(WindowHandle window) {
    return AsHandle(GetWindow(AsHwnd(window), GW_HWNDNEXT));
}

std::string DesktopWindows::ClassName(WindowHandle window) {
    char buffer[95] = {};
    GetClassNameA(AsHwnd(window), buffer, sizeof buffer);
    return buffer;
}

std::string DesktopWindows::Caption(WindowHandle window) {
    char buffer[255] = {};
    GetWindowTextA(AsHwnd(window), buffer, sizeof buffer);
    return buffer;
}

void DesktopWindows::ProcessMessages() {
    app_.ProcessMessages();
}

void WaitForKeyboardFocus(HWND window, DWORD limitMs) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread)
        return;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus &&
            GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == thread)
            return;
        Sleep(10);
    }
}

void SendKeys(const std::vector<veldo::KeyEvent> &keys) {
    for (const veldo::KeyEvent &key : keys)
        keybd_event(key.VirtualKey, 0, key.Up ? KEYEVENTF_KEYUP : 0, 0);
}
