#include "ide/top_windows.h"

namespace veldo {

WindowHandle FindFromTop(TopWindows &windows, const std::function<bool(WindowHandle)> &matches) {
    windows.ProcessMessages();
    WindowHandle w = windows.First();
    for (int steps = 0; w != 0; ++steps) {
        if (matches(w))
            return w;
        if (steps == kMaxWindowSteps)
            break;
        w = windows.Next(w);
    }
    return 0;
}

} // namespace veldo
