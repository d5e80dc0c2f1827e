#include "ui/timer.h"

#include "ui/form.h"

namespace ui {

Timer::Timer(Form &form, UINT_PTR id, UINT intervalMs, bool enabled)
    : form_(form), id_(id), interval_(intervalMs) {
    form.AddTimer(this);
    SetEnabled(enabled);
}

Timer::~Timer() {
    if (enabled_ && form_.Handle())
        KillTimer(form_.Handle(), id_);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled)
        SetTimer(form_.Handle(), id_, interval_, nullptr);
    else
        KillTimer(form_.Handle(), id_);
}

void Timer::Fire() {
    if (enabled_ && OnTimer)
        OnTimer();
}

} // namespace ui
