// A timer on its form's window. Expiries of a disabled timer are ignored,
// also ones that were already queued when it was disabled.
#pragma once

#include "ui/window.h"

namespace ui {

class Form;

class Timer {
public:
    Timer(Form &form, UINT_PTR id, UINT intervalMs, bool enabled);
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;
    ~Timer();

    UINT_PTR Id() const { return id_; }
    bool Enabled() const { return enabled_; }
    // Enabling a running timer does not restart its interval.
    void SetEnabled(bool enabled);
    void Fire();

    NotifyHandler OnTimer;

private:
    Form &form_;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};

} // namespace ui
