// A push button.
#pragma once

#include "ui/window.h"

namespace ui {

class Button final : public Window {
public:
    Button(Window &parent, int id, int x, int y, int width, int height, std::string_view caption,
           bool visible = true);
    NotifyHandler OnClick;

protected:
    bool OnCommand(WORD code, WORD id) override;
};

} // namespace ui
