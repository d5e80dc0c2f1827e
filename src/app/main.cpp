// The process entry: hand the invocation over to a running copy, or become
// the running copy.
#include "app/Unit1.h"
#include "app/desktop.h"
#include "app/program_state.h"
#include "app/window_search.h"
#include "heapward/heapward.h"
#include "settings/Vd_options.h"
#include "settings/ini_file.h"
#include "ui/application.h"
#include "ui/reg_ini_file.h"

#include <shellapi.h>

#include <exception>

using namespace veldo;

namespace {

class DesktopHandOff final : public HandOffPort {
public:
    void Show(WindowHandle window) override {
        if (window)
            ShowWindow(AsHwnd(window), SW_SHOW);
    }
    void SetForeground(WindowHandle window) override {
        if (window)
            SetForegroundWindow(AsHwnd(window));
    }
    void WaitForKeyboard(WindowHandle window) override { WaitForKeyboardFocus(AsHwnd(window), kFocusWaitMs); }
    void KeyEvent(uint16_t virtualKey, bool keyUp) override {
        keybd_event(static_cast<BYTE>(virtualKey), 0, keyUp ? KEYEVENTF_KEYUP : 0, 0);
    }
    void SyncWith(WindowHandle window) override {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(AsHwnd(window), WM_NULL, 0, 0, SMTO_NORMAL, kSyncTimeoutMs, &result);
    }

private:
    static constexpr DWORD kFocusWaitMs = 2000;
    static constexpr UINT kSyncTimeoutMs = 5000;
};

// FindTopWindow keeps its result where the jump later keeps the editor
// window, so that place is empty when the running copy starts.
HWND FindTop(ui::Application &app, std::string_view caption, std::string_view classFragment) {
    ProgramState &program = Program();
    program.TargetEditorWindow = nullptr;
    DesktopWindows windows(app);
    program.TargetEditorWindow = AsHwnd(FindTopWindow(windows, caption, classFragment));
    return program.TargetEditorWindow;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::Application app;
    try {
        // The application window exists from the start, titled with the
        // program's file name: the searches below enumerate from it.
        app.Initialize();

        std::string windowCaption;
        {
            ui::RegIniFile registry(kRegistryKey);
            registry.WriteString(kSectionMsg, kIdentCommandline, GetCommandLineA());
            windowCaption = registry.ReadString(kSectionMsg, kIdentWindowCaption, "");
        }
        app.ProcessMessages();
        HWND applicationWindow = FindTop(app, kApplicationTitle, kApplicationClass);
        HWND mainWindow = FindTop(app, kSleepingCaption, kMainWindowClass);
        if (!mainWindow)
            mainWindow = FindTop(app, windowCaption, kMainWindowClass);
        if (mainWindow) {
            DesktopHandOff port;
            HandOff(port, AsHandle(mainWindow), AsHandle(applicationWindow));
            return 0;
        }

        heapward_setup(0);
        app.SetTitle(kApplicationTitle);
        ProgramState &program = Program();
        app.CreateForm(program.frm_veldo);
        app.CreateForm(program.frm_options);
        program.frm_veldo->TrayIconUpdate(NIM_ADD);
        program.frm_veldo->TrayIconUpdate(NIM_MODIFY);
        app.Run();
    } catch (const std::exception &error) {
        app.ShowException(error);
    }
    return 0;
}
