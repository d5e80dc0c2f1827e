// A top-level window whose window class is its own class name, with the
// events, key preview and menu shortcuts of a form.
#pragma once

#include "ui/window.h"

#include <map>

namespace ui {

class MainMenu;
class Timer;

enum class CloseAction { None, Hide, Free };

class Form : public Window {
public:
    // The window is created hidden, owned by the application window.
    Form(const char *className, const char *caption, int width, int height,
         DWORD style = WS_OVERLAPPEDWINDOW);
    ~Form() override;

    void SetBounds(int left, int top, int width, int height) override;
    void SetMinSize(int width, int height);
    void SetMenu(MainMenu *menu);
    // Centred on the screen when next shown.
    void CentreOnShow() { centreOnShow_ = true; }

    // Makes it visible and brings it to the front.
    void Show();
    void Hide();
    // Runs the close event; the main form's close ends the message loop.
    void Close();
    // Destroys the window; the destruction event runs first.
    void Destroy();

    Window *ActiveControl() const { return activeControl_; }
    void SetActiveControl(Window *control);
    void FocusActiveControl();

    // A menu shortcut of this form's menu (hidden items too) with exactly
    // these modifiers runs its item and takes the key.
    bool IsShortCut(WORD key, ShiftState shift);
    bool IsWindowEnabledForInput() const { return IsWindowEnabled(Handle()) != FALSE; }

    // Timers run their handlers here, one identifier each.
    void AddTimer(Timer *timer);

    bool KeyPreview = false;
    NotifyHandler OnActivate;
    NotifyHandler OnResize;
    NotifyHandler OnDestroy;
    std::function<void(CloseAction &action)> OnClose;
    // Messages of the form's own message map; return true when handled.
    std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)> OnMessage;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BringOntoScreen();

    int minWidth_ = 0, minHeight_ = 0;
    MainMenu *menu_ = nullptr;
    Window *activeControl_ = nullptr;
    bool centreOnShow_ = false;
    bool shownOnce_ = false;
    std::map<UINT_PTR, Timer *> timers_;
};

} // namespace ui
