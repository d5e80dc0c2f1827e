#include "ui/combo_box.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

namespace {
// Every combo box's edit part is of the one system edit class; its
// procedure is needed also after the combo's wrapper has gone.
WNDPROC systemEditProc = nullptr;
} // namespace

ComboBox::ComboBox(Window &parent, int id, ComboStyle style, bool sorted, int x, int y, int width)
    : style_(style) {
    DWORD kind = style == ComboStyle::Simple     ? CBS_SIMPLE
                 : style == ComboStyle::DropDown ? CBS_DROPDOWN
                                                 : CBS_DROPDOWNLIST;
    DWORD styles = WS_VISIBLE | WS_VSCROLL | kind | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
    if (sorted)
        styles |= CBS_SORT;
    CreateControl("COMBOBOX", 0, styles, "", &parent, id, x, y, width, 200);
    editHeight_ = static_cast<int>(Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 6;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(Handle(), &info) && info.hwndItem) {
        systemEditProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(info.hwndItem, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
        // A simple combo box cut just below its edit field shows nothing
        // of its list.
        if (style == ComboStyle::Simple)
            editHeight_ = info.rcItem.bottom + info.rcItem.top;
    }
    Resize(width);
}

// The edit part has the keyboard; its keys go through the combo's routing
// (key preview, the combo's own handler) before the edit sees them.
LRESULT CALLBACK ComboBox::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The edit part's parent is the combo box.
    auto *combo = dynamic_cast<ComboBox *>(FromHandle(GetParent(hwnd)));
    if (!combo)
        return CallWindowProcA(systemEditProc, hwnd, message, wParam, lParam);
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        WORD key = static_cast<WORD>(wParam);
        bool pass = true;
        Guarded([&] { pass = combo->RouteKeyDown(key); });
        if (!pass)
            return 0;
        wParam = key;
    } else if ((message == WM_KEYUP || message == WM_SYSKEYUP) && combo->OnKeyUp) {
        WORD key = static_cast<WORD>(wParam);
        Guarded([&] { combo->OnKeyUp(key, CurrentShiftState()); });
        if (key == 0)
            return 0;
    }
    return CallWindowProcA(systemEditProc, hwnd, message, wParam, lParam);
}

void ComboBox::Resize(int width) {
    // A simple combo one line high shows only its edit field; a drop-down
    // one's height sets how far its list drops.
    int itemHeight = static_cast<int>(Perform(CB_GETITEMHEIGHT, 0, 0));
    int height = style_ == ComboStyle::Simple ? editHeight_
                                              : editHeight_ + std::max(1, dropDownCount_) * itemHeight + 2;
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Perform(CB_SETMINVISIBLE, std::max(1, dropDownCount_), 0);
}

void ComboBox::SetBounds(int left, int top, int width, int /*height*/) {
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Resize(width);
}

void ComboBox::AddItem(std::string_view text) {
    std::string copy(text);
    Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

int32_t ComboBox::Count() const {
    return static_cast<int32_t>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0));
}

std::string ComboBox::Get(int32_t index) const {
    return ItemText(CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

void ComboBox::Set(int32_t index, std::string_view text) {
    if (index < 0 || index >= Count())
        return;
    std::string copy(text);
    Perform(CB_DELETESTRING, index, 0);
    Perform(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(copy.c_str()));
}

void ComboBox::InsertFirst(std::string_view text) {
    std::string copy(text);
    Perform(CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

void ComboBox::Clear() {
    Perform(CB_RESETCONTENT, 0, 0);
    SetText("");
}

bool ComboBox::DroppedDown() const {
    return SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void ComboBox::SetDroppedDown(bool dropped) {
    if (style_ != ComboStyle::Simple && dropped != DroppedDown())
        Perform(CB_SHOWDROPDOWN, dropped, 0);
}

void ComboBox::SetDropDownCount(int rows) {
    dropDownCount_ = rows;
    Resize(Width());
}

void ComboBox::SetBackground(COLORREF color) {
    background_.SetColor(color);
    colored_ = true;
}

HBRUSH ComboBox::OnColor(HDC dc) {
    if (!colored_)
        return nullptr;
    SetBkColor(dc, background_.Color());
    return background_.Handle();
}

bool ComboBox::OnCommand(WORD code, WORD) {
    switch (code) {
    case CBN_EDITCHANGE:
        if (OnChange)
            OnChange();
        return true;
    case CBN_SELCHANGE:
        if (OnClick)
            OnClick();
        return true;
    default:
        return false;
    }
}

} // namespace ui
