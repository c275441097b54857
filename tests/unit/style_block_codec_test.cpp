#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "frame/boundary.h"
#include "style/field_tables.h"
#include "style/memblock_layout.h"
#include "style/style_block_codec.h"

namespace qel {
namespace {

uint32_t Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

std::vector<uint8_t> Encode(nk_style& style, int32_t widget) {
  std::vector<uint8_t> bytes(static_cast<size_t>(StyleBlockSize(widget)), 0xAB);
  EncodeStyleBlock(*FieldTableOfWidget(widget), LiveWidgetStyle(style, widget), bytes.data());
  return bytes;
}

void Decode(nk_style& style, int32_t widget, const std::vector<uint8_t>& bytes, const StyleBlockSource& source = {}) {
  DecodeStyleBlock(*FieldTableOfWidget(widget), bytes.data(), LiveWidgetStyle(style, widget), source);
}

struct nk_image Image(int id, nk_ushort w, nk_ushort h) {
  struct nk_image image = nk_image_id(id);
  image.w = w;
  image.h = h;
  image.region[2] = w;
  image.region[3] = h;
  return image;
}

// Offsets written out by hand from the layout, one or more per kind of field and through
// nested structures, so that a wrong offset in a table cannot hide behind the codec.
TEST(StyleBlockCodec, EveryKindOfFieldLandsAtItsLayoutOffset) {
  static int userdata;
  const struct {
    int32_t widget;
    int32_t offset;
    void (*set)(nk_style&);
    uint32_t expected;  // the 32-bit little-endian word at the offset
  } kCases[] = {
      {4, 132, [](nk_style& s) { s.button.border = 3.0f; }, Bits(3.0f)},
      {4, 128, [](nk_style& s) { s.button.text_alignment = 18; }, 18},
      {4, 108, [](nk_style& s) { s.button.border_color = nk_rgba(1, 2, 3, 4); }, 0x04030201},
      {4, 144, [](nk_style& s) { s.button.padding = nk_vec2(1.0f, 7.5f); }, Bits(7.5f)},
      {4, 36, [](nk_style& s) { s.button.hover = nk_style_item_color(nk_rgba(9, 8, 7, 6)); }, 0},
      {4, 40, [](nk_style& s) { s.button.hover = nk_style_item_color(nk_rgba(9, 8, 7, 6)); }, 0x06070809},
      {4, 164, [](nk_style& s) { s.button.userdata = nk_handle_ptr(&userdata); }, 0},
      {3, 8, [](nk_style& s) { s.text.padding = nk_vec2(0.0f, 2.0f); }, Bits(2.0f)},
      {10, 408, [](nk_style& s) { s.slider.inc_button.border = 2.0f; }, Bits(2.0f)},
      {12, 640, [](nk_style& s) { s.property.edit.scrollbar.inc_button.text_alignment = 20; }, 20},
      {13, 792, [](nk_style& s) { s.edit.scrollbar_size = nk_vec2(9.0f, 1.0f); }, Bits(9.0f)},
      {17, 748, [](nk_style& s) { s.tab.sym_minimize = NK_SYMBOL_CHEVRON_UP; }, 15},
      {18, 172, [](nk_style& s) { s.combo.button.hover = nk_style_item_image(Image(77, 64, 32)); }, 1},
      {18, 176, [](nk_style& s) { s.combo.button.hover = nk_style_item_image(Image(77, 64, 32)); }, 77},
      {18, 180, [](nk_style& s) { s.combo.button.hover = nk_style_item_image(Image(77, 64, 32)); }, 64 | (32u << 16)},
      {9, 128, [](nk_style& s) {
         struct nk_nine_slice slice{};
         slice.img = Image(5, 64, 64);
         slice.l = 4.5f;
         s.selectable.normal_active = nk_style_item_nine_slice(slice);
       }, Bits(4.5f)},
      {19, 548, [](nk_style& s) { s.window.background = nk_rgba(10, 20, 30, 40); }, 0x281E140A},
      {19, 484, [](nk_style& s) { s.window.header.align = NK_HEADER_RIGHT; }, 1},
      {20, 484, [](nk_style& s) { s.window.header.align = NK_HEADER_RIGHT; }, 1},
      {19, 724, [](nk_style& s) { s.window.tooltip_padding = nk_vec2(5.0f, 0.0f); }, Bits(5.0f)},
  };
  for (const auto& c : kCases) {
    nk_style style{};
    c.set(style);
    const std::vector<uint8_t> bytes = Encode(style, c.widget);
    EXPECT_EQ(LoadU32(bytes.data() + c.offset), c.expected) << "widget " << c.widget << " offset " << c.offset;
  }
}

// A value the live style cannot use is not taken; the field keeps what it held.
TEST(StyleBlockCodec, IntegersAndItemTypesOutOfRangeAreNotTaken) {
  const struct {
    int32_t widget;
    int32_t offset;
    int32_t written;
    bool taken;
    int32_t (*read)(const nk_style&);
  } kCases[] = {
      {4, 128, 17, true, [](const nk_style& s) { return static_cast<int32_t>(s.button.text_alignment); }},
      {4, 128, 0x80, false, [](const nk_style& s) { return static_cast<int32_t>(s.button.text_alignment); }},
      {4, 128, -1, false, [](const nk_style& s) { return static_cast<int32_t>(s.button.text_alignment); }},
      {10, 272, 1, true, [](const nk_style& s) { return static_cast<int32_t>(s.slider.show_buttons); }},
      {10, 272, 2, false, [](const nk_style& s) { return static_cast<int32_t>(s.slider.show_buttons); }},
      {10, 628, 14 | 0x80, true, [](const nk_style& s) { return static_cast<int32_t>(s.slider.inc_symbol); }},
      {10, 628, 37, false, [](const nk_style& s) { return static_cast<int32_t>(s.slider.inc_symbol); }},
      {10, 628, -5, false, [](const nk_style& s) { return static_cast<int32_t>(s.slider.inc_symbol); }},
      {20, 484, 1, true, [](const nk_style& s) { return static_cast<int32_t>(s.window.header.align); }},
      {20, 484, 2, false, [](const nk_style& s) { return static_cast<int32_t>(s.window.header.align); }},
      {4, 0, 3, false, [](const nk_style& s) { return static_cast<int32_t>(s.button.normal.type); }},
  };
  for (const auto& c : kCases) {
    nk_style style{};
    style.button.text_alignment = NK_TEXT_LEFT;
    style.slider.inc_symbol = NK_SYMBOL_PLUS;
    style.button.normal = nk_style_item_color(nk_rgba(1, 1, 1, 1));
    const int32_t before = c.read(style);
    std::vector<uint8_t> bytes = Encode(style, c.widget);
    StoreU32(bytes.data() + c.offset, static_cast<uint32_t>(c.written));
    Decode(style, c.widget, bytes);
    EXPECT_EQ(c.read(style), c.taken ? c.written : before) << "widget " << c.widget << " offset " << c.offset;
  }
}

void DrawNothing(struct nk_command_buffer*, nk_handle) {}

TEST(StyleBlockCodec, SlotsStayAndUnknownImagesFallBack) {
  nk_style style{};
  static int userdata;
  style.button.userdata = nk_handle_ptr(&userdata);
  style.button.draw_begin = &DrawNothing;
  std::vector<uint8_t> bytes = Encode(style, 4);
  for (int32_t at : {164, 168, 172}) StoreU32(bytes.data() + at, 0xDEADBEEF);

  // hover: an image the plug-in knows; active: one it does not; normal: a nine-slice of the
  // known image with a left border wider than it.
  nk_style source{};
  source.button.hover = nk_style_item_image(Image(5, 64, 32));
  source.button.active = nk_style_item_image(Image(6, 64, 32));
  struct nk_nine_slice slice{};
  slice.img = Image(5, 64, 32);
  slice.l = 1000.0f;
  slice.t = 3.0f;
  source.button.normal = nk_style_item_nine_slice(slice);
  const std::vector<uint8_t> items = Encode(source, 4);
  std::memcpy(bytes.data(), items.data(), 108);

  StyleBlockSource from;
  from.known_texture = [](uint32_t id) { return id == 5; };
  from.missing_image = Image(99, 1, 1);
  Decode(style, 4, bytes, from);

  EXPECT_EQ(style.button.userdata.ptr, &userdata);
  EXPECT_EQ(style.button.draw_begin, &DrawNothing);
  EXPECT_EQ(style.button.draw_end, nullptr);
  EXPECT_EQ(style.button.hover.type, NK_STYLE_ITEM_IMAGE);
  EXPECT_EQ(style.button.hover.data.image.handle.id, 5);
  EXPECT_EQ(style.button.hover.data.image.h, 32);
  EXPECT_EQ(style.button.active.data.image.handle.id, 99);
  EXPECT_EQ(style.button.normal.type, NK_STYLE_ITEM_NINE_SLICE);
  EXPECT_EQ(style.button.normal.data.slice.l, 0.0f);
  EXPECT_EQ(style.button.normal.data.slice.t, 3.0f);
}

}  // namespace
}  // namespace qel
