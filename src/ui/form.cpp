#include "ui/form.h"

#include "ui/application.h"
#include "ui/menu.h"
#include "ui/timer.h"

#include <algorithm>

namespace ui {

Form::Form(const char *className, const char *caption, int width, int height, DWORD style) {
    HWND owner = Application::Instance().Handle();
    CreateOwn(className, 0, style | WS_CLIPCHILDREN, caption, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, width,
              height, owner);
}

Form::~Form() = default;

void Form::Destroy() {
    if (!Handle())
        return;
    if (OnDestroy)
        Guarded(OnDestroy);
    for (auto &[id, timer] : timers_)
        KillTimer(Handle(), id);
    DestroyHandle();
}

void Form::SetBounds(int left, int top, int width, int height) {
    Window::SetBounds(left, top, std::max(width, minWidth_), std::max(height, minHeight_));
}

void Form::SetMinSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
}

void Form::SetMenu(MainMenu *menu) {
    menu_ = menu;
    ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
}

void Form::Show() {
    if (centreOnShow_) {
        centreOnShow_ = false;
        int left = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
        int top = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
        SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!shownOnce_)
        BringOntoScreen();
    shownOnce_ = true;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}

// A stored place on a screen that is no longer there would leave the window
// out of reach: one that lies on no monitor at all moves onto the nearest.
void Form::BringOntoScreen() {
    RECT r;
    GetWindowRect(Handle(), &r);
    if (MonitorFromRect(&r, MONITOR_DEFAULTTONULL))
        return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT &area = monitor.rcWork;
    const LONG left = std::max(area.left, std::min(r.left, area.right - (r.right - r.left)));
    const LONG top = std::max(area.top, std::min(r.top, area.bottom - (r.bottom - r.top)));
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

void Form::Close() {
    CloseAction action = CloseAction::Hide;
    if (this == Application::Instance().MainForm())
        action = CloseAction::Free;
    if (OnClose)
        OnClose(action);
    if (action == CloseAction::None)
        return;
    if (this == Application::Instance().MainForm())
        Application::Instance().Terminate();
    else
        Hide();
}

void Form::SetActiveControl(Window *control) {
    activeControl_ = control;
    if (control && GetActiveWindow() == Handle() && control->Visible())
        control->SetFocus();
}

void Form::FocusActiveControl() {
    if (activeControl_ && activeControl_->Visible())
        activeControl_->SetFocus();
    else
        SetFocus();
}

bool Form::IsShortCut(WORD key, ShiftState shift) {
    return menu_ && menu_->RunShortCut(key, shift);
}

void Form::AddTimer(Timer *timer) {
    timers_[timer->Id()] = timer;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (OnMessage) {
        LRESULT result = 0;
        if (OnMessage(message, wParam, lParam, result))
            return result;
    }
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            FocusActiveControl();
            Application &app = Application::Instance();
            if (app.ActiveForm() != this) {
                app.SetActiveForm(this);
                if (OnActivate)
                    OnActivate();
            }
            return 0;
        }
        break;
    case WM_SETFOCUS:
        FocusActiveControl();
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SIZE: {
        LRESULT result = Window::HandleMessage(message, wParam, lParam);
        if (OnResize && wParam != SIZE_MINIMIZED)
            OnResize();
        return result;
    }
    case WM_GETMINMAXINFO: {
        auto *info = reinterpret_cast<MINMAXINFO *>(lParam);
        info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, minWidth_);
        info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, minHeight_);
        return 0;
    }
    case WM_TIMER:
        if (auto it = timers_.find(wParam); it != timers_.end()) {
            it->second->Fire();
            return 0;
        }
        break;
    case WM_COMMAND:
        if (lParam == 0 && menu_ && menu_->RunCommand(LOWORD(wParam)))
            return 0;
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace ui
