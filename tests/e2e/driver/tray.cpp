#include "driver/tray.h"

#include <shellapi.h>

namespace veldo::e2e {

bool TrayIconPresent(HWND owner, UINT id) {
    NOTIFYICONDATAA nid{};
    // The size of the record from before the balloon and GUID fields; every
    // shell accepts it.
    nid.cbSize = 488;
    nid.hWnd = owner;
    nid.uID = id;
    nid.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

} // namespace veldo::e2e
