#include "ui/label.h"

#include <string>

namespace ui {

Label::Label(Window &parent, int id, int x, int y, int width, int height, std::string_view caption,
             bool sunken) {
    DWORD style = WS_VISIBLE | SS_NOPREFIX | (sunken ? SS_SUNKEN | SS_CENTER | SS_CENTERIMAGE : SS_LEFT);
    CreateControl("STATIC", 0, style, std::string(caption).c_str(), &parent, id, x, y, width, height);
}

void Label::SetTextColor(COLORREF color) {
    color_ = color;
    colored_ = true;
    InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH Label::OnColor(HDC dc) {
    if (!colored_)
        return nullptr;
    ::SetTextColor(dc, color_);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace ui
