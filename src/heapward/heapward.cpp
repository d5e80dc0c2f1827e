#define HEAPWARD_BUILD
#include "heapward/heapward.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

// Small blocks come from pools of equal slots carved out of large chunks, so
// that a file's worth of line texts costs a pointer bump or a free-list pop
// each; larger blocks come from the C runtime. Every block, small or large,
// carries a header with its size and caller, and the walk finds the live
// ones by their header's mark.
namespace {

constexpr uint32_t kLive = 0x48574C56u; // "HWLV"
constexpr uint32_t kFree = 0x48574446u; // "HWDF"

constexpr size_t kAlign = alignof(std::max_align_t);
// Blocks from the pools are aligned to 8 bytes, enough for any scalar;
// the finer steps keep a short line's text in as little memory as can be.
constexpr int32_t kClassStep = 8;
constexpr int32_t kClasses = 128; // slots for up to 1016 bytes
constexpr int32_t kMaxSmall = kClassStep * (kClasses - 1);
// A class's first chunk is small, so a small file costs little memory;
// each next one is twice the size, up to the largest.
constexpr size_t kFirstChunkBytes = 16 * 1024;
constexpr size_t kLargestChunkBytes = 1024 * 1024;
constexpr uint16_t kLargeClass = 0xFFFF;

// Sixteen bytes on every platform: the callers' file names are kept once, in
// a table, and a free slot keeps its free-list link in its own bytes. Slots
// are multiples of 8 bytes, so headers and blocks stay aligned to 8.
struct alignas(8) Header {
    uint32_t mark;
    uint16_t sizeClass;
    uint16_t file; // index into the file name table
    int32_t line;
    int32_t size;
};

static_assert(sizeof(Header) == 16);
static_assert(kClassStep >= sizeof(void *), "a free slot holds its link");

constexpr uint16_t kMaxFiles = 1024;

struct Large {
    Large *prev;
    Large *next;
};
constexpr size_t kLargePrefix = (sizeof(Large) + kAlign - 1) / kAlign * kAlign;

struct Chunk {
    Chunk *next;
    size_t bytes;
    size_t slotBytes;
    size_t slots;
    size_t used; // slots handed out at least once
};
constexpr size_t kChunkPrefix = (sizeof(Chunk) + kAlign - 1) / kAlign * kAlign;

struct State {
    Large ring{&ring, &ring};
    const char *files[kMaxFiles] = {"?"};
    uint16_t fileCount = 1;
    uint16_t lastFile = 0;
    Chunk *chunks[kClasses] = {};
    Header *freeSlots[kClasses] = {};
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

void *block_of(Header *h) {
    return h + 1;
}
Header *header_of(void *block) {
    return static_cast<Header *>(block) - 1;
}
Large *large_of(Header *h) {
    return reinterpret_cast<Large *>(reinterpret_cast<char *>(h) - kLargePrefix);
}
Header *header_of(Large *l) {
    return reinterpret_cast<Header *>(reinterpret_cast<char *>(l) + kLargePrefix);
}
Header *slot_at(Chunk *c, size_t i) {
    return reinterpret_cast<Header *>(reinterpret_cast<char *>(c) + kChunkPrefix + i * c->slotBytes);
}

// Every slot has room for a free-list link.
int32_t class_of(int32_t size) {
    return size <= kClassStep ? 1 : (size + kClassStep - 1) / kClassStep;
}

Header *&next_free(Header *h) {
    return *reinterpret_cast<Header **>(h + 1);
}

// Callers pass a few distinct names (their __FILE__), usually the same one
// many times over.
uint16_t file_id(const char *file) {
    State &s = state();
    if (!file)
        return 0;
    if (s.files[s.lastFile] == file)
        return s.lastFile;
    for (uint16_t i = 1; i < s.fileCount; ++i) {
        if (s.files[i] == file)
            return s.lastFile = i;
    }
    if (s.fileCount == kMaxFiles)
        return 0;
    s.files[s.fileCount] = file;
    return s.lastFile = s.fileCount++;
}

const char *file_name(const Header *h) {
    return state().files[h->file];
}

bool fits(int64_t grow) {
    const State &s = state();
    return s.limit < 0 || s.bytes + grow <= s.limit;
}

void count_in(Header *h) {
    State &s = state();
    s.blocks++;
    s.bytes += h->size;
    if (s.bytes > s.peak)
        s.peak = s.bytes;
}

void count_out(Header *h) {
    State &s = state();
    s.blocks--;
    s.bytes -= h->size;
}

Header *take_slot(int32_t sizeClass) {
    State &s = state();
    if (Header *h = s.freeSlots[sizeClass]) {
        s.freeSlots[sizeClass] = next_free(h);
        return h;
    }
    Chunk *c = s.chunks[sizeClass];
    if (!c || c->used == c->slots) {
        const size_t bytes = c ? std::min(2 * c->bytes, kLargestChunkBytes) : kFirstChunkBytes;
        const size_t slotBytes = sizeof(Header) + static_cast<size_t>(sizeClass) * kClassStep;
        const size_t slots = (bytes - kChunkPrefix) / slotBytes;
        void *memory = std::malloc(kChunkPrefix + slots * slotBytes);
        if (!memory)
            return nullptr;
        c = new (memory) Chunk{s.chunks[sizeClass], bytes, slotBytes, slots, 0};
        s.chunks[sizeClass] = c;
    }
    Header *h = slot_at(c, c->used++);
    h->sizeClass = static_cast<uint16_t>(sizeClass);
    return h;
}

void give_slot(Header *h) {
    State &s = state();
    h->mark = kFree;
    next_free(h) = s.freeSlots[h->sizeClass];
    s.freeSlots[h->sizeClass] = h;
}

void link_large(Large *l) {
    State &s = state();
    l->prev = s.ring.prev;
    l->next = &s.ring;
    s.ring.prev->next = l;
    s.ring.prev = l;
}

size_t large_bytes(int32_t size) {
    return kLargePrefix + sizeof(Header) + static_cast<size_t>(size);
}

Header *take_large(int32_t size) {
    auto *l = static_cast<Large *>(std::malloc(large_bytes(size)));
    if (!l)
        return nullptr;
    link_large(l);
    Header *h = header_of(l);
    h->sizeClass = kLargeClass;
    return h;
}

void unlink_large(Large *l) {
    l->prev->next = l->next;
    l->next->prev = l->prev;
}

Header *allocate(int32_t size, const char *file, int32_t line) {
    Header *h = size <= kMaxSmall ? take_slot(class_of(size)) : take_large(size);
    if (!h)
        return nullptr;
    h->file = file_id(file);
    h->line = line;
    h->size = size;
    h->mark = kLive;
    count_in(h);
    return h;
}

void release(Header *h) {
    count_out(h);
    if (h->sizeClass == kLargeClass) {
        h->mark = kFree;
        unlink_large(large_of(h));
        std::free(large_of(h));
    } else {
        give_slot(h);
    }
}

[[noreturn]] void bad_block(const void *block, const char *what, const char *file, int32_t line) {
    std::fprintf(stderr, "heapward: %s of %p that is not a live block, called from %s:%d\n", what, block,
                 file ? file : "?", static_cast<int>(line));
    std::abort();
}

Header *checked(void *block, const char *what, const char *file, int32_t line) {
    Header *h = header_of(block);
    if (h->mark != kLive)
        bad_block(block, what, file, line);
    return h;
}

void report_at_exit() {
    bool wanted = false;
    {
        Lock lock;
        wanted = state().options & HEAPWARD_REPORT_AT_EXIT;
    }
    if (wanted && heapward_live_blocks() > 0)
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
    Header *h = allocate(size, file, line);
    return h ? block_of(h) : nullptr;
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
    const bool small = size <= kMaxSmall;
    if (small && h->sizeClass == class_of(size)) {
        count_out(h);
        h->size = size;
        count_in(h);
    } else if (!small && h->sizeClass == kLargeClass) {
        // The list is mended around the block before it may move.
        Large *l = large_of(h);
        unlink_large(l);
        void *moved = std::realloc(l, large_bytes(size));
        link_large(moved ? static_cast<Large *>(moved) : l);
        if (!moved)
            return nullptr;
        h = header_of(static_cast<Large *>(moved));
        count_out(h);
        h->size = size;
        count_in(h);
    } else {
        Header *fresh = allocate(size, file, line);
        if (!fresh)
            return nullptr;
        std::memcpy(block_of(fresh), block_of(h), static_cast<size_t>(size < h->size ? size : h->size));
        release(h);
        h = fresh;
    }
    h->file = file_id(file);
    h->line = line;
    return block_of(h);
}

void heapward_free(void *block, const char *file, int32_t line) {
    if (!block)
        return;
    Lock lock;
    release(checked(block, "free", file, line));
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
    State &s = state();
    for (Chunk *const *head = s.chunks; head != s.chunks + kClasses; ++head) {
        for (Chunk *c = *head; c; c = c->next) {
            for (size_t i = 0; i < c->used; ++i) {
                Header *h = slot_at(c, i);
                if (h->mark == kLive)
                    visit(context, block_of(h), h->size, file_name(h), h->line);
            }
        }
    }
    for (Large *l = s.ring.next; l != &s.ring; l = l->next) {
        Header *h = header_of(l);
        visit(context, block_of(h), h->size, file_name(h), h->line);
    }
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
