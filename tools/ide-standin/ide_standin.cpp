// ide-standin: the part of the IDE that Veldo is started from and jumps back
// into, for the end-to-end tests and the demo.
//
//   ide-standin.exe [--state running|stopped|none] [--veldo PATH] FILE LINE
//
// The main window carries the Tools command that starts Veldo on the file at
// the cursor line; the editor window shows the file and takes the keys Veldo
// sends back to jump to a line. Tests read the editor's caption (it ends in
// the cursor line) and its two status texts from outside.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

constexpr char kTitle[] = "Stand-in IDE";
constexpr char kMainClass[] = "TAppBuilder";
constexpr char kEditorClass[] = "TEditWindow";
constexpr char kPromptClass[] = "TGotoLinePrompt";
constexpr char kPromptCaption[] = "Go to Line Number";
constexpr char kUsage[] = "Usage: ide-standin.exe [--state running|stopped|none] "
                          "[--veldo <path of VELDO.EXE>] <file> <line>";
constexpr UINT kCmdVeldo = 40001;
constexpr int kIdPath = 1;
constexpr int kIdCounters = 2;
constexpr int kIdField = 10;
constexpr int kExitUsage = 2;
constexpr int kTabWidth = 8;
constexpr int kLabelHeight = 18;
constexpr int kLabelBand = 24;

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kGutter = RGB(236, 236, 236);
constexpr COLORREF kGutterInk = RGB(128, 128, 128);
constexpr COLORREF kCursorPaper = RGB(200, 225, 255);
constexpr COLORREF kErrorInk = RGB(176, 0, 0);

// ---------------------------------------------------------------------------
// Handles

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

struct GdiDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;

// An object selected into a device context for as long as this lives.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection &) = delete;
    Selection &operator=(const Selection &) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope &) = delete;
    PaintScope &operator=(const PaintScope &) = delete;
    HDC Dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// ---------------------------------------------------------------------------
// Texts

std::string SystemMessage(DWORD code) {
    char *text = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<char *>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(code);
    LocalFree(text);
    while (!message.empty() && std::strchr(" \t\r\n", message.back()))
        message.pop_back();
    return message;
}

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A line number: digits only; numbers past the file's end are clamped later,
// so too many digits just give the largest number.
std::optional<int> ParseLineNumber(const std::string &text) {
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
    }
    return static_cast<int>(value);
}

std::string ExpandTabs(const std::string &line) {
    std::string out;
    for (char c : line) {
        if (c == '\t')
            out.append(kTabWidth - out.size() % kTabWidth, ' ');
        else
            out += c;
    }
    return out;
}

std::string FileNameOf(const std::string &path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string &path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FullPath(const std::string &path) {
    char full[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length && length < sizeof full ? std::string(full, length) : path;
}

std::string OwnFolder() {
    char path[MAX_PATH * 4] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return FolderOf(path);
}

// ---------------------------------------------------------------------------
// Command line

enum class DebugState { None, Running, Stopped };

struct Options {
    DebugState state = DebugState::None;
    std::string veldo; // full path of VELDO.EXE
    std::string file;  // full path of the file in the editor
    int line = 1;
};

const char *SkipBlanks(const char *p) {
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// The program's own name follows simpler rules than its arguments: quoted
// up to the next quote, otherwise up to the first blank.
const char *SkipProgramName(const char *p) {
    if (*p == '"') {
        const char *close = std::strchr(p + 1, '"');
        return close ? close + 1 : p + std::strlen(p);
    }
    while (*p && *p != ' ' && *p != '\t')
        ++p;
    return p;
}

// One argument as the C runtime splits them: quotes group blanks; 2n
// backslashes before a quote give n and the quote groups, 2n+1 give n and a
// literal quote; other backslashes stay, so plain Windows paths come through.
const char *TakeArgument(const char *p, std::string &out) {
    bool quoted = false;
    while (*p && (quoted || (*p != ' ' && *p != '\t'))) {
        if (*p == '\\') {
            const size_t count = std::strspn(p, "\\");
            p += count;
            if (*p != '"') {
                out.append(count, '\\');
                continue;
            }
            out.append(count / 2, '\\');
            if (count % 2 == 0)
                continue;
            out += '"';
            ++p;
        } else if (*p == '"') {
            if (quoted && p[1] == '"') {
                out += '"';
                ++p;
            } else {
                quoted = !quoted;
            }
            ++p;
        } else {
            out += *p++;
        }
    }
    return p;
}

std::vector<std::string> SplitArguments(const char *commandLine) {
    std::vector<std::string> args;
    for (const char *p = SkipBlanks(SkipProgramName(commandLine)); *p; p = SkipBlanks(p)) {
        std::string arg;
        p = TakeArgument(p, arg);
        args.push_back(std::move(arg));
    }
    return args;
}

std::optional<DebugState> ParseState(const std::string &text) {
    if (text == "none")
        return DebugState::None;
    if (text == "running")
        return DebugState::Running;
    if (text == "stopped")
        return DebugState::Stopped;
    return std::nullopt;
}

// Options in any order before, between or after the two positional
// arguments; problem says what was wrong.
std::optional<Options> ParseOptions(const std::vector<std::string> &args, std::string &problem) {
    Options options;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool isOption = arg.size() > 2 && arg.compare(0, 2, "--") == 0;
        if (!isOption) {
            positional.push_back(arg);
            continue;
        }
        if (i + 1 == args.size() || (arg != "--state" && arg != "--veldo")) {
            problem = "Unknown option or missing value: " + arg;
            return std::nullopt;
        }
        const std::string &value = args[++i];
        if (arg == "--veldo" && !value.empty()) {
            options.veldo = value;
        } else if (arg == "--veldo") {
            problem = "The path of VELDO.EXE is empty.";
            return std::nullopt;
        } else if (const auto state = ParseState(value)) {
            options.state = *state;
        } else {
            problem = "Unknown state: " + value;
            return std::nullopt;
        }
    }
    const auto line = positional.size() == 2 ? ParseLineNumber(positional[1]) : std::nullopt;
    if (!line || positional[0].empty()) {
        problem = "Expected a file name and a line number.";
        return std::nullopt;
    }
    options.file = FullPath(positional[0]);
    options.line = *line;
    options.veldo = options.veldo.empty() ? OwnFolder() + "\\VELDO.EXE" : FullPath(options.veldo);
    return options;
}

// ---------------------------------------------------------------------------
// The file

struct Document {
    std::vector<std::string> lines; // never empty
    std::string error;              // why the file could not be read
};

// A final line break ends the last line rather than starting an empty one.
std::vector<std::string> SplitLines(const std::string &text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    if (lines.empty())
        lines.emplace_back();
    return lines;
}

Document Unreadable(const std::string &path, DWORD code) {
    return Document{{""}, "Cannot read " + path + ": " + SystemMessage(code)};
}

Document ReadDocument(const std::string &path) {
    HANDLE raw = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE)
        return Unreadable(path, GetLastError());
    const UniqueHandle file(raw);
    std::string text;
    char buffer[64 * 1024];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
        if (got == 0)
            return Document{SplitLines(text), {}};
        text.append(buffer, got);
    }
    return Unreadable(path, GetLastError());
}

// ---------------------------------------------------------------------------
// The IDE

struct Counters {
    int prompts = 0, ctrlL = 0, altG = 0, up = 0, down = 0, runs = 0;
};

enum class Chord { CtrlL, AltG };

bool IsKeyMessage(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

bool Held(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

class Standin {
public:
    Standin(HINSTANCE instance, Options options, Document document)
        : instance_(instance), options_(std::move(options)), document_(std::move(document)) {}
    Standin(const Standin &) = delete;
    Standin &operator=(const Standin &) = delete;

    bool Create();
    int Run();

private:
    using Handler = LRESULT (Standin::*)(HWND, UINT, WPARAM, LPARAM);
    template <Handler handler> static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    bool Register(const char *className, WNDPROC proc) const;
    LRESULT MainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT EditorMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PromptMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Activated(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::string MainCaption() const;
    HMENU CreateMainMenu() const;

    bool HandleKey(MSG &msg);
    bool EditorKey(const MSG &msg);
    bool PromptKey(MSG &msg);
    void Refocus() const;

    void CreateEditorChildren(HWND editor);
    HWND CreateLabel(HWND parent, int id, const std::string &text) const;
    void LayoutEditor() const;
    RECT TextArea() const;
    int VisibleRows() const;
    int GutterWidth() const;
    void PaintEditor() const;
    void PaintRow(HDC dc, const RECT &area, int row) const;
    void MoveCursor(int line, bool center);
    void ScrollToCursor(bool center);
    void ShowCounters() const;

    void OpenPrompt(Chord chord);
    void CreatePromptChildren(HWND prompt);
    void TypeDigit(char digit) const;
    void DeleteAfterCaret() const;
    void CommitPrompt();
    void ClosePrompt();

    void RunTool();

    HINSTANCE instance_;
    Options options_;
    Document document_;
    Counters counters_;
    int cursor_ = 1; // counted from 1
    int top_ = 0;    // index of the first line shown
    HWND main_ = nullptr;
    HWND editor_ = nullptr;
    HWND pathLabel_ = nullptr;
    HWND counterLabel_ = nullptr;
    HWND prompt_ = nullptr;
    HWND field_ = nullptr;
    UniqueFont textFont_;
    int lineHeight_ = 16;
    int charWidth_ = 8;
};

template <Standin::Handler handler>
LRESULT CALLBACK Standin::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<Standin *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return self ? (self->*handler)(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

bool Standin::Register(const char *className, WNDPROC proc) const {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

std::string Standin::MainCaption() const {
    switch (options_.state) {
    case DebugState::Running:
        return std::string(kTitle) + " - Running";
    case DebugState::Stopped:
        return std::string(kTitle) + " - Stopped";
    case DebugState::None:
        break;
    }
    return kTitle;
}

HMENU Standin::CreateMainMenu() const {
    HMENU bar = CreateMenu();
    HMENU tools = CreatePopupMenu();
    AppendMenuA(tools, MF_STRING, kCmdVeldo, "&Veldo\tF12");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), "&Tools");
    return bar;
}

bool Standin::Create() {
    if (!Register(kMainClass, Proc<&Standin::MainMessage>) ||
        !Register(kEditorClass, Proc<&Standin::EditorMessage>) ||
        !Register(kPromptClass, Proc<&Standin::PromptMessage>))
        return false;
    main_ = CreateWindowExA(0, kMainClass, MainCaption().c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 600, 90, nullptr,
                            CreateMainMenu(), instance_, this);
    // Owned by the main window, as the IDE's editor is: it stays above it
    // and goes with it.
    editor_ = CreateWindowExA(0, kEditorClass, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 100, 640, 480,
                              main_, nullptr, instance_, this);
    if (!main_ || !editor_)
        return false;
    MoveCursor(options_.line, true);
    ShowWindow(main_, SW_SHOWNA);
    ShowWindow(editor_, SW_SHOW);
    SetForegroundWindow(editor_);
    SetFocus(editor_);
    return true;
}

// Keys are taken before translation, so a key used here never becomes a
// character, and by the state of the IDE rather than by the window they
// were addressed to: Wine fixes a key's window when it is queued, and a
// burst typed ahead of the go-to prompt arrives addressed to the editor.
int Standin::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsKeyMessage(msg.message) && HandleKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

// ---------------------------------------------------------------------------
// Keys

bool Standin::HandleKey(MSG &msg) {
    const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (down && msg.wParam == VK_F12) {
        RunTool();
        return true;
    }
    return prompt_ ? PromptKey(msg) : EditorKey(msg);
}

bool Standin::EditorKey(const MSG &msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
        if (msg.wParam == VK_UP || msg.wParam == VK_DOWN) {
            const bool up = msg.wParam == VK_UP;
            ++(up ? counters_.up : counters_.down);
            MoveCursor(cursor_ + (up ? -1 : 1), false);
            ShowCounters();
            return true;
        }
        if (msg.wParam == 'L' && Held(VK_CONTROL) && !Held(VK_MENU)) {
            OpenPrompt(Chord::CtrlL);
            return true;
        }
        return false;
    case WM_SYSKEYDOWN:
        // While debugging, the IDE's Alt+G is no go-to.
        if (msg.wParam == 'G' && options_.state == DebugState::None)
            OpenPrompt(Chord::AltG);
        // Alt+F4 still closes; no other Alt key may start menu mode or beep.
        return msg.wParam != VK_F4;
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_SYSDEADCHAR:
        return true;
    default:
        return false;
    }
}

// While the prompt is open every key is the field's, wherever it arrived.
// Digits go by virtual key: the key typed is what counts, not the character
// a shifted layout would make of it.
bool Standin::PromptKey(MSG &msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
        if (msg.wParam >= '0' && msg.wParam <= '9') {
            TypeDigit(static_cast<char>(msg.wParam));
            return true;
        }
        if (msg.wParam == VK_DELETE) {
            DeleteAfterCaret();
            return true;
        }
        if (msg.wParam == VK_RETURN) {
            CommitPrompt();
            return true;
        }
        if (msg.wParam == VK_ESCAPE) {
            ClosePrompt();
            return true;
        }
        break;
    case WM_SYSKEYDOWN:
        if (msg.wParam != VK_F4)
            return true;
        break;
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_SYSDEADCHAR:
        return true;
    default:
        break;
    }
    msg.hwnd = field_;
    return false;
}

// The keyboard belongs to the editor, or to the prompt's field while it is
// open, whichever of the IDE's windows was activated.
void Standin::Refocus() const {
    const HWND target = prompt_ ? field_ : editor_;
    if (target && IsWindowVisible(target) && GetFocus() != target)
        SetFocus(target);
}

LRESULT Standin::Activated(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
        Refocus();
    return result;
}

// ---------------------------------------------------------------------------
// Main window

LRESULT Standin::MainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kCmdVeldo) {
            RunTool();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        return Activated(window, message, wParam, lParam);
    case WM_PAINT: {
        PaintScope paint(window);
        RECT client{};
        GetClientRect(window, &client);
        InflateRect(&client, -8, -6);
        Selection font(paint.Dc(), GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(paint.Dc(), TRANSPARENT);
        DrawTextA(paint.Dc(), "Tools > Veldo (F12) runs Veldo on the editor's file at its cursor line.", -1,
                  &client, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
        return 0;
    }
    case WM_DESTROY:
        main_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Editor window

HWND Standin::CreateLabel(HWND parent, int id, const std::string &text) const {
    HWND label = CreateWindowExA(0, "STATIC", text.c_str(),
                                 WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return label;
}

void Standin::CreateEditorChildren(HWND editor) {
    editor_ = editor;
    pathLabel_ = CreateLabel(editor, kIdPath, options_.file);
    counterLabel_ = CreateLabel(editor, kIdCounters, "");
    ShowCounters();

    HDC dc = GetDC(editor);
    const int height = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
    textFont_.reset(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                FIXED_PITCH | FF_MODERN, "Courier New"));
    TEXTMETRICA metrics{};
    {
        Selection font(dc, textFont_.get());
        GetTextMetricsA(dc, &metrics);
    }
    ReleaseDC(editor, dc);
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading + 2;
    charWidth_ = std::max<int>(1, metrics.tmAveCharWidth);
}

void Standin::LayoutEditor() const {
    RECT client{};
    GetClientRect(editor_, &client);
    const int width = client.right - 12;
    MoveWindow(pathLabel_, 6, (kLabelBand - kLabelHeight) / 2, width, kLabelHeight, TRUE);
    MoveWindow(counterLabel_, 6, client.bottom - kLabelBand + (kLabelBand - kLabelHeight) / 2, width,
               kLabelHeight, TRUE);
}

RECT Standin::TextArea() const {
    RECT area{};
    GetClientRect(editor_, &area);
    area.top += kLabelBand;
    area.bottom = std::max(area.top, area.bottom - kLabelBand);
    return area;
}

int Standin::VisibleRows() const {
    const RECT area = TextArea();
    return std::max(1, static_cast<int>(area.bottom - area.top) / lineHeight_);
}

int Standin::GutterWidth() const {
    const int digits = static_cast<int>(std::to_string(document_.lines.size()).size());
    return charWidth_ * (std::max(digits, 3) + 2);
}

void Standin::PaintRow(HDC dc, const RECT &area, int row) const {
    const int index = top_ + row;
    const int y = area.top + row * lineHeight_;
    // The last row is cut at the status band.
    const int bottom = std::min<int>(y + lineHeight_, area.bottom);
    const int gutter = area.left + GutterWidth();
    const bool exists = index < static_cast<int>(document_.lines.size());
    const bool current = index + 1 == cursor_;
    const bool showError = index == 0 && !document_.error.empty();

    const std::string number = exists ? std::to_string(index + 1) : "";
    const RECT numberRect{area.left, y, gutter, bottom};
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    SetTextColor(dc, kGutterInk);
    SetBkColor(dc, current ? kCursorPaper : kGutter);
    ExtTextOutA(dc, gutter - charWidth_, y + 1, ETO_OPAQUE | ETO_CLIPPED, &numberRect, number.c_str(),
                static_cast<UINT>(number.size()), nullptr);

    const std::string text = showError ? document_.error : exists ? ExpandTabs(document_.lines[index]) : "";
    const RECT textRect{gutter, y, area.right, bottom};
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetTextColor(dc, showError ? kErrorInk : kInk);
    SetBkColor(dc, current ? kCursorPaper : kPaper);
    ExtTextOutA(dc, gutter + charWidth_, y + 1, ETO_OPAQUE | ETO_CLIPPED, &textRect, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
}

void Standin::PaintEditor() const {
    PaintScope paint(editor_);
    const RECT area = TextArea();
    Selection font(paint.Dc(), textFont_.get());
    for (int row = 0; area.top + row * lineHeight_ < area.bottom; ++row)
        PaintRow(paint.Dc(), area, row);
}

// Single steps scroll as little as they need; jumps put the line in the
// middle, as the IDE does.
void Standin::ScrollToCursor(bool center) {
    const int rows = VisibleRows();
    const int index = cursor_ - 1;
    if (index >= top_ && index < top_ + rows)
        return;
    if (center)
        top_ = index - rows / 2;
    else
        top_ = index < top_ ? index : index - rows + 1;
    const int lastTop = std::max(0, static_cast<int>(document_.lines.size()) - rows);
    top_ = std::clamp(top_, 0, lastTop);
}

void Standin::MoveCursor(int line, bool center) {
    cursor_ = std::clamp(line, 1, static_cast<int>(document_.lines.size()));
    ScrollToCursor(center);
    const std::string caption = FileNameOf(options_.file) + " - Line " + std::to_string(cursor_);
    SetWindowTextA(editor_, caption.c_str());
    const RECT area = TextArea();
    InvalidateRect(editor_, &area, FALSE);
}

void Standin::ShowCounters() const {
    char text[160];
    std::snprintf(text, sizeof text, "prompts %d (ctrl-l %d, alt-g %d) up %d down %d runs %d",
                  counters_.prompts, counters_.ctrlL, counters_.altG, counters_.up, counters_.down,
                  counters_.runs);
    SetWindowTextA(counterLabel_, text);
}

LRESULT Standin::EditorMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateEditorChildren(window);
        return 0;
    case WM_SIZE:
        LayoutEditor();
        ScrollToCursor(false);
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        PaintEditor();
        return 0;
    case WM_ACTIVATE:
        return Activated(window, message, wParam, lParam);
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4)
            break;
        return 0;
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        return 0;
    case WM_CLOSE:
        DestroyWindow(main_ ? main_ : window);
        return 0;
    case WM_DESTROY:
        editor_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Go-to-line prompt

void Standin::CreatePromptChildren(HWND prompt) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    const auto child = [&](DWORD exStyle, const char *cls, const char *text, DWORD style, int x, int y, int w,
                           int h, int id) {
        HWND control = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, prompt,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
        return control;
    };
    child(0, "STATIC", "Enter new line number:", SS_NOPREFIX, 10, 10, 240, 16, -1);
    field_ = child(WS_EX_CLIENTEDGE, "EDIT", std::to_string(cursor_).c_str(),
                   ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP, 10, 30, 240, 22, kIdField);
    SendMessageA(field_, EM_LIMITTEXT, 9, 0);
    child(0, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 94, 62, 75, 24, IDOK);
    child(0, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 175, 62, 75, 24, IDCANCEL);
}

void Standin::OpenPrompt(Chord chord) {
    ++counters_.prompts;
    ++(chord == Chord::CtrlL ? counters_.ctrlL : counters_.altG);
    ShowCounters();

    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, 260, 96};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    RECT editor{};
    GetWindowRect(editor_, &editor);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int x = (editor.left + editor.right - width) / 2, y = (editor.top + editor.bottom - height) / 2;
    prompt_ = CreateWindowExA(WS_EX_DLGMODALFRAME, kPromptClass, kPromptCaption, style, x, y, width, height,
                              editor_, nullptr, instance_, this);
    if (!prompt_)
        return;
    ShowWindow(prompt_, SW_SHOW);
    SetFocus(field_);
    SendMessageA(field_, EM_SETSEL, 0, -1);
}

void Standin::TypeDigit(char digit) const {
    const char text[2] = {digit, '\0'};
    SendMessageA(field_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

// Done by hand: the edit control would take Shift+Delete for Cut.
void Standin::DeleteAfterCaret() const {
    DWORD start = 0, end = 0;
    SendMessageA(field_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end)
        SendMessageA(field_, EM_SETSEL, start, start + 1);
    SendMessageA(field_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
}

void Standin::CommitPrompt() {
    const std::optional<int> line = ParseLineNumber(WindowText(field_));
    ClosePrompt();
    if (line)
        MoveCursor(*line, true);
}

// The state goes first, so that the editor, activated as the prompt goes,
// takes the keyboard back.
void Standin::ClosePrompt() {
    HWND prompt = std::exchange(prompt_, nullptr);
    field_ = nullptr;
    if (prompt)
        DestroyWindow(prompt);
    if (editor_) {
        SetActiveWindow(editor_);
        SetFocus(editor_);
    }
}

LRESULT Standin::PromptMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreatePromptChildren(window);
        return 0;
    case WM_ACTIVATE:
        return Activated(window, message, wParam, lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            CommitPrompt();
        else if (LOWORD(wParam) == IDCANCEL)
            ClosePrompt();
        return 0;
    case WM_CLOSE:
        ClosePrompt();
        return 0;
    case WM_DESTROY:
        if (window == prompt_)
            prompt_ = field_ = nullptr;
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Tools > Veldo: what the IDE's external tool "$SAVE $EDNAME $ROW" does.

void Standin::RunTool() {
    std::string commandLine =
        "\"" + options_.veldo + "\" \"" + options_.file + "\" " + std::to_string(cursor_);
    const std::string folder = FolderOf(options_.veldo);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        const std::string text = "Cannot run " + options_.veldo + ":\n" + SystemMessage(GetLastError());
        MessageBoxA(editor_, text.c_str(), kTitle, MB_OK | MB_ICONERROR);
        return;
    }
    const UniqueHandle process(info.hProcess), thread(info.hThread);
    ++counters_.runs;
    ShowCounters();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::string problem;
    const std::optional<Options> options = ParseOptions(SplitArguments(GetCommandLineA()), problem);
    if (!options) {
        const std::string text = problem + "\n\n" + kUsage;
        MessageBoxA(nullptr, text.c_str(), kTitle, MB_OK | MB_ICONERROR);
        return kExitUsage;
    }
    Standin standin(instance, *options, ReadDocument(options->file));
    if (!standin.Create()) {
        const std::string text = "Cannot create the windows: " + SystemMessage(GetLastError());
        MessageBoxA(nullptr, text.c_str(), kTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
    return standin.Run();
}
