// measure RUNS -- CMD ARGS...
//
// Runs CMD RUNS times with stdout and stderr sent to /dev/null and prints one
// line:
//
//   median_s=0.123456 peak_kib=45678 exit=0
//
// median_s is the median wall time of the runs, peak_kib the largest peak
// resident set of any run (ru_maxrss from wait4, in KiB on Linux) and exit
// the exit status of the last run whose status was non-zero (0 if none).
// Exits 2 on usage errors, when CMD cannot be started or when a run is
// killed by a signal; a non-zero exit status of CMD is only reported.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now_seconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "measure: %s: %s\n", what, std::strerror(errno));
    std::exit(2);
}

struct Run {
    double seconds;
    long maxrss_kib;
    int exit_status;
};

// One run of argv. A close-on-exec pipe tells the parent whether execvp
// itself failed, so "command not found" is not mistaken for exit status 127.
Run run_once(char *const argv[]) {
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        fail("pipe2");

    const double start = now_seconds();
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork");
    if (pid == 0) {
        close(report[0]);
        const int null_fd = open("/dev/null", O_RDWR);
        if (null_fd < 0 || dup2(null_fd, STDIN_FILENO) < 0 || dup2(null_fd, STDOUT_FILENO) < 0 ||
            dup2(null_fd, STDERR_FILENO) < 0) {
            const int err = errno;
            (void)!write(report[1], &err, sizeof err);
            _exit(127);
        }
        execvp(argv[0], argv);
        const int err = errno;
        (void)!write(report[1], &err, sizeof err);
        _exit(127);
    }
    close(report[1]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            fail("wait4");
    }
    const double elapsed = now_seconds() - start;

    int child_errno = 0;
    const ssize_t got = read(report[0], &child_errno, sizeof child_errno);
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof child_errno)) {
        std::fprintf(stderr, "measure: cannot run %s: %s\n", argv[0], std::strerror(child_errno));
        std::exit(2);
    }
    if (WIFSIGNALED(status)) {
        std::fprintf(stderr, "measure: %s killed by signal %d\n", argv[0], WTERMSIG(status));
        std::exit(2);
    }
    return Run{elapsed, usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : 0};
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 4 || std::strcmp(argv[2], "--") != 0) {
        std::fprintf(stderr, "usage: measure RUNS -- CMD ARGS...\n");
        return 2;
    }
    char *end = nullptr;
    const long runs = std::strtol(argv[1], &end, 10);
    if (*argv[1] == '\0' || *end != '\0' || runs < 1 || runs > 1000) {
        std::fprintf(stderr, "measure: RUNS must be a number from 1 to 1000\n");
        return 2;
    }

    std::vector<double> times;
    long peak_kib = 0;
    int last_failure = 0;
    for (long i = 0; i < runs; ++i) {
        const Run r = run_once(argv + 3);
        times.push_back(r.seconds);
        peak_kib = std::max(peak_kib, r.maxrss_kib);
        if (r.exit_status != 0)
            last_failure = r.exit_status;
    }

    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("median_s=%.6f peak_kib=%ld exit=%d\n", median, peak_kib, last_failure);
    return 0;
}
