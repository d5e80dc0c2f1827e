#include "app/window_search.h"

#include "search/key_commands.h"

namespace veldo {

WindowHandle FindTopWindow(TopWindows &windows, std::string_view captionFragment,
                           std::string_view classFragment) {
    // Pending messages run first, so that this process's own windows are
    // seen as they now are.
    windows.ProcessMessages();
    const std::string caption = AsciiUpper(captionFragment);
    WindowHandle w = windows.First();
    for (int steps = 0; w != 0; ++steps) {
        if (AsciiUpper(windows.ClassName(w)).find(classFragment) != std::string::npos &&
            AsciiUpper(windows.Caption(w)).find(caption) != std::string::npos)
            return w;
        if (steps == kMaxWindowSteps)
            break;
        w = windows.Next(w);
    }
    return 0;
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
