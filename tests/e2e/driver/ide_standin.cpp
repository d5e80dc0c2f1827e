#include "driver/ide_standin.h"

#include "driver/input.h"
#include "driver/veldo.h"
#include "driver/wait.h"
#include "driver/window.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace veldo::e2e {
namespace {

constexpr char kLineMarker[] = " - Line ";
constexpr DWORD kCloseTimeoutMs = 3000;

const char *StateName(IdeState state) {
    switch (state) {
    case IdeState::Running:
        return "running";
    case IdeState::Stopped:
        return "stopped";
    case IdeState::None:
        break;
    }
    return "none";
}

std::string StandinCommandLine(const std::string &file, int line, IdeState state) {
    std::string text = "\"";
    text.append(StandinExePath()).append("\" --state ").append(StateName(state));
    text.append(" \"").append(file).append("\" ").append(std::to_string(line));
    return text;
}

} // namespace

std::string StandinExePath() {
    return ModuleDir() + "\\" + kStandinExeName;
}

IdeStandin::IdeStandin(IdeStandin &&other) noexcept
    : process_(std::move(other.process_)), main_(std::exchange(other.main_, nullptr)),
      editor_(std::exchange(other.editor_, nullptr)) {}

IdeStandin &IdeStandin::operator=(IdeStandin &&other) noexcept {
    if (this != &other) {
        Close();
        process_ = std::move(other.process_);
        main_ = std::exchange(other.main_, nullptr);
        editor_ = std::exchange(other.editor_, nullptr);
    }
    return *this;
}

IdeStandin::~IdeStandin() {
    Close();
}

void IdeStandin::Close() {
    if (!process_)
        return;
    if (process_.Running()) {
        PostMessageA(main_, WM_CLOSE, 0, 0);
        // A message box of its own keeps it from closing.
        if (!process_.WaitForExit(kCloseTimeoutMs)) {
            process_.Terminate();
            process_.WaitForExit(kTimeoutMs);
        }
    }
    process_ = Process();
}

IdeStandin IdeStandin::Start(const std::string &file, int line, IdeState state) {
    Process process = Launch(StandinCommandLine(file, line, state), ModuleDir());
    if (!process)
        return {};
    HWND main = nullptr, editor = nullptr;
    const bool up = WaitUntil([&] {
        main = FirstTopWindow(kIdeMainClass, process.Pid());
        editor = FirstTopWindow(kEditorClass, process.Pid());
        return !process.Running() || (Visible(main) && Visible(editor) && !TextOf(editor).empty());
    });
    IdeStandin standin(std::move(process), main, editor);
    if (!up || !standin.process_.Running())
        return {};
    return standin;
}

int IdeStandin::CursorLine() const {
    const std::string caption = TextOf(editor_);
    const size_t at = caption.rfind(kLineMarker);
    if (at == std::string::npos)
        return -1;
    const std::string digits = caption.substr(at + sizeof kLineMarker - 1);
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(digits);
}

bool IdeStandin::WaitCursorLine(int line) const {
    return WaitUntil([&] { return CursorLine() == line; });
}

std::optional<StandinCounters> IdeStandin::Counters() const {
    const std::string text = TextOf(GetDlgItem(editor_, kEditorCountersId));
    StandinCounters c;
    int end = 0;
    const int got = std::sscanf(text.c_str(), "prompts %d (ctrl-l %d, alt-g %d) up %d down %d runs %d%n",
                                &c.prompts, &c.ctrlL, &c.altG, &c.up, &c.down, &c.runs, &end);
    if (got != 6 || end != static_cast<int>(text.size()))
        return std::nullopt;
    return c;
}

std::vector<std::string> IdeStandin::ChildTexts() const {
    std::vector<std::pair<int, std::string>> children;
    for (HWND child = GetWindow(editor_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (std::string text = TextOf(child); !text.empty())
            children.emplace_back(GetDlgCtrlID(child), std::move(text));
    std::stable_sort(children.begin(), children.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<std::string> texts;
    for (auto &[id, text] : children)
        texts.push_back(std::move(text));
    return texts;
}

bool IdeStandin::RunTool() const {
    const std::optional<StandinCounters> before = Counters();
    if (!before || !Focus(editor_))
        return false;
    PressKey(VK_F12);
    return WaitUntil([&] {
        const std::optional<StandinCounters> now = Counters();
        return now && now->runs > before->runs;
    });
}

} // namespace veldo::e2e
