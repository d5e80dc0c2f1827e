// The base of every window wrapper: owns its handle, is found from it, lays
// out its aligned children and routes keys the way forms expect.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

class Form;

enum class Align { None, Top, Bottom, Left, Right, Client };

// Modifier keys held, as key and mouse handlers see them.
enum ShiftState : unsigned {
    kShiftNone = 0,
    kShift = 1,
    kAlt = 2,
    kCtrl = 4,
};
ShiftState CurrentShiftState();

enum class MouseButton { Left, Right, Middle };

// Setting the key to 0 consumes it.
using KeyHandler = std::function<void(WORD &key, ShiftState shift)>;
using MouseHandler = std::function<void(MouseButton button, ShiftState shift, int x, int y)>;
using NotifyHandler = std::function<void()>;

class Window {
public:
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    // The wrapper of a window created through this layer, or null.
    static Window *FromHandle(HWND hwnd);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    bool Visible() const;
    void SetVisible(bool visible);
    std::string Text() const;
    void SetText(std::string_view text);
    void SetFont(HFONT font);
    void SetFocus();
    // Repaints what is invalid at once.
    void Update();
    // Delivers a message straight to the window procedure.
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam);
    // The text of a list or combo box item, asked with the control's own
    // length and text messages; empty for no such item.
    std::string ItemText(UINT lengthMessage, UINT textMessage, int32_t index) const;

    Align GetAlign() const { return align_; }
    // Children of one alignment are placed in ascending order, the first
    // nearest the parent's edge.
    void SetAlign(Align align, int order = 0);
    Window *Parent() const { return parent_; }
    // The form this window belongs to.
    Form *OwningForm();

    KeyHandler OnKeyDown;
    KeyHandler OnKeyUp;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseUp;

    // Routes a key-down: the form's key preview, then this control's own
    // handler, then the control. Returns false when a handler consumed it.
    bool RouteKeyDown(WORD &key);
    // Runs fn; an exception it raises is shown and goes no further, so none
    // crosses a window procedure.
    template <class Fn> static void Guarded(Fn &&fn) {
        try {
            fn();
        } catch (const std::exception &error) {
            ShowError(&error);
        } catch (...) {
            ShowError(nullptr);
        }
    }

protected:
    Window() = default;
    // A window of one of this layer's own classes (registered on demand
    // with the default procedure of this layer).
    void CreateOwn(const char *className, DWORD exStyle, DWORD style, const char *text, Window *parent,
                   int id, int x, int y, int width, int height, HWND owner = nullptr, HMENU menu = nullptr);
    // A system control, subclassed so that its messages pass through here.
    void CreateControl(const char *className, DWORD exStyle, DWORD style, const char *text, Window *parent,
                       int id, int x, int y, int width, int height);
    void DestroyHandle();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification the parent received from this control.
    virtual bool OnCommand(WORD /*code*/, WORD /*id*/) { return false; }
    virtual bool OnNotify(NMHDR * /*header*/, LRESULT & /*result*/) { return false; }
    // WM_CTLCOLOR*: a brush, or null for the default colours.
    virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }
    // Places the aligned children within the client area.
    void Realign();

private:
    friend class Application;
    static LRESULT CALLBACK OwnProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT Dispatch(Window *window, UINT message, WPARAM wParam, LPARAM lParam);
    static void ShowError(const std::exception *error);
    void Attach(HWND hwnd, Window *parent);
    // Forgets the handle without destroying the window; returns it.
    HWND Detach();

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr; // a system control's own procedure
    Window *parent_ = nullptr;
    Align align_ = Align::None;
    int alignOrder_ = 0;
    std::vector<Window *> children_;
};

// A GDI font the wrapper owns.
class Font {
public:
    Font() = default;
    Font(std::string_view face, int pixelHeight, bool bold);
    Font(const Font &) = delete;
    Font &operator=(const Font &) = delete;
    Font(Font &&other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
    Font &operator=(Font &&other) noexcept;
    ~Font();
    HFONT Handle() const { return font_; }

private:
    HFONT font_ = nullptr;
};

// A solid brush the wrapper owns, for control backgrounds.
class Brush {
public:
    Brush() = default;
    Brush(const Brush &) = delete;
    Brush &operator=(const Brush &) = delete;
    ~Brush();
    void SetColor(COLORREF color);
    HBRUSH Handle() const { return brush_; }
    COLORREF Color() const { return color_; }

private:
    HBRUSH brush_ = nullptr;
    COLORREF color_ = 0;
};

} // namespace ui
