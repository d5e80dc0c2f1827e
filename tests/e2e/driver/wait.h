// Waiting for a condition seen from outside another process.
#pragma once

#include <windows.h>

namespace veldo::e2e {

// Long enough for a slow Wine start, short enough to fail a stuck test soon.
inline constexpr DWORD kTimeoutMs = 10000;

// Checks cond every few milliseconds until it holds or timeoutMs has passed;
// true as soon as it holds. The last check comes after the deadline, so a
// condition that turns true while we sleep is not reported as a timeout.
template <class Condition> bool WaitUntil(Condition cond, DWORD timeoutMs = kTimeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (cond())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return static_cast<bool>(cond());
        Sleep(15);
    }
}

} // namespace veldo::e2e
