// A status bar with fixed-width panels.
#pragma once

#include "ui/window.h"

#include <initializer_list>
#include <vector>

namespace ui {

class StatusBar final : public Window {
public:
    StatusBar(Window &parent, int id, int height, std::initializer_list<int> panelWidths);
    void SetPanelText(int panel, std::string_view text);

private:
    std::vector<int> rightEdges_;
};

} // namespace ui
