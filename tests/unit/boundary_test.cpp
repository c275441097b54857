// The values scripts hand over at the boundary: texts, packed colours, little-endian bytes;
// and the one place per-frame state is reset.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "frame/boundary.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

TEST(Boundary, TextLengthsStopAtTheTerminatorAndRefuseNullOrNegative) {
  static const char kEmbedded[] = {'a', 'b', '\0', 'c', 'd'};  // nothing after "ab" may be read
  struct Case {
    const char* text;
    int32_t length;
    int expected;
  };
  const Case cases[] = {
      {nullptr, 5, 0}, {"abc", -1, 0}, {"abc", 0, 0},      {"abc", 2, 2},
      {"abc", 3, 3},   {"abc", 99, 3}, {kEmbedded, 5, 2}, {"", 4, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TextLength(c.text, c.length), c.expected) << (c.text ? c.text : "(null)") << " " << c.length;

  EXPECT_EQ(LabelLength(nullptr), 0);
  EXPECT_EQ(LabelLength(""), 0);
  EXPECT_EQ(LabelLength("abc"), 3);
  EXPECT_EQ(LabelLength(kEmbedded), 2);

  ASSERT_NE(TextOrEmpty(nullptr), nullptr);
  EXPECT_STREQ(TextOrEmpty(nullptr), "");
  const char* text = "x";
  EXPECT_EQ(TextOrEmpty(text), text);  // the caller's own text, not a copy
}

TEST(Boundary, PackedColoursAreRedLowAlphaHighByteForByte) {
  struct Case {
    uint32_t packed;
    nk_byte r, g, b, a;
  };
  const Case cases[] = {
      {0xFF0000FFu, 255, 0, 0, 255},       {0xFF00FF00u, 0, 255, 0, 255}, {0xFFFF0000u, 0, 0, 255, 255},
      {0x00000000u, 0, 0, 0, 0},           {0xFFFFFFFFu, 255, 255, 255, 255},
      {0x80402010u, 0x10, 0x20, 0x40, 0x80},  // alpha's top bit makes the int negative
  };
  for (const Case& c : cases) {
    const int32_t packed = static_cast<int32_t>(c.packed);
    const nk_color color = UnpackColor(packed);
    EXPECT_EQ(color.r, c.r) << std::hex << c.packed;
    EXPECT_EQ(color.g, c.g) << std::hex << c.packed;
    EXPECT_EQ(color.b, c.b) << std::hex << c.packed;
    EXPECT_EQ(color.a, c.a) << std::hex << c.packed;
    EXPECT_EQ(PackColor(color), packed) << std::hex << c.packed;
  }
  static_assert(PackColor(UnpackColor(-1)) == -1, "usable at compile time");
}

TEST(Boundary, MemoryBlockValuesAreLittleEndianAtAnyOffset) {
  // One odd offset in a larger buffer: values need no alignment, and neighbours stay intact.
  struct Case {
    const char* name;
    void (*store)(uint8_t*);
    uint8_t bytes[4];
    int size;
    bool (*loads_back)(const uint8_t*);
  };
  const Case cases[] = {
      {"u16", [](uint8_t* at) { StoreU16(at, 0x1234); }, {0x34, 0x12}, 2,
       [](const uint8_t* at) { return LoadU16(at) == 0x1234; }},
      {"u16 max", [](uint8_t* at) { StoreU16(at, 0xFFFE); }, {0xFE, 0xFF}, 2,
       [](const uint8_t* at) { return LoadU16(at) == 0xFFFE; }},
      {"u32", [](uint8_t* at) { StoreU32(at, 0xA1B2C3D4u); }, {0xD4, 0xC3, 0xB2, 0xA1}, 4,
       [](const uint8_t* at) { return LoadU32(at) == 0xA1B2C3D4u; }},
      {"f32 one", [](uint8_t* at) { StoreF32(at, 1.0f); }, {0x00, 0x00, 0x80, 0x3F}, 4,
       [](const uint8_t* at) { return LoadF32(at) == 1.0f; }},
      {"f32 -2.5", [](uint8_t* at) { StoreF32(at, -2.5f); }, {0x00, 0x00, 0x20, 0xC0}, 4,
       [](const uint8_t* at) { return LoadF32(at) == -2.5f; }},
      {"f32 -0", [](uint8_t* at) { StoreF32(at, -0.0f); }, {0x00, 0x00, 0x00, 0x80}, 4,
       [](const uint8_t* at) { return std::signbit(LoadF32(at)); }},
  };
  for (const Case& c : cases) {
    uint8_t buffer[8];
    std::memset(buffer, 0xEE, sizeof buffer);
    c.store(buffer + 1);
    EXPECT_EQ(buffer[0], 0xEE) << c.name;
    for (int i = 0; i < c.size; ++i) EXPECT_EQ(buffer[1 + i], c.bytes[i]) << c.name << " byte " << i;
    EXPECT_EQ(buffer[1 + c.size], 0xEE) << c.name;
    EXPECT_TRUE(c.loads_back(buffer + 1)) << c.name;
  }
}

TEST(PluginRoot, TheFrameResetClearsPerFrameStateOnly) {
  PluginRoot& root = State();
  const int32_t saved_event = root.editing.last_event;
  const uint32_t saved_life = root.windows.last_life;
  root.windows.frame.extra_flags = NK_WINDOW_NO_INPUT;
  root.trees.frame.counter = 7;
  root.editing.last_event = NK_EDIT_COMMITED;
  root.windows.last_life = 3;

  ResetFrameState();

  EXPECT_EQ(root.windows.frame.extra_flags, 0u);
  EXPECT_EQ(root.trees.frame.counter, 0);
  // What lasts beyond the frame is left alone.
  EXPECT_EQ(root.editing.last_event, NK_EDIT_COMMITED);
  EXPECT_EQ(root.windows.last_life, 3u);

  root.editing.last_event = saved_event;
  root.windows.last_life = saved_life;
}

}  // namespace
}  // namespace qel
