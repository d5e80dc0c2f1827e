// veldo-window-load FILE LINE: starts VELDO.EXE on FILE with fresh settings,
// waits until its window shows the list, prints the window's own load time
// (status panel 3) and the time from start to the list shown, then closes
// it. The benchmark runs it under Wine.
#include "driver/registry.h"
#include "driver/veldo.h"
#include "driver/wait.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace veldo::e2e;

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: veldo-window-load FILE LINE\n");
        return 2;
    }
    EndAllVeldo();
    DeleteUserKey(kVeldoKey);
    UseUnmanagedWindowsUnderWine();

    const std::string file = argv[1];
    const auto start = std::chrono::steady_clock::now();
    Process veldo = StartVeldo(file, std::atoi(argv[2]));
    MainWindow main(veldo ? WaitForMainWindow(veldo.Pid()) : nullptr);
    const bool loaded = main && WaitUntil(
                                    [&] {
                                        return main.Caption() == CaptionFor(file) &&
                                               main.Panel(0) == std::optional<std::string>(kStatusReady);
                                    },
                                    60000);
    const auto shown = std::chrono::steady_clock::now();
    if (!loaded) {
        std::fprintf(stderr, "veldo-window-load: the window did not show the list\n");
        EndAllVeldo();
        return 1;
    }
    std::printf(
        "%s\t%s\t%lld ms\n", main.Panel(2).value_or("?").c_str(), main.Panel(3).value_or("?").c_str(),
        static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(shown - start).count()));
    PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
    veldo.WaitForExit(kTimeoutMs);
    EndAllVeldo();
    DeleteUserKey(kVeldoKey);
    return 0;
}
