// veldo-screenshot OUTPUT.png: starts VELDO.EXE on examples/sample.cpp at
// line 61 with fresh settings, prints the function list it shows, saves its
// main window once the list is filled and the picture has settled, then
// closes it.
#include "driver/registry.h"
#include "driver/screenshot.h"
#include "driver/veldo.h"
#include "driver/wait.h"
#include "driver/window.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace veldo::e2e;

namespace {

int Fail(const char *what) {
    std::fprintf(stderr, "veldo-screenshot: %s\n", what);
    EndAllVeldo();
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: veldo-screenshot OUTPUT.png\n");
        return 2;
    }
    // A running copy would take the invocation over; old settings would
    // change the picture.
    EndAllVeldo();
    DeleteUserKey(kVeldoKey);
    UseUnmanagedWindowsUnderWine();

    const std::string file = SourceTreePath("examples/sample.cpp");
    Process veldo = StartVeldo(file, 61);
    if (!veldo)
        return Fail("cannot start VELDO.EXE");
    MainWindow main(WaitForMainWindow(veldo.Pid()));
    if (!main || !main.WaitLoaded(file))
        return Fail("the main window did not show the sample");

    // The list as the window shows it, the selected function marked.
    const std::vector<std::string> functions = main.Functions();
    const int selected = main.SelectedFunction();
    for (size_t i = 0; i < functions.size(); ++i)
        std::printf("%s%s\n", static_cast<int>(i) == selected ? "> " : "  ", functions[i].c_str());

    const Image image = SettledCapture(main.Handle());
    if (!SavePng(argv[1], image))
        return Fail("cannot capture the window or write the picture");

    PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
    if (!veldo.WaitForExit(kTimeoutMs))
        return Fail("VELDO.EXE did not close");
    DeleteUserKey(kVeldoKey);
    std::printf("%s (%dx%d)\n", argv[1], image.width, image.height);
    return 0;
}
