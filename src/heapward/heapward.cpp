#define HEAPWARD_BUILD
#include "heapward/heapward.h"

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t kLiveMagic = 0x48574C56u; // "HWLV"
constexpr uint32_t kDeadMagic = 0x48574446u; // "HWDF"

// The header sits in front of every block; its size is a multiple of the
// strictest alignment so the caller's bytes stay as aligned as malloc's.
struct alignas(alignof(std::max_align_t)) Header {
    Header *prev;
    Header *next;
    const char *file;
    int32_t line;
    int32_t size;
    uint32_t magic;
};

struct State {
    Header ring{&ring, &ring, nullptr, 0, 0, 0}; // sentinel of the live list, oldest first
    int32_t blocks = 0;
    int64_t bytes = 0;
    int64_t peak = 0;
    int64_t limit = -1;
    int32_t options = 0;
    std::atomic_flag busy = ATOMIC_FLAG_INIT;
};

State &state() {
    static State s;
    return s;
}

class Lock {
public:
    Lock() {
        while (state().busy.test_and_set(std::memory_order_acquire)) {
        }
    }
    ~Lock() { state().busy.clear(std::memory_order_release); }
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;
};

Header *header_of(void *block) { return static_cast<Header *>(block) - 1; }
void *block_of(Header *h) { return h + 1; }

bool fits(int64_t grow) {
    const State &s = state();
    return s.limit < 0 || s.bytes + grow <= s.limit;
}

void link(Header *h) {
    State &s = state();
    h->prev = s.ring.prev;
    h->next = &s.ring;
    s.ring.prev->next = h;
    s.ring.prev = h;
    s.blocks++;
    s.bytes += h->size;
    if (s.bytes > s.peak)
        s.peak = s.bytes;
}

void unlink(Header *h) {
    State &s = state();
    h->prev->next = h->next;
    h->next->prev = h->prev;
    s.blocks--;
    s.bytes -= h->size;
}

[[noreturn]] void bad_block(const void *block, const char *what, const char *file, int32_t line) {
    std::fprintf(stderr, "heapward: %s of %p that is not a live block, called from %s:%d\n", what,
                 block, file ? file : "?", static_cast<int>(line));
    std::abort();
}

Header *checked(void *block, const char *what, const char *file, int32_t line) {
    Header *h = header_of(block);
    if (h->magic != kLiveMagic)
        bad_block(block, what, file, line);
    return h;
}

void report_at_exit() {
    if (heapward_live_blocks() > 0)
        heapward_report();
}

} // namespace

extern "C" {

int32_t heapward_setup(int32_t options) {
    bool first_report = false;
    {
        Lock lock;
        first_report = (options & HEAPWARD_REPORT_AT_EXIT) && !(state().options & HEAPWARD_REPORT_AT_EXIT);
        state().options = options;
    }
    if (first_report)
        std::atexit(report_at_exit);
    return 0;
}

void *heapward_malloc(int32_t size, const char *file, int32_t line) {
    if (size < 0)
        return nullptr;
    Lock lock;
    if (!fits(size))
        return nullptr;
    auto *h = static_cast<Header *>(std::malloc(sizeof(Header) + static_cast<size_t>(size)));
    if (!h)
        return nullptr;
    h->file = file;
    h->line = line;
    h->size = size;
    h->magic = kLiveMagic;
    link(h);
    return block_of(h);
}

void *heapward_realloc(void *block, int32_t size, const char *file, int32_t line) {
    if (!block)
        return heapward_malloc(size, file, line);
    if (size < 0)
        return nullptr;
    Lock lock;
    Header *h = checked(block, "realloc", file, line);
    if (!fits(int64_t{size} - h->size))
        return nullptr;
    unlink(h);
    auto *moved = static_cast<Header *>(std::realloc(h, sizeof(Header) + static_cast<size_t>(size)));
    if (!moved) {
        link(h);
        return nullptr;
    }
    moved->file = file;
    moved->line = line;
    moved->size = size;
    link(moved);
    return block_of(moved);
}

void heapward_free(void *block, const char *file, int32_t line) {
    if (!block)
        return;
    Lock lock;
    Header *h = checked(block, "free", file, line);
    unlink(h);
    h->magic = kDeadMagic;
    std::free(h);
}

int32_t heapward_live_blocks(void) {
    Lock lock;
    return state().blocks;
}

int64_t heapward_live_bytes(void) {
    Lock lock;
    return state().bytes;
}

int64_t heapward_peak_bytes(void) {
    Lock lock;
    return state().peak;
}

void heapward_walk(heapward_visitor visit, void *context) {
    Lock lock;
    for (Header *h = state().ring.next; h != &state().ring; h = h->next)
        visit(context, block_of(h), h->size, h->file, h->line);
}

int32_t heapward_report(void) {
    int32_t n = 0;
    heapward_walk(
        [](void *count, const void *block, int32_t size, const char *file, int32_t line) {
            std::fprintf(stderr, "heapward: live block %p of %d bytes from %s:%d\n", block,
                         static_cast<int>(size), file ? file : "?", static_cast<int>(line));
            ++*static_cast<int32_t *>(count);
        },
        &n);
    return n;
}

void heapward_set_limit(int64_t bytes) {
    Lock lock;
    state().limit = bytes < 0 ? -1 : bytes;
}

} // extern "C"
