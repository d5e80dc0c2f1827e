// A bar the user drags to resize the pane beside it.
#pragma once

#include "ui/window.h"

namespace ui {

class Splitter final : public Window {
public:
    // align is Right for a pane at the splitter's right, Bottom for one
    // below it; the pane has the same alignment and is laid out first.
    Splitter(Window &parent, int id, Align align, int thickness, Window &pane);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr int kMinPaneSize = 30;
    int Position(LPARAM lParam) const;
    void Follow(LPARAM lParam);
    Window &pane_;
    bool dragging_ = false;
    int grab_ = 0;
    int startSize_ = 0;
};

} // namespace ui
