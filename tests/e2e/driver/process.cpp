#include "driver/process.h"

#include <tlhelp32.h>

#include <utility>

namespace veldo::e2e {

Process::Process(Process &&other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), pid_(std::exchange(other.pid_, 0)) {}

Process &Process::operator=(Process &&other) noexcept {
    if (this != &other) {
        if (handle_)
            CloseHandle(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
        pid_ = std::exchange(other.pid_, 0);
    }
    return *this;
}

Process::~Process() {
    if (handle_)
        CloseHandle(handle_);
}

Process Process::Open(DWORD pid) {
    HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    return h ? Process(h, pid) : Process();
}

bool Process::Running() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(DWORD timeoutMs) const {
    if (!handle_ || WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(handle_, &code))
        return std::nullopt;
    return code;
}

void Process::Terminate() const {
    if (handle_)
        TerminateProcess(handle_, 1);
}

Process Launch(const std::string &commandLine, const std::string &workingDirectory) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    // CreateProcessA may write into the command line buffer.
    std::string buffer = commandLine;
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, workingDirectory.c_str(),
                        &si, &pi))
        return Process();
    CloseHandle(pi.hThread);
    return Process(pi.hProcess, pi.dwProcessId);
}

std::vector<DWORD> ProcessesNamed(const std::string &exeName) {
    std::vector<DWORD> pids;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return pids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32First(snap, &entry); ok; ok = Process32Next(snap, &entry)) {
        // Some systems report a full path here, others the bare name.
        std::string name = entry.szExeFile;
        if (const size_t slash = name.find_last_of("\\/"); slash != std::string::npos)
            name.erase(0, slash + 1);
        if (lstrcmpiA(name.c_str(), exeName.c_str()) == 0)
            pids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snap);
    return pids;
}

} // namespace veldo::e2e
