// The switch: a rounded track with a knob, left when off and right when on, and a label
// beside it. Only a press on the track toggles it. It is drawn straight into the window's
// command buffer with the check box's and the selectable's style.
#include <cstring>

#include "frame/exports.h"
#include "widgets/cell_context.h"
#include "widgets/queries.h"
#include "frame/boundary.h"

using namespace qel;

namespace {

// Fills `r` with a style item as Nuklear draws any item: a colour item as a rounded fill, an
// image or nine-slice item as itself, stretched over the rectangle.
void FillWithItem(nk_command_buffer* out, struct nk_rect r, float rounding, const nk_style_item& item) {
  switch (item.type) {
    case NK_STYLE_ITEM_COLOR:
      nk_fill_rect(out, r, rounding, item.data.color);
      break;
    case NK_STYLE_ITEM_IMAGE:
      nk_draw_image(out, r, &item.data.image, nk_rgba(255, 255, 255, 255));
      break;
    case NK_STYLE_ITEM_NINE_SLICE:
      nk_draw_nine_slice(out, r, &item.data.slice, nk_rgba(255, 255, 255, 255));
      break;
  }
}

bool Inside(float x, float y, struct nk_rect r) { return NK_INBOX(x, y, r.x, r.y, r.w, r.h); }

}  // namespace

int32_t Switch(const char* label, int32_t state) {
  int32_t active = state != 0 ? 1 : 0;
  nk_context* ctx = CellContext();
  if (!ctx) return active;

  const nk_style& style = ctx->style;
  const nk_style_toggle& toggle = style.checkbox;
  const struct nk_rect b = nk_widget_bounds(ctx);
  const float p = style.window.group_padding.y;
  const float ix = b.x + p, iy = b.y + p;
  const float iw = NK_MAX(b.w, 2 * p) - 2 * p, ih = NK_MAX(b.h, 2 * p) - 2 * p;
  const struct nk_rect track = nk_rect(ix, iy, 2 * ih, ih);

  // Only a press the panel can see counts: not through a window on top (read-only panel),
  // nor on a part of the track scrolled out of the panel.
  const nk_input& in = ctx->input;
  const nk_panel* panel = ctx->current->layout;
  const bool reads_input = !(panel->flags & NK_WINDOW_ROM);
  const bool over = reads_input && Inside(in.mouse.pos.x, in.mouse.pos.y, track) &&
                    Inside(in.mouse.pos.x, in.mouse.pos.y, panel->clip);
  struct nk_color text = toggle.text_normal;
  if (over) {
    text = toggle.text_hover;
    const nk_mouse_button& left = in.mouse.buttons[NK_BUTTON_LEFT];
    if (left.down && left.clicked) active = state == 0 ? 1 : 0;
  }
  const nk_style_item& track_item = active ? style.selectable.normal_active : toggle.active;

  nk_command_buffer* out = &ctx->current->buffer;
  const float s = style.window.spacing.x;
  if (style.font) {
    // nk_draw_text writes from the rectangle's top; centre the line on the track.
    const float line = style.font->height;
    const struct nk_rect label_rect = nk_rect(ix + 2 * ih + s, iy + NK_MAX(ih - line, 0) / 2, iw - 2 * ih - s, NK_MIN(line, ih));
    nk_draw_text(out, label_rect, TextOrEmpty(label), LabelLength(label), style.font, nk_rgba(0, 0, 0, 0), text);
  }

  FillWithItem(out, track, ih / 2, track_item);
  nk_stroke_rect(out, track, ih / 2, 1.0f, toggle.border_color);
  const float knob = NK_MAX(ih, 4) - 4;
  nk_fill_rect(out, nk_rect(ix + 2 + (active ? ih : 0), iy + 2, knob, knob), knob / 2, toggle.border_color);

  SkipCells(ctx, 1);
  return active;
}
