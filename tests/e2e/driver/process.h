// Starting, finding and ending other processes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace veldo::e2e {

// Owns a process handle.
class Process {
public:
    Process() = default;
    Process(HANDLE handle, DWORD pid) : handle_(handle), pid_(pid) {}
    Process(Process &&other) noexcept;
    Process &operator=(Process &&other) noexcept;
    Process(const Process &) = delete;
    Process &operator=(const Process &) = delete;
    ~Process();

    // Opens a running process by id; an empty Process when that fails.
    static Process Open(DWORD pid);

    explicit operator bool() const { return handle_ != nullptr; }
    HANDLE Handle() const { return handle_; }
    DWORD Pid() const { return pid_; }
    bool Running() const;
    // The exit code once the process has ended within timeoutMs.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
    void Terminate() const;

private:
    HANDLE handle_ = nullptr;
    DWORD pid_ = 0;
};

// Starts commandLine exactly as given (CreateProcessA parses it), in
// workingDirectory. An empty Process when it cannot be started.
Process Launch(const std::string &commandLine, const std::string &workingDirectory);

// Ids of the running processes whose executable is named exeName (any case).
std::vector<DWORD> ProcessesNamed(const std::string &exeName);

} // namespace veldo::e2e
