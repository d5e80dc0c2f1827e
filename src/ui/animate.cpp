#include "ui/animate.h"

#include <commctrl.h>

namespace ui {

Animate::Animate(Window &parent, int id, int x, int y, int width, int height, int resourceId, int stopFrame)
    : stopFrame_(stopFrame) {
    CreateControl(ANIMATE_CLASSA, 0, WS_VISIBLE | ACS_TRANSPARENT | ACS_CENTER, "", &parent, id, x, y, width,
                  height);
    Perform(ACM_OPENA, reinterpret_cast<WPARAM>(GetModuleHandleA(nullptr)),
            reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId)));
    Perform(ACM_PLAY, 1, MAKELPARAM(stopFrame_, stopFrame_));
}

void Animate::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        Perform(ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, stopFrame_));
    } else {
        Perform(ACM_STOP, 0, 0);
        Perform(ACM_PLAY, 1, MAKELPARAM(stopFrame_, stopFrame_));
    }
}

} // namespace ui
