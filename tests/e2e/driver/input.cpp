#include "driver/input.h"

#include "driver/wait.h"

#include <vector>

namespace veldo::e2e {
namespace {

void Key(WORD key, bool up) {
    const BYTE scan = static_cast<BYTE>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    keybd_event(static_cast<BYTE>(key), scan, up ? KEYEVENTF_KEYUP : 0, 0);
}

bool IsSelfOrDescendant(HWND window, HWND of) {
    return window && (window == of || IsChild(of, window));
}

} // namespace

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool Focus(HWND window) {
    return WaitUntil([&] {
        if (GetForegroundWindow() != window)
            SetForegroundWindow(window);
        return GetForegroundWindow() == window && IsSelfOrDescendant(FocusOf(window), window);
    });
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    for (WORD m : modifiers)
        Key(m, false);
    Key(key, false);
    Key(key, true);
    const std::vector<WORD> held(modifiers);
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        Key(*it, true);
}

namespace {

// Mouse events in the absolute coordinates mouse_event takes.
void MouseAt(POINT p, DWORD flags) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const DWORD ax = static_cast<DWORD>(p.x * 65535 / (w > 1 ? w - 1 : 1));
    const DWORD ay = static_cast<DWORD>(p.y * 65535 / (h > 1 ? h - 1 : 1));
    mouse_event(flags | MOUSEEVENTF_ABSOLUTE, ax, ay, 0, 0);
}

} // namespace

void ClickAt(POINT p) {
    SetCursorPos(p.x, p.y);
    MouseAt(p, MOUSEEVENTF_MOVE);
    MouseAt(p, MOUSEEVENTF_LEFTDOWN);
    MouseAt(p, MOUSEEVENTF_LEFTUP);
}

void DoubleClickAt(POINT p) {
    ClickAt(p);
    MouseAt(p, MOUSEEVENTF_LEFTDOWN);
    MouseAt(p, MOUSEEVENTF_LEFTUP);
}

void DragFromTo(HWND window, POINT from, POINT to) {
    SetCursorPos(from.x, from.y);
    MouseAt(from, MOUSEEVENTF_MOVE);
    MouseAt(from, MOUSEEVENTF_LEFTDOWN);
    // The press is taken where it happened only if the window has seen it
    // before the pointer moves on: wait until it holds the mouse.
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && info.hwndCapture != nullptr;
    });
    // In steps, as a hand moves: the window follows each move.
    for (int step = 1; step <= 4; ++step)
        MouseAt({from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4}, MOUSEEVENTF_MOVE);
    MouseAt(to, MOUSEEVENTF_LEFTUP);
}

} // namespace veldo::e2e
