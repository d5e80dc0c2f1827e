#include "ui/button.h"

#include <string>

namespace ui {

Button::Button(Window &parent, int id, int x, int y, int width, int height, std::string_view caption,
               bool visible) {
    CreateControl("BUTTON", 0, (visible ? WS_VISIBLE : 0) | BS_PUSHBUTTON, std::string(caption).c_str(),
                  &parent, id, x, y, width, height);
}

bool Button::OnCommand(WORD code, WORD) {
    if (code != BN_CLICKED || !OnClick)
        return false;
    OnClick();
    return true;
}

} // namespace ui
