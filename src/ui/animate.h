// The common animation control playing an AVI resource.
#pragma once

#include "ui/window.h"

namespace ui {

class Animate final : public Window {
public:
    // Plays frames 0 to stopFrame over and over while active and shows
    // stopFrame while stopped.
    Animate(Window &parent, int id, int x, int y, int width, int height, int resourceId, int stopFrame);
    bool Active() const { return active_; }
    void SetActive(bool active);

private:
    int stopFrame_;
    bool active_ = false;
};

} // namespace ui
