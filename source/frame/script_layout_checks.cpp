// The byte layouts the plug-in shares with scripts, proven at compile time against the
// native Nuklear structures, so that a wrong layout fails the build rather than a script:
// the results of several values in the interface memblock, the image record, the 36-byte
// style item, and every widget style structure a style memory block holds.
//
// The encoders write these layouts field by field on every build. Where pointers are 32
// bits (the Windows DLL) the native structures must BE those layouts byte for byte: offsets
// below are the layout's own, written out by hand, never taken from the field tables.
//
// [SECTION] on every build
// [SECTION] where pointers are 32 bits
// [SECTION] the 32-bit checks ran where they must
#include <cstddef>
#include <cstdint>

#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "nuklear_config.h"
#include "style/field_tables.h"
#include "style/memblock_layout.h"
#include "widgets/interface_results.h"

#define QEL_LAYOUT_SIZE(type, bytes) \
  static_assert(sizeof(struct type) == (bytes), #type " is not " #bytes " bytes");
#define QEL_LAYOUT_AT(type, member, offset) \
  static_assert(offsetof(struct type, member) == (offset), #type "." #member " is not at byte " #offset);

namespace qel {
namespace {

// [SECTION] on every build
// These structures hold no pointer: their layout is the same on every target.

// A packed colour converts byte for byte: r, g, b, a.
QEL_LAYOUT_SIZE(nk_color, 4)
QEL_LAYOUT_AT(nk_color, r, 0)
QEL_LAYOUT_AT(nk_color, g, 1)
QEL_LAYOUT_AT(nk_color, b, 2)
QEL_LAYOUT_AT(nk_color, a, 3)

// Interface memblock results: a rectangle, a vector, scroll offsets, from byte 0.
QEL_LAYOUT_SIZE(nk_rect, kRectResultBytes)
QEL_LAYOUT_AT(nk_rect, x, 0)
QEL_LAYOUT_AT(nk_rect, y, 4)
QEL_LAYOUT_AT(nk_rect, w, 8)
QEL_LAYOUT_AT(nk_rect, h, 12)
QEL_LAYOUT_SIZE(nk_vec2, kVec2ResultBytes)
QEL_LAYOUT_AT(nk_vec2, x, 0)
QEL_LAYOUT_AT(nk_vec2, y, 4)
QEL_LAYOUT_SIZE(nk_scroll, kScrollResultBytes)
QEL_LAYOUT_AT(nk_scroll, x, 0)
QEL_LAYOUT_AT(nk_scroll, y, 4)
static_assert(kRectResultBytes == 16 && kVec2ResultBytes == 8 && kScrollResultBytes == 8,
              "results of several values: 16-byte rectangles, 8-byte vectors and scroll offsets");
static_assert(kInterfaceMemblockSize == 2048, "the interface memblock is 2048 bytes");
static_assert(kImageRecordBytes <= kInterfaceMemblockSize && kRectResultBytes <= kInterfaceMemblockSize,
              "every result fits the interface memblock");

// The image record: handle, width, height, region; a style item carries one from its data.
static_assert(kImageRecordBytes == 16 && kImageRecordHandle == 0 && kImageRecordWidth == 4 &&
                  kImageRecordHeight == 6 && kImageRecordRegion == 8,
              "the image record is handle, w, h, region x, y, w, h in 16 bytes");
static_assert(kItemBlockBytes == 36 && kItemType == 0 && kItemData == 4 && kItemBorders == 20,
              "the style item is type, data and nine-slice borders in 36 bytes");
static_assert(kItemImageSize == kItemData + kImageRecordWidth && kItemRegion == kItemData + kImageRecordRegion &&
                  kItemBorders == kItemData + kImageRecordBytes,
              "a style item holds an image record at its data, then the borders");

static_assert(NK_STYLE_ITEM_COLOR == 0 && NK_STYLE_ITEM_IMAGE == 1 && NK_STYLE_ITEM_NINE_SLICE == 2,
              "a style item's type: 0 colour, 1 image, 2 nine-slice");

// Integer and enumeration fields of style structures are 32-bit wherever they are.
static_assert(sizeof(nk_flags) == 4 && sizeof(enum nk_symbol_type) == 4 && sizeof(enum nk_style_item_type) == 4 &&
                  sizeof(enum nk_style_header_align) == 4 && sizeof(int) == 4 && sizeof(float) == 4,
              "integer, enumeration and float fields are 32-bit");

// [SECTION] where pointers are 32 bits
#if UINTPTR_MAX == 0xFFFFFFFF
#define QEL_LAYOUT_CHECKED_32BIT 1

// The image record and the style item are the native structures.
QEL_LAYOUT_SIZE(nk_image, kImageRecordBytes)
QEL_LAYOUT_AT(nk_image, handle, kImageRecordHandle)
QEL_LAYOUT_AT(nk_image, w, kImageRecordWidth)
QEL_LAYOUT_AT(nk_image, h, kImageRecordHeight)
QEL_LAYOUT_AT(nk_image, region, kImageRecordRegion)
static_assert(sizeof(nk_handle) == 4, "an image handle is 4 bytes");

QEL_LAYOUT_SIZE(nk_style_item, kItemBlockBytes)
QEL_LAYOUT_AT(nk_style_item, type, kItemType)
QEL_LAYOUT_AT(nk_style_item, data, kItemData)
QEL_LAYOUT_AT(nk_style_item, data.color, kItemData)
QEL_LAYOUT_AT(nk_style_item, data.image.handle, kItemData)
QEL_LAYOUT_AT(nk_style_item, data.image.w, kItemImageSize)
QEL_LAYOUT_AT(nk_style_item, data.image.h, kItemImageSize + 2)
QEL_LAYOUT_AT(nk_style_item, data.image.region, kItemRegion)
QEL_LAYOUT_AT(nk_style_item, data.slice.img, kItemData)
QEL_LAYOUT_AT(nk_style_item, data.slice.l, kItemBorders)
QEL_LAYOUT_AT(nk_style_item, data.slice.t, kItemBorders + 4)
QEL_LAYOUT_AT(nk_style_item, data.slice.r, kItemBorders + 8)
QEL_LAYOUT_AT(nk_style_item, data.slice.b, kItemBorders + 12)
QEL_LAYOUT_SIZE(nk_nine_slice, 32)

// Each live widget style is exactly its block: the size a block is made with copies it whole.
#define QEL_LIVE_BLOCK(widget, owner, member) \
  static_assert(sizeof(owner::member) == static_cast<size_t>(StyleBlockSize(widget)), \
                "the live " #member " style is not the size of a block of widget " #widget);
QEL_LIVE_BLOCK(3, nk_style, text)
QEL_LIVE_BLOCK(4, nk_style, button)
QEL_LIVE_BLOCK(5, nk_style, contextual_button)
QEL_LIVE_BLOCK(6, nk_style, menu_button)
QEL_LIVE_BLOCK(7, nk_style, checkbox)
QEL_LIVE_BLOCK(8, nk_style, option)
QEL_LIVE_BLOCK(9, nk_style, selectable)
QEL_LIVE_BLOCK(10, nk_style, slider)
QEL_LIVE_BLOCK(11, nk_style, progress)
QEL_LIVE_BLOCK(12, nk_style, property)
QEL_LIVE_BLOCK(13, nk_style, edit)
QEL_LIVE_BLOCK(14, nk_style, chart)
QEL_LIVE_BLOCK(15, nk_style, scrollv)
QEL_LIVE_BLOCK(16, nk_style, scrollh)
QEL_LIVE_BLOCK(17, nk_style, tab)
QEL_LIVE_BLOCK(18, nk_style, combo)
QEL_LIVE_BLOCK(19, nk_style, window)
QEL_LIVE_BLOCK(kWindowHeaderWidget, nk_style_window, header)
#undef QEL_LIVE_BLOCK

// Every member of every widget style structure at its offset in the block layout. A nested
// structure is checked at its own offset here and member by member in its own list.
QEL_LAYOUT_SIZE(nk_style_text, 12)
QEL_LAYOUT_AT(nk_style_text, color, 0)
QEL_LAYOUT_AT(nk_style_text, padding, 4)

QEL_LAYOUT_SIZE(nk_style_button, 176)
QEL_LAYOUT_AT(nk_style_button, normal, 0)
QEL_LAYOUT_AT(nk_style_button, hover, 36)
QEL_LAYOUT_AT(nk_style_button, active, 72)
QEL_LAYOUT_AT(nk_style_button, border_color, 108)
QEL_LAYOUT_AT(nk_style_button, text_background, 112)
QEL_LAYOUT_AT(nk_style_button, text_normal, 116)
QEL_LAYOUT_AT(nk_style_button, text_hover, 120)
QEL_LAYOUT_AT(nk_style_button, text_active, 124)
QEL_LAYOUT_AT(nk_style_button, text_alignment, 128)
QEL_LAYOUT_AT(nk_style_button, border, 132)
QEL_LAYOUT_AT(nk_style_button, rounding, 136)
QEL_LAYOUT_AT(nk_style_button, padding, 140)
QEL_LAYOUT_AT(nk_style_button, image_padding, 148)
QEL_LAYOUT_AT(nk_style_button, touch_padding, 156)
QEL_LAYOUT_AT(nk_style_button, userdata, 164)
QEL_LAYOUT_AT(nk_style_button, draw_begin, 168)
QEL_LAYOUT_AT(nk_style_button, draw_end, 172)

QEL_LAYOUT_SIZE(nk_style_toggle, 240)
QEL_LAYOUT_AT(nk_style_toggle, normal, 0)
QEL_LAYOUT_AT(nk_style_toggle, hover, 36)
QEL_LAYOUT_AT(nk_style_toggle, active, 72)
QEL_LAYOUT_AT(nk_style_toggle, border_color, 108)
QEL_LAYOUT_AT(nk_style_toggle, cursor_normal, 112)
QEL_LAYOUT_AT(nk_style_toggle, cursor_hover, 148)
QEL_LAYOUT_AT(nk_style_toggle, text_normal, 184)
QEL_LAYOUT_AT(nk_style_toggle, text_hover, 188)
QEL_LAYOUT_AT(nk_style_toggle, text_active, 192)
QEL_LAYOUT_AT(nk_style_toggle, text_background, 196)
QEL_LAYOUT_AT(nk_style_toggle, text_alignment, 200)
QEL_LAYOUT_AT(nk_style_toggle, padding, 204)
QEL_LAYOUT_AT(nk_style_toggle, touch_padding, 212)
QEL_LAYOUT_AT(nk_style_toggle, spacing, 220)
QEL_LAYOUT_AT(nk_style_toggle, border, 224)
QEL_LAYOUT_AT(nk_style_toggle, userdata, 228)
QEL_LAYOUT_AT(nk_style_toggle, draw_begin, 232)
QEL_LAYOUT_AT(nk_style_toggle, draw_end, 236)

QEL_LAYOUT_SIZE(nk_style_selectable, 288)
QEL_LAYOUT_AT(nk_style_selectable, normal, 0)
QEL_LAYOUT_AT(nk_style_selectable, hover, 36)
QEL_LAYOUT_AT(nk_style_selectable, pressed, 72)
QEL_LAYOUT_AT(nk_style_selectable, normal_active, 108)
QEL_LAYOUT_AT(nk_style_selectable, hover_active, 144)
QEL_LAYOUT_AT(nk_style_selectable, pressed_active, 180)
QEL_LAYOUT_AT(nk_style_selectable, text_normal, 216)
QEL_LAYOUT_AT(nk_style_selectable, text_hover, 220)
QEL_LAYOUT_AT(nk_style_selectable, text_pressed, 224)
QEL_LAYOUT_AT(nk_style_selectable, text_normal_active, 228)
QEL_LAYOUT_AT(nk_style_selectable, text_hover_active, 232)
QEL_LAYOUT_AT(nk_style_selectable, text_pressed_active, 236)
QEL_LAYOUT_AT(nk_style_selectable, text_background, 240)
QEL_LAYOUT_AT(nk_style_selectable, text_alignment, 244)
QEL_LAYOUT_AT(nk_style_selectable, rounding, 248)
QEL_LAYOUT_AT(nk_style_selectable, padding, 252)
QEL_LAYOUT_AT(nk_style_selectable, touch_padding, 260)
QEL_LAYOUT_AT(nk_style_selectable, image_padding, 268)
QEL_LAYOUT_AT(nk_style_selectable, userdata, 276)
QEL_LAYOUT_AT(nk_style_selectable, draw_begin, 280)
QEL_LAYOUT_AT(nk_style_selectable, draw_end, 284)

QEL_LAYOUT_SIZE(nk_style_slider, 648)
QEL_LAYOUT_AT(nk_style_slider, normal, 0)
QEL_LAYOUT_AT(nk_style_slider, hover, 36)
QEL_LAYOUT_AT(nk_style_slider, active, 72)
QEL_LAYOUT_AT(nk_style_slider, border_color, 108)
QEL_LAYOUT_AT(nk_style_slider, bar_normal, 112)
QEL_LAYOUT_AT(nk_style_slider, bar_hover, 116)
QEL_LAYOUT_AT(nk_style_slider, bar_active, 120)
QEL_LAYOUT_AT(nk_style_slider, bar_filled, 124)
QEL_LAYOUT_AT(nk_style_slider, cursor_normal, 128)
QEL_LAYOUT_AT(nk_style_slider, cursor_hover, 164)
QEL_LAYOUT_AT(nk_style_slider, cursor_active, 200)
QEL_LAYOUT_AT(nk_style_slider, border, 236)
QEL_LAYOUT_AT(nk_style_slider, rounding, 240)
QEL_LAYOUT_AT(nk_style_slider, bar_height, 244)
QEL_LAYOUT_AT(nk_style_slider, padding, 248)
QEL_LAYOUT_AT(nk_style_slider, spacing, 256)
QEL_LAYOUT_AT(nk_style_slider, cursor_size, 264)
QEL_LAYOUT_AT(nk_style_slider, show_buttons, 272)
QEL_LAYOUT_AT(nk_style_slider, inc_button, 276)
QEL_LAYOUT_AT(nk_style_slider, dec_button, 452)
QEL_LAYOUT_AT(nk_style_slider, inc_symbol, 628)
QEL_LAYOUT_AT(nk_style_slider, dec_symbol, 632)
QEL_LAYOUT_AT(nk_style_slider, userdata, 636)
QEL_LAYOUT_AT(nk_style_slider, draw_begin, 640)
QEL_LAYOUT_AT(nk_style_slider, draw_end, 644)

QEL_LAYOUT_SIZE(nk_style_progress, 260)
QEL_LAYOUT_AT(nk_style_progress, normal, 0)
QEL_LAYOUT_AT(nk_style_progress, hover, 36)
QEL_LAYOUT_AT(nk_style_progress, active, 72)
QEL_LAYOUT_AT(nk_style_progress, border_color, 108)
QEL_LAYOUT_AT(nk_style_progress, cursor_normal, 112)
QEL_LAYOUT_AT(nk_style_progress, cursor_hover, 148)
QEL_LAYOUT_AT(nk_style_progress, cursor_active, 184)
QEL_LAYOUT_AT(nk_style_progress, cursor_border_color, 220)
QEL_LAYOUT_AT(nk_style_progress, rounding, 224)
QEL_LAYOUT_AT(nk_style_progress, border, 228)
QEL_LAYOUT_AT(nk_style_progress, cursor_border, 232)
QEL_LAYOUT_AT(nk_style_progress, cursor_rounding, 236)
QEL_LAYOUT_AT(nk_style_progress, padding, 240)
QEL_LAYOUT_AT(nk_style_progress, userdata, 248)
QEL_LAYOUT_AT(nk_style_progress, draw_begin, 252)
QEL_LAYOUT_AT(nk_style_progress, draw_end, 256)

QEL_LAYOUT_SIZE(nk_style_scrollbar, 624)
QEL_LAYOUT_AT(nk_style_scrollbar, normal, 0)
QEL_LAYOUT_AT(nk_style_scrollbar, hover, 36)
QEL_LAYOUT_AT(nk_style_scrollbar, active, 72)
QEL_LAYOUT_AT(nk_style_scrollbar, border_color, 108)
QEL_LAYOUT_AT(nk_style_scrollbar, cursor_normal, 112)
QEL_LAYOUT_AT(nk_style_scrollbar, cursor_hover, 148)
QEL_LAYOUT_AT(nk_style_scrollbar, cursor_active, 184)
QEL_LAYOUT_AT(nk_style_scrollbar, cursor_border_color, 220)
QEL_LAYOUT_AT(nk_style_scrollbar, border, 224)
QEL_LAYOUT_AT(nk_style_scrollbar, rounding, 228)
QEL_LAYOUT_AT(nk_style_scrollbar, border_cursor, 232)
QEL_LAYOUT_AT(nk_style_scrollbar, rounding_cursor, 236)
QEL_LAYOUT_AT(nk_style_scrollbar, padding, 240)
QEL_LAYOUT_AT(nk_style_scrollbar, show_buttons, 248)
QEL_LAYOUT_AT(nk_style_scrollbar, inc_button, 252)
QEL_LAYOUT_AT(nk_style_scrollbar, dec_button, 428)
QEL_LAYOUT_AT(nk_style_scrollbar, inc_symbol, 604)
QEL_LAYOUT_AT(nk_style_scrollbar, dec_symbol, 608)
QEL_LAYOUT_AT(nk_style_scrollbar, userdata, 612)
QEL_LAYOUT_AT(nk_style_scrollbar, draw_begin, 616)
QEL_LAYOUT_AT(nk_style_scrollbar, draw_end, 620)

QEL_LAYOUT_SIZE(nk_style_edit, 812)
QEL_LAYOUT_AT(nk_style_edit, normal, 0)
QEL_LAYOUT_AT(nk_style_edit, hover, 36)
QEL_LAYOUT_AT(nk_style_edit, active, 72)
QEL_LAYOUT_AT(nk_style_edit, border_color, 108)
QEL_LAYOUT_AT(nk_style_edit, scrollbar, 112)
QEL_LAYOUT_AT(nk_style_edit, cursor_normal, 736)
QEL_LAYOUT_AT(nk_style_edit, cursor_hover, 740)
QEL_LAYOUT_AT(nk_style_edit, cursor_text_normal, 744)
QEL_LAYOUT_AT(nk_style_edit, cursor_text_hover, 748)
QEL_LAYOUT_AT(nk_style_edit, text_normal, 752)
QEL_LAYOUT_AT(nk_style_edit, text_hover, 756)
QEL_LAYOUT_AT(nk_style_edit, text_active, 760)
QEL_LAYOUT_AT(nk_style_edit, selected_normal, 764)
QEL_LAYOUT_AT(nk_style_edit, selected_hover, 768)
QEL_LAYOUT_AT(nk_style_edit, selected_text_normal, 772)
QEL_LAYOUT_AT(nk_style_edit, selected_text_hover, 776)
QEL_LAYOUT_AT(nk_style_edit, border, 780)
QEL_LAYOUT_AT(nk_style_edit, rounding, 784)
QEL_LAYOUT_AT(nk_style_edit, cursor_size, 788)
QEL_LAYOUT_AT(nk_style_edit, scrollbar_size, 792)
QEL_LAYOUT_AT(nk_style_edit, padding, 800)
QEL_LAYOUT_AT(nk_style_edit, row_padding, 808)

QEL_LAYOUT_SIZE(nk_style_property, 1324)
QEL_LAYOUT_AT(nk_style_property, normal, 0)
QEL_LAYOUT_AT(nk_style_property, hover, 36)
QEL_LAYOUT_AT(nk_style_property, active, 72)
QEL_LAYOUT_AT(nk_style_property, border_color, 108)
QEL_LAYOUT_AT(nk_style_property, label_normal, 112)
QEL_LAYOUT_AT(nk_style_property, label_hover, 116)
QEL_LAYOUT_AT(nk_style_property, label_active, 120)
QEL_LAYOUT_AT(nk_style_property, sym_left, 124)
QEL_LAYOUT_AT(nk_style_property, sym_right, 128)
QEL_LAYOUT_AT(nk_style_property, border, 132)
QEL_LAYOUT_AT(nk_style_property, rounding, 136)
QEL_LAYOUT_AT(nk_style_property, padding, 140)
QEL_LAYOUT_AT(nk_style_property, edit, 148)
QEL_LAYOUT_AT(nk_style_property, inc_button, 960)
QEL_LAYOUT_AT(nk_style_property, dec_button, 1136)
QEL_LAYOUT_AT(nk_style_property, userdata, 1312)
QEL_LAYOUT_AT(nk_style_property, draw_begin, 1316)
QEL_LAYOUT_AT(nk_style_property, draw_end, 1320)

QEL_LAYOUT_SIZE(nk_style_chart, 64)
QEL_LAYOUT_AT(nk_style_chart, background, 0)
QEL_LAYOUT_AT(nk_style_chart, border_color, 36)
QEL_LAYOUT_AT(nk_style_chart, selected_color, 40)
QEL_LAYOUT_AT(nk_style_chart, color, 44)
QEL_LAYOUT_AT(nk_style_chart, border, 48)
QEL_LAYOUT_AT(nk_style_chart, rounding, 52)
QEL_LAYOUT_AT(nk_style_chart, padding, 56)

QEL_LAYOUT_SIZE(nk_style_tab, 784)
QEL_LAYOUT_AT(nk_style_tab, background, 0)
QEL_LAYOUT_AT(nk_style_tab, border_color, 36)
QEL_LAYOUT_AT(nk_style_tab, text, 40)
QEL_LAYOUT_AT(nk_style_tab, tab_maximize_button, 44)
QEL_LAYOUT_AT(nk_style_tab, tab_minimize_button, 220)
QEL_LAYOUT_AT(nk_style_tab, node_maximize_button, 396)
QEL_LAYOUT_AT(nk_style_tab, node_minimize_button, 572)
QEL_LAYOUT_AT(nk_style_tab, sym_minimize, 748)
QEL_LAYOUT_AT(nk_style_tab, sym_maximize, 752)
QEL_LAYOUT_AT(nk_style_tab, border, 756)
QEL_LAYOUT_AT(nk_style_tab, rounding, 760)
QEL_LAYOUT_AT(nk_style_tab, indent, 764)
QEL_LAYOUT_AT(nk_style_tab, padding, 768)
QEL_LAYOUT_AT(nk_style_tab, spacing, 776)

QEL_LAYOUT_SIZE(nk_style_combo, 356)
QEL_LAYOUT_AT(nk_style_combo, normal, 0)
QEL_LAYOUT_AT(nk_style_combo, hover, 36)
QEL_LAYOUT_AT(nk_style_combo, active, 72)
QEL_LAYOUT_AT(nk_style_combo, border_color, 108)
QEL_LAYOUT_AT(nk_style_combo, label_normal, 112)
QEL_LAYOUT_AT(nk_style_combo, label_hover, 116)
QEL_LAYOUT_AT(nk_style_combo, label_active, 120)
QEL_LAYOUT_AT(nk_style_combo, symbol_normal, 124)
QEL_LAYOUT_AT(nk_style_combo, symbol_hover, 128)
QEL_LAYOUT_AT(nk_style_combo, symbol_active, 132)
QEL_LAYOUT_AT(nk_style_combo, button, 136)
QEL_LAYOUT_AT(nk_style_combo, sym_normal, 312)
QEL_LAYOUT_AT(nk_style_combo, sym_hover, 316)
QEL_LAYOUT_AT(nk_style_combo, sym_active, 320)
QEL_LAYOUT_AT(nk_style_combo, border, 324)
QEL_LAYOUT_AT(nk_style_combo, rounding, 328)
QEL_LAYOUT_AT(nk_style_combo, content_padding, 332)
QEL_LAYOUT_AT(nk_style_combo, button_padding, 340)
QEL_LAYOUT_AT(nk_style_combo, spacing, 348)

QEL_LAYOUT_SIZE(nk_style_window_header, 512)
QEL_LAYOUT_AT(nk_style_window_header, normal, 0)
QEL_LAYOUT_AT(nk_style_window_header, hover, 36)
QEL_LAYOUT_AT(nk_style_window_header, active, 72)
QEL_LAYOUT_AT(nk_style_window_header, close_button, 108)
QEL_LAYOUT_AT(nk_style_window_header, minimize_button, 284)
QEL_LAYOUT_AT(nk_style_window_header, close_symbol, 460)
QEL_LAYOUT_AT(nk_style_window_header, minimize_symbol, 464)
QEL_LAYOUT_AT(nk_style_window_header, maximize_symbol, 468)
QEL_LAYOUT_AT(nk_style_window_header, label_normal, 472)
QEL_LAYOUT_AT(nk_style_window_header, label_hover, 476)
QEL_LAYOUT_AT(nk_style_window_header, label_active, 480)
QEL_LAYOUT_AT(nk_style_window_header, align, 484)
QEL_LAYOUT_AT(nk_style_window_header, padding, 488)
QEL_LAYOUT_AT(nk_style_window_header, label_padding, 496)
QEL_LAYOUT_AT(nk_style_window_header, spacing, 504)

QEL_LAYOUT_SIZE(nk_style_window, 732)
QEL_LAYOUT_AT(nk_style_window, header, 0)
QEL_LAYOUT_AT(nk_style_window, fixed_background, 512)
QEL_LAYOUT_AT(nk_style_window, background, 548)
QEL_LAYOUT_AT(nk_style_window, border_color, 552)
QEL_LAYOUT_AT(nk_style_window, popup_border_color, 556)
QEL_LAYOUT_AT(nk_style_window, combo_border_color, 560)
QEL_LAYOUT_AT(nk_style_window, contextual_border_color, 564)
QEL_LAYOUT_AT(nk_style_window, menu_border_color, 568)
QEL_LAYOUT_AT(nk_style_window, group_border_color, 572)
QEL_LAYOUT_AT(nk_style_window, tooltip_border_color, 576)
QEL_LAYOUT_AT(nk_style_window, scaler, 580)
QEL_LAYOUT_AT(nk_style_window, border, 616)
QEL_LAYOUT_AT(nk_style_window, combo_border, 620)
QEL_LAYOUT_AT(nk_style_window, contextual_border, 624)
QEL_LAYOUT_AT(nk_style_window, menu_border, 628)
QEL_LAYOUT_AT(nk_style_window, group_border, 632)
QEL_LAYOUT_AT(nk_style_window, tooltip_border, 636)
QEL_LAYOUT_AT(nk_style_window, popup_border, 640)
QEL_LAYOUT_AT(nk_style_window, min_row_height_padding, 644)
QEL_LAYOUT_AT(nk_style_window, rounding, 648)
QEL_LAYOUT_AT(nk_style_window, spacing, 652)
QEL_LAYOUT_AT(nk_style_window, scrollbar_size, 660)
QEL_LAYOUT_AT(nk_style_window, min_size, 668)
QEL_LAYOUT_AT(nk_style_window, padding, 676)
QEL_LAYOUT_AT(nk_style_window, group_padding, 684)
QEL_LAYOUT_AT(nk_style_window, popup_padding, 692)
QEL_LAYOUT_AT(nk_style_window, combo_padding, 700)
QEL_LAYOUT_AT(nk_style_window, contextual_padding, 708)
QEL_LAYOUT_AT(nk_style_window, menu_padding, 716)
QEL_LAYOUT_AT(nk_style_window, tooltip_padding, 724)

#endif  // UINTPTR_MAX == 0xFFFFFFFF

// [SECTION] the 32-bit checks ran where they must
// The build system names the target's pointer size: a 32-bit target whose compiler skipped
// the section above would otherwise pass without proving anything.
#if !defined(QEL_TARGET_POINTER_BYTES)
#error "QEL_TARGET_POINTER_BYTES is not defined: the build must name the target's pointer size"
#endif
static_assert(sizeof(void*) == QEL_TARGET_POINTER_BYTES, "the build's pointer size is not the compiler's");
#if (QEL_TARGET_POINTER_BYTES == 4 || defined(__i386__) || defined(_M_IX86)) && !defined(QEL_LAYOUT_CHECKED_32BIT)
#error "a 32-bit target skipped the 32-bit layout checks"
#endif

}  // namespace
}  // namespace qel

#undef QEL_LAYOUT_SIZE
#undef QEL_LAYOUT_AT
