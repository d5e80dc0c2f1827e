// The notification area, seen from outside.
#pragma once

#include <windows.h>

namespace veldo::e2e {

// True while owner (which may have been destroyed since) has the icon id in
// the notification area: the shell accepts a change to an icon that exists
// and refuses one to an icon that does not.
bool TrayIconPresent(HWND owner, UINT id);

} // namespace veldo::e2e
