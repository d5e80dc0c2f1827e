#include "driver/veldo.h"

#include "app/control_ids.h"
#include "driver/registry.h"
#include "driver/wait.h"
#include "driver/window.h"

#include <algorithm>

namespace veldo::e2e {
namespace {

// Under Wine a Unix path needs its drive-letter form; Wine says which.
std::string DosPath(const std::string &unixPath) {
    using Convert = WCHAR *(CDECL *)(const char *);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (!convert)
        return unixPath;
    WCHAR *dos = convert(unixPath.c_str());
    if (!dos)
        return unixPath;
    const std::string out = Narrow(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    return out;
}

} // namespace

std::string ModuleDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir = path;
    dir.erase(dir.find_last_of("\\/"));
    return dir;
}

std::string VeldoExePath() {
    return ModuleDir() + "\\" + kVeldoExeName;
}

std::string SourceTreePath(const std::string &relative) {
    std::string root = VELDO_SOURCE_DIR;
    if (!root.empty() && root[0] == '/')
        root = DosPath(root);
    std::string path = root + "\\" + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string VeldoCommandLine(const std::string &file, int line) {
    std::string text = "\"";
    text.append(VeldoExePath()).append("\" \"").append(file).append("\" ").append(std::to_string(line));
    return text;
}

std::string CaptionFor(const std::string &file) {
    return kCaptionPrefix + file + ")";
}

Process StartVeldo(const std::string &file, int line) {
    return Launch(VeldoCommandLine(file, line), ModuleDir());
}

HWND MainWindowOf(DWORD pid) {
    return FirstTopWindow(kMainClass, pid);
}

HWND ApplicationWindowOf(DWORD pid) {
    return FirstTopWindow(kApplicationClass, pid);
}

HWND WaitForMainWindow(DWORD pid) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = MainWindowOf(pid)) != nullptr; });
    return found;
}

HWND MainWindow::Control(int id) const {
    return FindControl(window_, id);
}

std::string MainWindow::Caption() const {
    return TextOf(window_);
}

bool MainWindow::Visible() const {
    return e2e::Visible(window_);
}

std::vector<std::string> MainWindow::Functions() const {
    return ListBoxItems(Control(kIdListBoxFunc));
}

int MainWindow::SelectedFunction() const {
    return ListBoxSelection(Control(kIdListBoxFunc));
}

std::vector<std::string> MainWindow::Variables() const {
    return ListBoxItems(Control(kIdListBoxVar));
}

std::vector<std::string> MainWindow::Description() const {
    return ListBoxItems(Control(kIdListBoxDesc));
}

std::optional<std::string> MainWindow::Panel(int panel) const {
    return StatusPanelText(Control(kIdStatusBar), panel);
}

bool MainWindow::WaitLoaded(const std::string &file) const {
    return WaitUntil([&] {
        return Visible() && Caption() == CaptionFor(file) &&
               Panel(0) == std::optional<std::string>(kStatusReady) && !Functions().empty();
    });
}

bool MainWindow::WaitAsleep() const {
    return WaitUntil([&] { return !Visible() && Caption() == kSleepingCaption; });
}

HWND WaitForDialog(DWORD pid) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND w : TopWindowsOf(kDialogClass, pid))
            if (e2e::Visible(w))
                return (found = w) != nullptr;
        return false;
    });
    return found;
}

std::string DialogText(HWND dialog) {
    std::string text;
    for (HWND s : FindControlsOfClass(dialog, "Static")) {
        const std::string t = TextOf(s);
        if (t.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += t;
    }
    return text;
}

bool PressDialogOk(HWND dialog) {
    HWND ok = GetDlgItem(dialog, IDOK);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    return WaitUntil([&] { return !e2e::Visible(dialog); });
}

void UseUnmanagedWindowsUnderWine() {
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"))
        WriteUserString("Software\\Wine\\X11 Driver", "Managed", "N");
}

std::vector<DWORD> VeldoPids() {
    return ProcessesNamed(kVeldoExeName);
}

int EndAllVeldo() {
    const std::vector<DWORD> pids = VeldoPids();
    std::vector<Process> processes;
    for (DWORD pid : pids) {
        Process p = Process::Open(pid);
        if (!p)
            continue;
        for (HWND w : TopWindowsOf(kMainClass, pid))
            PostMessageA(w, WM_CLOSE, 0, 0);
        processes.push_back(std::move(p));
    }
    // A copy stuck in a message box or a loop does not close: end it.
    for (const Process &p : processes)
        if (!p.WaitForExit(3000)) {
            p.Terminate();
            p.WaitForExit(kTimeoutMs);
        }
    WaitUntil([] { return VeldoPids().empty(); });
    return static_cast<int>(pids.size());
}

} // namespace veldo::e2e
