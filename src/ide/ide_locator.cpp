#include "ide/ide_locator.h"

#include "search/case_fold.h"

namespace veldo {
namespace {

WindowHandle FindClass(TopWindows &windows, std::string_view classFragment) {
    return FindFromTop(windows, [&](WindowHandle w) {
        return AsciiUpper(windows.ClassName(w)).find(classFragment) != std::string::npos;
    });
}

bool ShowsState(std::string_view caption) {
    return caption.find("Stopped") != std::string_view::npos ||
           caption.find("Running") != std::string_view::npos;
}

} // namespace

IdeLocation LocateIde(TopWindows &windows, WindowHandle &targetEditorWindow) {
    const WindowHandle editor = FindClass(windows, kEditorWindowClass);
    if (!editor)
        return kNoEditorWindow;
    targetEditorWindow = editor;
    const WindowHandle main = FindClass(windows, kIdeMainWindowClass);
    return main && ShowsState(windows.Caption(main)) ? kEditorFoundWithState : kEditorFound;
}

} // namespace veldo
