#include "ide/ide_locator.h"

namespace veldo {
namespace {

struct Found {
    WindowHandle window = 0;
    std::string caption;
};

// Pending messages run first, so that this process's own windows are seen
// as they now are.
Found Walk(TopWindows &windows, std::string_view classFragment, bool readCaptions) {
    windows.ProcessMessages();
    WindowHandle w = windows.First();
    for (int steps = 0; w != 0; ++steps) {
        if (AsciiUpper(windows.ClassName(w)).find(classFragment) != std::string::npos)
            return {w, readCaptions ? windows.Caption(w) : std::string()};
        if (steps == kMaxWindowSteps)
            break;
        w = windows.Next(w);
    }
    return {};
}

bool ShowsState(std::string_view caption) {
    return caption.find("Stopped") != std::string_view::npos ||
           caption.find("Running") != std::string_view::npos;
}

} // namespace

IdeLocation LocateIde(TopWindows &windows, WindowHandle &targetEditorWindow) {
    const Found editor = Walk(windows, kEditorWindowClass, false);
    if (!editor.window)
        return kNoEditorWindow;
    targetEditorWindow = editor.window;
    const Found main = Walk(windows, kIdeMainWindowClass, true);
    return main.window && ShowsState(main.caption) ? kEditorFoundWithState : kEditorFound;
}

} // namespace veldo
