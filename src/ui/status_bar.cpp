#include "ui/status_bar.h"

#include <commctrl.h>

namespace ui {

StatusBar::StatusBar(Window &parent, int id, int height, std::initializer_list<int> panelWidths) {
    // The parent's layout places it, not the control's own bottom docking.
    CreateControl(STATUSCLASSNAMEA, 0, WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP, "",
                  &parent, id, 0, 0, 100, height);
    int edge = 0;
    for (int width : panelWidths)
        rightEdges_.push_back(edge += width);
    // The last panel reaches to the bar's end, so its text is not cut at
    // its nominal width.
    if (!rightEdges_.empty())
        rightEdges_.back() = -1;
    Perform(SB_SETPARTS, rightEdges_.size(), reinterpret_cast<LPARAM>(rightEdges_.data()));
    SetAlign(Align::Bottom);
}

void StatusBar::SetPanelText(int panel, std::string_view text) {
    std::string copy(text);
    Perform(SB_SETTEXTA, panel, reinterpret_cast<LPARAM>(copy.c_str()));
}

} // namespace ui
