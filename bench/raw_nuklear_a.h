/* Raw Nuklear (stock 4.01.3) with its demo-style GL3 backend, as a module of its own: the
   bench links the plug-in's patched Nuklear too, and the two must not share a single nk_*
   symbol. The module hides everything but this C interface. It draws in the caller's current
   GL context through the same GLEW, so the bench's driver meter sees its GL work too. */
#ifndef QEL_BENCH_RAW_NUKLEAR_A_H
#define QEL_BENCH_RAW_NUKLEAR_A_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define RAW_NUKLEAR_A_API __attribute__((visibility("default")))

typedef struct RawNuklearA RawNuklearA;

/* The bench's window, described by both sides from the same values. */
typedef enum { RAW_ROWS_LABEL_AND_BUTTON = 0, RAW_ROWS_LONG_LABEL = 1 } RawRowsKind;

typedef struct {
  float width, height, row_height;
  uint32_t window_flags; /* Nuklear's NK_WINDOW_* values */
  uint32_t text_align;   /* Nuklear's NK_TEXT_* values */
  int mouse_x, mouse_y;  /* a still mouse, fed as the frame's input */
  const char* name;
  const char* title;
  const char* label;      /* the label of a label + button row */
  const char* button;     /* its button */
  const char* long_label; /* the one label of a long-label row */
} RawRowsWindow;

/* Needs a current GL 3.3 context with GLEW initialised; bakes Nuklear's default font at
   13 px. Returns NULL when the backend's shaders do not build. */
RAW_NUKLEAR_A_API RawNuklearA* raw_nuklear_a_create(void);
RAW_NUKLEAR_A_API void raw_nuklear_a_destroy(RawNuklearA* raw);

/* Input and widget calls of one frame: K rows of the given kind. */
RAW_NUKLEAR_A_API void raw_nuklear_a_describe(RawNuklearA* raw, const RawRowsWindow* window, RawRowsKind kind, int k);

/* The backend's three drawing steps (see raw_nuklear_gl3.h). Map returns 0 and drops the
   frame when the driver maps nothing; Convert returns nk_convert's flags. */
RAW_NUKLEAR_A_API int raw_nuklear_a_map(RawNuklearA* raw, int width, int height);
RAW_NUKLEAR_A_API uint32_t raw_nuklear_a_convert(RawNuklearA* raw, int anti_aliased);
RAW_NUKLEAR_A_API void raw_nuklear_a_submit(RawNuklearA* raw);

/* Buffer sizes: the demo's, those orphaned from the next frame on, what the last frame needed. */
RAW_NUKLEAR_A_API size_t raw_nuklear_a_demo_vertex_bytes(void);
RAW_NUKLEAR_A_API size_t raw_nuklear_a_demo_element_bytes(void);
RAW_NUKLEAR_A_API void raw_nuklear_a_set_buffer_sizes(RawNuklearA* raw, size_t vertex_bytes, size_t element_bytes);
RAW_NUKLEAR_A_API size_t raw_nuklear_a_vertex_bytes(const RawNuklearA* raw);
RAW_NUKLEAR_A_API size_t raw_nuklear_a_element_bytes(const RawNuklearA* raw);
RAW_NUKLEAR_A_API size_t raw_nuklear_a_needed_vertex_bytes(const RawNuklearA* raw);
RAW_NUKLEAR_A_API size_t raw_nuklear_a_needed_element_bytes(const RawNuklearA* raw);

/* Vertices of the last converted frame. */
RAW_NUKLEAR_A_API size_t raw_nuklear_a_vertex_count(const RawNuklearA* raw);

#ifdef __cplusplus
}
#endif

#endif
