// Style blocks pushed on the style stack, and the images style items in blocks may name,
// watched in the plug-in's own state.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "device_fixture.h"
#include "frame/boundary.h"
#include "frame/plugin_state.h"
#include "style/field_tables.h"

namespace qel {
namespace {

class StyleMemblockStack : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(64, 64);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin("style_memblock_stack.log"), 1);
  }
  static std::vector<uint8_t> LiveBytes(int32_t widget) {
    const FieldTable* table = FieldTableOfWidget(widget);
    const auto* at = static_cast<const uint8_t*>(LiveWidgetStyle(Context()->style, widget));
    return std::vector<uint8_t>(at, at + table->native_size);
  }
  static uint8_t* Block(int32_t id) { return static_cast<uint8_t*>(HostCommands().GETMEMBLOCKPTR_P_L(id)); }
  std::unique_ptr<ReferenceHost> host_;
};

// A push saves the live structure as a record; setting the record back (what a pop does)
// gives the live style as it was. A window header block saves the whole window.
TEST_F(StyleMemblockStack, APushedBlockIsUndoneByItsSavedRecord) {
  const struct {
    int32_t widget;
    int32_t border_at;  // a float of the block changed before the push
    int32_t saved_as;
  } kCases[] = {{4, 132, 4}, {10, 236, 10}, {13, 780, 13}, {19, 616, 19}, {20, 136 + 108, 19}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.widget);
    const std::vector<uint8_t> before = LiveBytes(c.saved_as);
    const int32_t id = StyleCreateMemblock2(c.widget);
    ASSERT_GT(id, 0);
    StoreF32(Block(id) + c.border_at, 7.0f);
    StyleStack& stack = State().style.stack;
    const size_t depth = stack.size();

    StylePushMemblock0(c.widget, id);
    ASSERT_EQ(stack.size(), depth + 1);
    EXPECT_NE(LiveBytes(c.saved_as), before);
    EXPECT_EQ(stack.back().widget, c.saved_as);

    ApplyWidgetStyle(Context(), stack.back());
    stack.pop_back();
    EXPECT_EQ(LiveBytes(c.saved_as), before);
  }
  // Refused pushes leave the stack alone.
  const int32_t small = HostCommands().CREATEMEMBLOCK_L_L(16);
  StylePushMemblock0(4, small);
  StylePushMemblock0(1, small);
  EXPECT_TRUE(State().style.stack.empty());
}

// An image item in a block keeps an image the plug-in knows and shows the placeholder for
// any other id.
TEST_F(StyleMemblockStack, ImageItemsNameKnownTexturesOrFallBack) {
  const int32_t host_image = HostCommands().CREATERENDERIMAGE_L_L_L_L_L(32, 16, 0, 0);
  ImageCreate1("sheet", host_image);
  const uint32_t texture = static_cast<uint32_t>(HostCommands().GETOPENGLIMAGEID_L_L(host_image));
  ASSERT_NE(texture, 0u);
  EXPECT_TRUE(IsKnownTexture(texture));
  EXPECT_FALSE(IsKnownTexture(texture + 1000));
  EXPECT_FALSE(IsKnownTexture(0));

  const int32_t id = StyleCreateMemblock2(4);
  for (int32_t item : {0, 36}) {  // normal, hover: image items
    StoreU32(Block(id) + item, NK_STYLE_ITEM_IMAGE);
    StoreU16(Block(id) + item + 8, 32);
    StoreU16(Block(id) + item + 10, 16);
  }
  StoreU32(Block(id) + 4, texture);
  StoreU32(Block(id) + 40, texture + 1000);
  StyleSetFromMemblock1(4, id);

  const nk_style_button& button = Context()->style.button;
  EXPECT_EQ(static_cast<uint32_t>(button.normal.data.image.handle.id), texture);
  EXPECT_EQ(button.normal.data.image.w, 32);
  EXPECT_EQ(button.hover.data.image.handle.id, State().frame.placeholder.handle.id);
  EXPECT_EQ(LogCount("style_memblock_stack.log", msg::StyleMemblockImageUnknown), 1);
}

}  // namespace
}  // namespace qel
