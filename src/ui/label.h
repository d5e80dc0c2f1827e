// Static texts: a label in a colour of its own, and a text with a sunken
// border.
#pragma once

#include "ui/window.h"

namespace ui {

class Label final : public Window {
public:
    Label(Window &parent, int id, int x, int y, int width, int height, std::string_view caption,
          bool sunken = false);
    void SetTextColor(COLORREF color);

protected:
    HBRUSH OnColor(HDC dc) override;

private:
    COLORREF color_ = 0;
    bool colored_ = false;
};

} // namespace ui
