// veldo-demo OUTPUT_DIR: starts the IDE stand-in on examples/sample.cpp at
// line 61, runs VELDO.EXE from its Tools command, prints the function list,
// picks the function two below the one at the cursor, presses Enter and
// prints the line the editor's cursor landed on. Pictures of both windows go
// to OUTPUT_DIR.
#include "driver/ide_standin.h"
#include "driver/input.h"
#include "driver/registry.h"
#include "driver/screenshot.h"
#include "driver/veldo.h"
#include "driver/wait.h"
#include "driver/window.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace veldo::e2e;

namespace {

constexpr int kStartLine = 61;

int Fail(const char *what) {
    std::fprintf(stderr, "veldo-demo: %s\n", what);
    EndAllVeldo();
    return 1;
}

std::string LineOfFile(const std::string &path, int number) {
    std::ifstream in(path);
    std::string line;
    for (int i = 1; i <= number && std::getline(in, line); ++i) {
    }
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

bool SavePicture(const std::string &path, HWND window) {
    const Image image = SettledCapture(window);
    if (!SavePng(path, image))
        return false;
    std::printf("Picture: %s\n", path.c_str());
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: veldo-demo OUTPUT_DIR\n");
        return 2;
    }
    const std::string out = argv[1];
    // A running copy would take the invocation over; old settings would
    // change what is shown.
    EndAllVeldo();
    DeleteUserKey(kVeldoKey);
    UseUnmanagedWindowsUnderWine();

    const std::string file = SourceTreePath("examples/sample.cpp");
    IdeStandin ide = IdeStandin::Start(file, kStartLine);
    if (!ide)
        return Fail("cannot start the IDE stand-in");
    std::printf("The IDE stand-in shows examples/sample.cpp with its cursor at line %d.\n", ide.CursorLine());
    std::printf("Tools > Veldo runs: \"VELDO.EXE\" \"%s\" %d\n", file.c_str(), kStartLine);
    if (!ide.RunTool())
        return Fail("the stand-in's Tools command did not run");
    std::vector<DWORD> pids;
    if (!WaitUntil([&] { return (pids = VeldoPids()).size() == 1; }))
        return Fail("VELDO.EXE did not start");
    MainWindow main(WaitForMainWindow(pids[0]));
    if (!main || !main.WaitLoaded(file))
        return Fail("VELDO.EXE did not show the sample");

    std::printf("Functions Veldo lists ('>' marks the one at the cursor):\n");
    const std::vector<std::string> functions = main.Functions();
    const int atCursor = main.SelectedFunction();
    for (size_t i = 0; i < functions.size(); ++i)
        std::printf("  %s %s\n", static_cast<int>(i) == atCursor ? ">" : " ", functions[i].c_str());

    if (!Focus(main.Handle()))
        return Fail("VELDO.EXE did not take the keyboard");
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    if (!WaitUntil([&] { return main.SelectedFunction() == atCursor + 2; }))
        return Fail("Down, Down did not move the selection");
    const std::string chosen = functions[static_cast<size_t>(atCursor + 2)];
    std::printf("Down, Down selects: %s\n", chosen.c_str());
    if (!SavePicture(out + "/demo-veldo.png", main.Handle()))
        return Fail("cannot save the picture of Veldo");

    std::printf("Enter: Veldo types the go-to-line keys into the editor and goes to sleep.\n");
    PressKey(VK_RETURN);
    if (!WaitUntil([&] { return ide.CursorLine() != kStartLine; }) || !main.WaitAsleep())
        return Fail("the editor's cursor did not move");
    const int landed = ide.CursorLine();
    std::printf("The editor's cursor landed on line %d: %s\n", landed, LineOfFile(file, landed).c_str());
    if (!SavePicture(out + "/demo-ide.png", ide.Editor()))
        return Fail("cannot save the picture of the editor");

    PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
    Process veldo = Process::Open(pids[0]);
    if (veldo && !veldo.WaitForExit(kTimeoutMs))
        return Fail("VELDO.EXE did not close");
    DeleteUserKey(kVeldoKey);
    return 0;
}
