#include "ui/application.h"

#include "ui/form.h"

#include <commctrl.h>

#include <cstring>
#include <stdexcept>

namespace ui {

namespace {
Application *instance = nullptr;

std::string ModuleBaseName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    if (auto slash = name.find_last_of("\\/"); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return name;
}
} // namespace

Application::Application() {
    instance = this;
}

Application::~Application() {
    // Forms go first: their windows are owned by the application window.
    while (!forms_.empty())
        forms_.pop_back();
    if (instance == this)
        instance = nullptr;
}

Application &Application::Instance() {
    if (!instance)
        throw std::logic_error("no application object");
    return *instance;
}

void Application::Initialize() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&controls);
    title_ = ModuleBaseName();
    int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    // Zero-sized but visible once the main form shows: it is what carries
    // the taskbar button, so hiding it removes the button.
    CreateOwn("TApplication", 0, WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
              title_.c_str(), nullptr, 0, x, y, 0, 0);
}

void Application::SetTitle(std::string_view title) {
    title_ = title;
    if (Handle())
        SetText(title_);
}

void Application::Adopt(std::unique_ptr<Form> form) {
    forms_.push_back(std::move(form));
}

void Application::Run() {
    Form *main = MainForm();
    if (!main)
        return;
    Guarded([&] {
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        main->Show();
    });
    MSG msg;
    while (!terminated_) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        Process(msg);
    }
    // Destruction handlers run while every form is still whole.
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        (*it)->Destroy();
}

void Application::ProcessMessages() {
    MSG msg;
    while (!terminated_ && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Process(msg);
    }
}

void Application::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::Process(MSG &msg) {
    if (IsShortCutMessage(msg))
        return;
    // The character a key types is made before any handler sees the key,
    // so consuming the key-down does not stop the character.
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool Application::IsShortCutMessage(const MSG &msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    auto *form = dynamic_cast<Form *>(FromHandle(root));
    if (!form || !form->IsWindowEnabledForInput())
        return false;
    bool handled = false;
    Guarded([&] { handled = form->IsShortCut(static_cast<WORD>(msg.wParam), CurrentShiftState()); });
    return handled;
}

void Application::ShowException(const std::exception &error) {
    // An error while its box is open (a timer, say) must not stack boxes.
    if (showingException_)
        return;
    showingException_ = true;
    ShowBox(error.what(), MB_ICONERROR);
    showingException_ = false;
}

void Application::ShowMessage(std::string_view text) {
    ShowBox(text, 0);
}

// Captioned with the title, in front of the main form while it shows.
void Application::ShowBox(std::string_view text, UINT icon) {
    HWND owner = nullptr;
    if (Form *main = MainForm(); main && main->Visible())
        owner = main->Handle();
    MessageBoxA(owner, std::string(text).c_str(), title_.c_str(), MB_OK | MB_TASKMODAL | icon);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
    case WM_SETFOCUS:
        // Being brought forward means the main form should have the
        // keyboard: pass the focus on to its active control.
        if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE)
            break;
        if (Form *main = MainForm(); main && main->Visible()) {
            main->FocusActiveControl();
            return 0;
        }
        break;
    case WM_CLOSE:
        if (Form *main = MainForm()) {
            main->Close();
            return 0;
        }
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace ui
