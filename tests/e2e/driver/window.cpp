#include "driver/window.h"

#include <commctrl.h>

namespace veldo::e2e {
namespace {

// A program stuck in a loop must fail the test, not hang it.
constexpr UINT kSendTimeoutMs = 5000;

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

// Memory inside another process, for the messages Windows does not copy
// across processes.
class RemoteBuffer {
public:
    RemoteBuffer(DWORD pid, size_t size) : size_(size) {
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer &) = delete;
    RemoteBuffer &operator=(const RemoteBuffer &) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    bool Read(void *out, size_t size) const {
        SIZE_T done = 0;
        return size <= size_ && ReadProcessMemory(process_, address_, out, size, &done) && done == size;
    }
    bool Write(const void *in, size_t size) const {
        SIZE_T done = 0;
        return size <= size_ && WriteProcessMemory(process_, address_, in, size, &done) && done == size;
    }

private:
    HANDLE process_ = nullptr;
    void *address_ = nullptr;
    size_t size_;
};

bool SameClass(HWND window, const std::string &className) {
    return lstrcmpiA(ClassOf(window).c_str(), className.c_str()) == 0;
}

BOOL CALLBACK Collect(HWND window, LPARAM into) {
    reinterpret_cast<std::vector<HWND> *>(into)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

std::string Narrow(const std::wstring &text) {
    if (text.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::wstring Widen(const std::string &text) {
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

DWORD WindowPid(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

DWORD WindowThread(HWND window) {
    return GetWindowThreadProcessId(window, nullptr);
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    const auto length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length)
        return {};
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const auto got = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got ? static_cast<size_t>(*got) : 0);
    return Narrow(text);
}

bool Visible(HWND window) {
    return IsWindow(window) && IsWindowVisible(window);
}

std::vector<HWND> TopWindows() {
    std::vector<HWND> found;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> TopWindowsOf(const std::string &className, DWORD pid) {
    std::vector<HWND> found;
    for (HWND w : TopWindows())
        if (SameClass(w, className) && (pid == 0 || WindowPid(w) == pid))
            found.push_back(w);
    return found;
}

HWND FirstTopWindow(const std::string &className, DWORD pid) {
    const auto found = TopWindowsOf(className, pid);
    return found.empty() ? nullptr : found.front();
}

HWND FindControl(HWND parent, int id) {
    for (HWND child : Descendants(parent))
        if (GetDlgCtrlID(child) == id)
            return child;
    return nullptr;
}

std::vector<HWND> FindControlsOfClass(HWND parent, const std::string &className) {
    std::vector<HWND> found;
    for (HWND child : Descendants(parent))
        if (SameClass(child, className))
            found.push_back(child);
    return found;
}

namespace {

// The item texts of a list box or a combo box, by that control's messages.
std::vector<std::string> ItemTexts(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    std::vector<std::string> items;
    const auto count = Send(control, countMessage, 0, 0);
    for (LRESULT i = 0; count && i < *count; ++i) {
        const auto length = Send(control, lengthMessage, i, 0);
        std::wstring text(length && *length > 0 ? static_cast<size_t>(*length) + 1 : 1, L'\0');
        const auto got = Send(control, textMessage, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(got && *got > 0 ? static_cast<size_t>(*got) : 0);
        items.push_back(Narrow(text));
    }
    return items;
}

} // namespace

std::vector<std::string> ListBoxItems(HWND listBox) {
    return ItemTexts(listBox, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

int ListBoxSelection(HWND listBox) {
    const auto index = Send(listBox, LB_GETCURSEL, 0, 0);
    return index ? static_cast<int>(*index) : -1;
}

std::vector<std::string> ComboItems(HWND comboBox) {
    return ItemTexts(comboBox, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ComboCount(HWND comboBox) {
    const auto count = Send(comboBox, CB_GETCOUNT, 0, 0);
    return count ? static_cast<int>(*count) : -1;
}

bool ComboAddString(HWND comboBox, const std::string &text) {
    const std::wstring wide = Widen(text);
    const auto index = Send(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return index && *index >= 0;
}

bool SetText(HWND window, const std::string &text) {
    const std::wstring wide = Widen(text);
    const auto ok = Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return ok && *ok;
}

int StatusPanelCount(HWND statusBar) {
    const auto parts = Send(statusBar, SB_GETPARTS, 0, 0);
    return parts ? static_cast<int>(*parts) : -1;
}

std::optional<std::string> StatusPanelText(HWND statusBar, int panel) {
    const auto length = Send(statusBar, SB_GETTEXTLENGTHW, panel, 0);
    if (!length)
        return std::nullopt;
    const size_t chars = LOWORD(*length) + 1;
    RemoteBuffer buffer(WindowPid(statusBar), chars * sizeof(wchar_t));
    if (!buffer)
        return std::nullopt;
    if (!Send(statusBar, SB_GETTEXTW, panel, buffer.Address()))
        return std::nullopt;
    std::wstring text(chars, L'\0');
    if (!buffer.Read(text.data(), chars * sizeof(wchar_t)))
        return std::nullopt;
    text.resize(wcsnlen(text.c_str(), chars));
    return Narrow(text);
}

std::optional<POINT> ListBoxItemPoint(HWND listBox, int index) {
    const auto top = Send(listBox, LB_GETTOPINDEX, 0, 0);
    const auto height = Send(listBox, LB_GETITEMHEIGHT, 0, 0);
    RECT client{};
    if (!top || !height || *height <= 0 || !GetClientRect(listBox, &client))
        return std::nullopt;
    POINT p{Width(client) / 2, static_cast<LONG>((index - *top) * *height + *height / 2)};
    if (index < *top || p.y >= client.bottom)
        return std::nullopt;
    ClientToScreen(listBox, &p);
    return p;
}

std::optional<RECT> ToolbarButtonScreenRect(HWND toolBar, int command) {
    const auto index = Send(toolBar, TB_COMMANDTOINDEX, command, 0);
    if (!index || *index < 0)
        return std::nullopt;
    RemoteBuffer buffer(WindowPid(toolBar), sizeof(RECT));
    const auto ok = buffer ? Send(toolBar, TB_GETITEMRECT, *index, buffer.Address()) : std::nullopt;
    RECT r{};
    if (!ok || !*ok || !buffer.Read(&r, sizeof r))
        return std::nullopt;
    MapWindowPoints(toolBar, nullptr, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

int Width(const RECT &r) {
    return r.right - r.left;
}

int Height(const RECT &r) {
    return r.bottom - r.top;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

} // namespace veldo::e2e
