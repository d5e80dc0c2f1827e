#include "ui/list_box.h"

#include <string>

namespace ui {

ListBox::ListBox(Window &parent, int id, int x, int y, int width, int height, bool integralHeight) {
    DWORD style = WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS;
    if (!integralHeight)
        style |= LBS_NOINTEGRALHEIGHT;
    CreateControl("LISTBOX", WS_EX_CLIENTEDGE, style, "", &parent, id, x, y, width, height);
}

void ListBox::SetItemHeight(int height) {
    Perform(LB_SETITEMHEIGHT, 0, height);
}

void ListBox::SetColors(COLORREF background, COLORREF text) {
    background_.SetColor(background);
    text_ = text;
    colored_ = true;
    InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH ListBox::OnColor(HDC dc) {
    if (!colored_)
        return nullptr;
    SetTextColor(dc, text_);
    SetBkColor(dc, background_.Color());
    return background_.Handle();
}

void ListBox::Clear() {
    Perform(LB_RESETCONTENT, 0, 0);
}

void ListBox::Add(std::string_view text) {
    std::string copy(text);
    Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

int32_t ListBox::Count() const {
    return static_cast<int32_t>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
}

std::string ListBox::Get(int32_t index) const {
    return ItemText(LB_GETTEXTLEN, LB_GETTEXT, index);
}

void ListBox::Set(int32_t index, std::string_view text) {
    if (index < 0 || index >= Count())
        return;
    int32_t selected = ItemIndex();
    std::string copy(text);
    Perform(LB_DELETESTRING, index, 0);
    Perform(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(copy.c_str()));
    if (selected == index)
        SetItemIndex(index);
}

int32_t ListBox::ItemIndex() const {
    return static_cast<int32_t>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int32_t index) {
    Perform(LB_SETCURSEL, index, 0);
}

void ListBox::BeginUpdate() {
    if (updating_++ == 0)
        Perform(WM_SETREDRAW, FALSE, 0);
}

void ListBox::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) {
        Perform(WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

bool ListBox::OnCommand(WORD code, WORD) {
    if (code == LBN_SELCHANGE && OnClick) {
        OnClick();
        return true;
    }
    if (code == LBN_DBLCLK && OnDblClick) {
        OnDblClick();
        return true;
    }
    return false;
}

} // namespace ui
