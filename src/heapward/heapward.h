/* HEAPWARD: a tracked allocator. Every live block is kept with its size and
   the source file and line that asked for it, so that what is still
   allocated can be listed at any time. */
#ifndef HEAPWARD_H
#define HEAPWARD_H

#include <stdint.h>

#if defined(_WIN32)
#if defined(HEAPWARD_BUILD)
#define HEAPWARD_API __declspec(dllexport)
#else
#define HEAPWARD_API __declspec(dllimport)
#endif
#else
#define HEAPWARD_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Options for heapward_setup. */
#define HEAPWARD_REPORT_AT_EXIT 1 /* list the blocks still live when the process ends */

/* Sets the options; 0 is the default. Returns 0. */
HEAPWARD_API int32_t heapward_setup(int32_t options);

/* A block of at least size bytes, aligned to 8 bytes, or null when size is negative or memory
   (or the limit set by heapward_set_limit) is exhausted. The file name is
   kept by reference: pass a text that outlives the block, such as __FILE__. */
HEAPWARD_API void *heapward_malloc(int32_t size, const char *file, int32_t line);

/* Resizes block to size bytes, keeping its contents up to the smaller size.
   A null block is allocated afresh; a size of 0 gives a live block of no
   bytes. On failure returns null and leaves block as it was. */
HEAPWARD_API void *heapward_realloc(void *block, int32_t size, const char *file, int32_t line);

/* Releases block; a null block is accepted and ignored. A block that this
   allocator did not hand out, or one released twice, ends the process with
   a report naming the caller. */
HEAPWARD_API void heapward_free(void *block, const char *file, int32_t line);

/* Inspection. */
HEAPWARD_API int32_t heapward_live_blocks(void);
HEAPWARD_API int64_t heapward_live_bytes(void);
HEAPWARD_API int64_t heapward_peak_bytes(void);

typedef void (*heapward_visitor)(void *context, const void *block, int32_t size, const char *file,
                                 int32_t line);
/* Calls visit for every live block, in no set order. visit must not allocate. */
HEAPWARD_API void heapward_walk(heapward_visitor visit, void *context);

/* Writes one line per live block to standard error; returns their number. */
HEAPWARD_API int32_t heapward_report(void);

/* Caps the bytes that may be live at once; a negative limit removes the cap.
   Meant for exercising out-of-memory paths. */
HEAPWARD_API void heapward_set_limit(int64_t bytes);

#ifdef __cplusplus
}
#endif

#endif
