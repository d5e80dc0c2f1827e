#include "ui/window.h"

#include "ui/application.h"
#include "ui/form.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <set>
#include <string>
#include <utility>

namespace ui {

namespace {

bool IsKeyDown(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}
bool IsKeyUp(UINT message) {
    return message == WM_KEYUP || message == WM_SYSKEYUP;
}

void EnsureClass(const char *className) {
    static std::set<std::string> registered;
    if (registered.count(className))
        return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA; // replaced by the wrapper's procedure at creation
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    // Forms show the program's icon, resource 1 by convention.
    wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    wc.lpszClassName = className;
    RegisterClassExA(&wc);
    registered.insert(className);
}

MouseButton ButtonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

} // namespace

ShiftState CurrentShiftState() {
    unsigned state = kShiftNone;
    if (GetKeyState(VK_SHIFT) < 0)
        state |= kShift;
    if (GetKeyState(VK_MENU) < 0)
        state |= kAlt;
    if (GetKeyState(VK_CONTROL) < 0)
        state |= kCtrl;
    return static_cast<ShiftState>(state);
}

Window::~Window() {
    DestroyHandle();
}

void Window::DestroyHandle() {
    if (HWND hwnd = Detach())
        DestroyWindow(hwnd);
}

HWND Window::Detach() {
    if (!hwnd_)
        return nullptr;
    HWND hwnd = std::exchange(hwnd_, nullptr);
    if (original_)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(std::exchange(original_, nullptr)));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (parent_)
        std::erase(parent_->children_, this);
    parent_ = nullptr;
    for (Window *child : children_)
        child->parent_ = nullptr;
    children_.clear();
    return hwnd;
}

Window *Window::FromHandle(HWND hwnd) {
    // The user data slot is read without a trip to the window server, which
    // matters at one lookup per message.
    if (!hwnd || GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId())
        return nullptr;
    return reinterpret_cast<Window *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Window::Attach(HWND hwnd, Window *parent) {
    hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    parent_ = parent;
    if (parent)
        parent->children_.push_back(this);
}

void Window::CreateOwn(const char *className, DWORD exStyle, DWORD style, const char *text, Window *parent,
                       int id, int x, int y, int width, int height, HWND owner, HMENU menu) {
    EnsureClass(className);
    HWND parentHandle = parent ? parent->Handle() : owner;
    HMENU idOrMenu = parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : menu;
    HWND hwnd = CreateWindowExA(exStyle, className, text, style, x, y, width, height, parentHandle, idOrMenu,
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        throw std::runtime_error(std::string("Error creating window ") + className);
    Attach(hwnd, parent);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnProc));
}

void Window::CreateControl(const char *className, DWORD exStyle, DWORD style, const char *text,
                           Window *parent, int id, int x, int y, int width, int height) {
    HWND hwnd = CreateWindowExA(exStyle, className, text, style | WS_CHILD | WS_CLIPSIBLINGS, x, y, width,
                                height, parent ? parent->Handle() : nullptr,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                nullptr);
    if (!hwnd)
        throw std::runtime_error(std::string("Error creating window ") + className);
    Attach(hwnd, parent);
    // Plain subclassing: the common controls' subclass helper costs a
    // hundred times more per message under some window systems.
    original_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnProc)));
}

LRESULT CALLBACK Window::OwnProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window *window = FromHandle(hwnd);
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return Dispatch(window, message, wParam, lParam);
}

// The one place where an exception raised by a handler stops: it is shown,
// and the program runs on.
LRESULT Window::Dispatch(Window *window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        // Destroyed with its parent: the wrapper lets go of the handle.
        LRESULT result = window->Default(message, wParam, lParam);
        window->Detach();
        return result;
    }
    LRESULT result = 0;
    Guarded([&] { result = window->HandleMessage(message, wParam, lParam); });
    return result;
}

void Window::ShowError(const std::exception *error) {
    if (error)
        Application::Instance().ShowException(*error);
    else
        Application::Instance().ShowException(std::runtime_error("Unknown error"));
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (original_)
        return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Window::RouteKeyDown(WORD &key) {
    ShiftState shift = CurrentShiftState();
    Form *form = OwningForm();
    if (form && form != this && form->KeyPreview && form->OnKeyDown) {
        form->OnKeyDown(key, shift);
        if (key == 0)
            return false;
    }
    if (OnKeyDown) {
        OnKeyDown(key, shift);
        if (key == 0)
            return false;
    }
    return true;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsKeyDown(message)) {
        WORD key = static_cast<WORD>(wParam);
        if (!RouteKeyDown(key))
            return 0;
        return Default(message, key, lParam);
    }
    if (IsKeyUp(message) && OnKeyUp) {
        WORD key = static_cast<WORD>(wParam);
        OnKeyUp(key, CurrentShiftState());
        if (key == 0)
            return 0;
        return Default(message, key, lParam);
    }
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        LRESULT result = Default(message, wParam, lParam);
        if (OnMouseDown)
            OnMouseDown(ButtonOf(message), CurrentShiftState(), static_cast<short>(LOWORD(lParam)),
                        static_cast<short>(HIWORD(lParam)));
        return result;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        LRESULT result = Default(message, wParam, lParam);
        if (OnMouseUp)
            OnMouseUp(ButtonOf(message), CurrentShiftState(), static_cast<short>(LOWORD(lParam)),
                      static_cast<short>(HIWORD(lParam)));
        return result;
    }
    case WM_COMMAND:
        if (lParam) {
            if (Window *child = FromHandle(reinterpret_cast<HWND>(lParam));
                child && child->OnCommand(HIWORD(wParam), LOWORD(wParam)))
                return 0;
        }
        break;
    case WM_NOTIFY: {
        auto *header = reinterpret_cast<NMHDR *>(lParam);
        LRESULT result = 0;
        if (Window *child = FromHandle(header->hwndFrom)) {
            if (child->OnNotify(header, result))
                return result;
            break;
        }
        // Tool tips of a child control ask its parent for their texts.
        for (Window *child : children_)
            if (child->OnNotify(header, result))
                return result;
        break;
    }
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HWND control = reinterpret_cast<HWND>(lParam);
        Window *child = FromHandle(control);
        // A combo box's edit and list parts are not wrapped: their combo answers for them.
        if (!child)
            child = FromHandle(GetParent(control));
        if (child) {
            if (HBRUSH brush = child->OnColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        }
        break;
    }
    case WM_SIZE:
        if (!children_.empty())
            Realign();
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void Window::Realign() {
    RECT area;
    GetClientRect(hwnd_, &area);
    std::vector<Window *> ordered = children_;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Window *a, const Window *b) { return a->alignOrder_ < b->alignOrder_; });
    for (Align kind : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Window *child : ordered) {
            if (child->align_ != kind || !child->Visible())
                continue;
            int width = child->Width(), height = child->Height();
            RECT r = area;
            switch (kind) {
            case Align::Top:
                r.bottom = std::min(area.bottom, area.top + height);
                area.top = r.bottom;
                break;
            case Align::Bottom:
                r.top = std::max(area.top, area.bottom - height);
                area.bottom = r.top;
                break;
            case Align::Left:
                r.right = std::min(area.right, area.left + width);
                area.left = r.right;
                break;
            case Align::Right:
                r.left = std::max(area.left, area.right - width);
                area.right = r.left;
                break;
            default:
                break;
            }
            SetWindowPos(child->hwnd_, nullptr, r.left, r.top, std::max(0L, r.right - r.left),
                         std::max(0L, r.bottom - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

namespace {
RECT BoundsInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    if (HWND parent = (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr)
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&r), 2);
    return r;
}
} // namespace

int Window::Left() const {
    return BoundsInParent(hwnd_).left;
}
int Window::Top() const {
    return BoundsInParent(hwnd_).top;
}
int Window::Width() const {
    RECT r = BoundsInParent(hwnd_);
    return r.right - r.left;
}
int Window::Height() const {
    RECT r = BoundsInParent(hwnd_);
    return r.bottom - r.top;
}

void Window::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (parent_ && align_ != Align::None)
        parent_->Realign();
}

void Window::SetAlign(Align align, int order) {
    align_ = align;
    alignOrder_ = order;
    if (parent_)
        parent_->Realign();
}

bool Window::Visible() const {
    return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Window::SetVisible(bool visible) {
    if (visible == Visible())
        return;
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    if (parent_ && align_ != Align::None)
        parent_->Realign();
}

std::string Window::Text() const {
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd_, text.data(), length + 1)));
    return text;
}

void Window::SetText(std::string_view text) {
    SetWindowTextA(hwnd_, std::string(text).c_str());
}

void Window::SetFont(HFONT font) {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Window::SetFocus() {
    ::SetFocus(hwnd_);
}

void Window::Update() {
    UpdateWindow(hwnd_);
}

LRESULT Window::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(hwnd_, message, wParam, lParam);
}

std::string Window::ItemText(UINT lengthMessage, UINT textMessage, int32_t index) const {
    // LB_ERR and CB_ERR are both -1.
    const LRESULT length = SendMessageA(hwnd_, lengthMessage, index, 0);
    if (length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(hwnd_, textMessage, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return text;
}

Form *Window::OwningForm() {
    for (Window *w = this; w; w = w->parent_)
        if (auto *form = dynamic_cast<Form *>(w))
            return form;
    return nullptr;
}

Font::Font(std::string_view face, int pixelHeight, bool bold) {
    LOGFONTA lf{};
    lf.lfHeight = -pixelHeight;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, std::string(face).c_str(), LF_FACESIZE);
    font_ = CreateFontIndirectA(&lf);
}

Font &Font::operator=(Font &&other) noexcept {
    if (this != &other) {
        if (font_)
            DeleteObject(font_);
        font_ = std::exchange(other.font_, nullptr);
    }
    return *this;
}

Font::~Font() {
    if (font_)
        DeleteObject(font_);
}

Brush::~Brush() {
    if (brush_)
        DeleteObject(brush_);
}

void Brush::SetColor(COLORREF color) {
    if (brush_ && color == color_)
        return;
    if (brush_)
        DeleteObject(brush_);
    color_ = color;
    brush_ = CreateSolidBrush(color);
}

} // namespace ui
