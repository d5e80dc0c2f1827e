// A plain container with an optional border; its aligned children are laid
// out inside it, and their notifications pass through it to them.
#pragma once

#include "ui/window.h"

namespace ui {

class Panel final : public Window {
public:
    Panel(Window &parent, int id, int x, int y, int width, int height, int borderWidth = 0);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int border_;
};

} // namespace ui
