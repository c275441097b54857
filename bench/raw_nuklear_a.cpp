// The C interface of the raw_nuklear_a module over RawNuklearGl3, and the bench's window as
// raw Nuklear describes it.
#include "raw_nuklear_a.h"

#include <new>

#include "raw_nuklear_gl3.h"

struct RawNuklearA {
  qel::RawNuklearGl3 backend;
};

extern "C" {

RawNuklearA* raw_nuklear_a_create(void) {
  auto* raw = new (std::nothrow) RawNuklearA;
  if (raw && !raw->backend.ok()) {
    delete raw;
    return nullptr;
  }
  return raw;
}

void raw_nuklear_a_destroy(RawNuklearA* raw) { delete raw; }

void raw_nuklear_a_describe(RawNuklearA* raw, const RawRowsWindow* window, RawRowsKind kind, int k) {
  nk_context* ctx = raw->backend.context();
  raw->backend.Input(window->mouse_x, window->mouse_y);
  if (nk_begin_titled(ctx, window->name, window->title, nk_rect(0, 0, window->width, window->height),
                      window->window_flags)) {
    for (int row = 0; row < k; ++row) {
      if (kind == RAW_ROWS_LABEL_AND_BUTTON) {
        nk_layout_row_dynamic(ctx, window->row_height, 2);
        nk_label(ctx, window->label, window->text_align);
        nk_button_label(ctx, window->button);
      } else {
        nk_layout_row_dynamic(ctx, window->row_height, 1);
        nk_label(ctx, window->long_label, window->text_align);
      }
    }
  }
  nk_end(ctx);
}

int raw_nuklear_a_map(RawNuklearA* raw, int width, int height) { return raw->backend.Map(width, height) ? 1 : 0; }

uint32_t raw_nuklear_a_convert(RawNuklearA* raw, int anti_aliased) {
  return raw->backend.Convert(anti_aliased ? NK_ANTI_ALIASING_ON : NK_ANTI_ALIASING_OFF);
}

void raw_nuklear_a_submit(RawNuklearA* raw) { raw->backend.Submit(); }

size_t raw_nuklear_a_demo_vertex_bytes(void) { return qel::RawNuklearGl3::kDemoVertexBytes; }
size_t raw_nuklear_a_demo_element_bytes(void) { return qel::RawNuklearGl3::kDemoElementBytes; }

void raw_nuklear_a_set_buffer_sizes(RawNuklearA* raw, size_t vertex_bytes, size_t element_bytes) {
  raw->backend.SetBufferSizes(vertex_bytes, element_bytes);
}

size_t raw_nuklear_a_vertex_bytes(const RawNuklearA* raw) { return raw->backend.vertex_bytes(); }
size_t raw_nuklear_a_element_bytes(const RawNuklearA* raw) { return raw->backend.element_bytes(); }
size_t raw_nuklear_a_needed_vertex_bytes(const RawNuklearA* raw) { return raw->backend.needed_vertex_bytes(); }
size_t raw_nuklear_a_needed_element_bytes(const RawNuklearA* raw) { return raw->backend.needed_element_bytes(); }
size_t raw_nuklear_a_vertex_count(const RawNuklearA* raw) { return raw->backend.vertex_count(); }

}  // extern "C"
