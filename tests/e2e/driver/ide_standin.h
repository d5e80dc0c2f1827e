// The stand-in IDE (tools/ide-standin) seen from outside: started on a file
// at a line, it shows the cursor line in its editor's caption and counts the
// keys and runs it was given in a status text, so a test can check what
// Veldo did to it.
#pragma once

#include <windows.h>

#include "driver/process.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace veldo::e2e {

inline constexpr char kStandinExeName[] = "ide-standin.exe";
inline constexpr char kIdeMainClass[] = "TAppBuilder";
inline constexpr char kEditorClass[] = "TEditWindow";
// The editor's two texts: the file's full path and the counters.
inline constexpr int kEditorPathId = 1;
inline constexpr int kEditorCountersId = 2;

// The IDE's debugger: Alt+G opens the go-to prompt only when it is idle.
enum class IdeState { None, Running, Stopped };

// prompts: go-to prompts opened (ctrlL and altG by which chord); up, down:
// presses of those keys in the editor; runs: Veldo started by the Tools
// command.
struct StandinCounters {
    int prompts = 0, ctrlL = 0, altG = 0, up = 0, down = 0, runs = 0;
    bool operator==(const StandinCounters &) const = default;
};

std::string StandinExePath();

// A running stand-in IDE; it is closed (and if need be ended) when this goes.
class IdeStandin {
public:
    IdeStandin() = default;
    IdeStandin(IdeStandin &&other) noexcept;
    IdeStandin &operator=(IdeStandin &&other) noexcept;
    IdeStandin(const IdeStandin &) = delete;
    IdeStandin &operator=(const IdeStandin &) = delete;
    ~IdeStandin();

    // Starts ide-standin.exe from the program's folder (its Tools command
    // runs VELDO.EXE from there) and waits for both windows; an empty
    // IdeStandin when it does not come up.
    static IdeStandin Start(const std::string &file, int line, IdeState state = IdeState::None);

    explicit operator bool() const { return process_ && main_ && editor_; }
    HWND Editor() const { return editor_; }
    HWND Main() const { return main_; }
    const Process &process() const { return process_; }

    // The cursor line as the editor's caption shows it; -1 if unreadable.
    int CursorLine() const;
    bool WaitCursorLine(int line) const;
    std::optional<StandinCounters> Counters() const;
    // The non-empty texts of the editor's own controls, by control id.
    std::vector<std::string> ChildTexts() const;
    // Presses F12 in the editor, as the user runs the tool; true when the
    // runs counter went up.
    bool RunTool() const;

private:
    IdeStandin(Process process, HWND main, HWND editor)
        : process_(std::move(process)), main_(main), editor_(editor) {}
    void Close();

    Process process_;
    HWND main_ = nullptr;
    HWND editor_ = nullptr;
};

} // namespace veldo::e2e
