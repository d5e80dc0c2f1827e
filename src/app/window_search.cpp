#include "app/window_search.h"

#include "search/case_fold.h"
#include "search/key_commands.h"

namespace veldo {

WindowHandle FindTopWindow(TopWindows &windows, std::string_view captionFragment,
                           std::string_view classFragment) {
    const std::string caption = AsciiUpper(captionFragment);
    return FindFromTop(windows, [&](WindowHandle w) {
        return AsciiUpper(windows.ClassName(w)).find(classFragment) != std::string::npos &&
               AsciiUpper(windows.Caption(w)).find(caption) != std::string::npos;
    });
}

void HandOff(HandOffPort &port, WindowHandle mainWindow, WindowHandle applicationWindow) {
    port.Show(mainWindow);
    port.Show(applicationWindow);
    port.SetForeground(mainWindow);
    port.SetForeground(applicationWindow);
    port.WaitForKeyboard(mainWindow);
    // F5 makes the running copy reload; waiting after each half keeps the
    // press and the release from overtaking its handling.
    port.KeyEvent(kKeyF5, false);
    port.SyncWith(mainWindow);
    port.KeyEvent(kKeyF5, true);
    port.SyncWith(mainWindow);
}

} // namespace veldo
