// What Init1's mode does to the live style, the first time and when Init1 runs again, and
// what start-up says when the host never handed over its commands.
#include <gtest/gtest.h>

#include <memory>

#include "device_fixture.h"
#include "frame/plugin_state.h"
#include "frame/theme.h"

namespace qel {
namespace {

struct StyleColors {
  nk_color window, text, button, border, check_cursor;
  bool operator==(const StyleColors& o) const {
    auto same = [](nk_color a, nk_color b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; };
    return same(window, o.window) && same(text, o.text) && same(button, o.button) && same(border, o.border) &&
           same(check_cursor, o.check_cursor);
  }
};

StyleColors ColorsOf(const nk_style& s) {
  return {s.window.fixed_background.data.color, s.text.color, s.button.normal.data.color, s.window.border_color,
          s.checkbox.cursor_normal.data.color};
}

// The same colours from a context of our own styled by `style`.
template <class Style>
StyleColors Reference(Style&& style) {
  nk_context ctx{};
  nk_init_default(&ctx, nullptr);
  style(&ctx);
  const StyleColors colors = ColorsOf(ctx.style);
  nk_free(&ctx);
  return colors;
}

const StyleColors kLibrary = Reference([](nk_context*) {});
const StyleColors kDefaultTheme = Reference([](nk_context* ctx) { ApplyThemeTable(ctx, nullptr); });
const StyleColors kLightTheme = Reference([](nk_context* ctx) { ApplyThemeTable(ctx, LightThemeTable()); });

class InitStyle : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(160, 120);
    ASSERT_TRUE(host_->ok());
    LogSetLocation(LogFilePath("init_style_test.log").c_str());
  }
  StyleColors Live() const { return ColorsOf(Context()->style); }
  std::unique_ptr<ReferenceHost> host_;
};

TEST_F(InitStyle, ReferencesDiffer) {
  EXPECT_FALSE(kLibrary == kDefaultTheme);
  EXPECT_FALSE(kDefaultTheme == kLightTheme);
  EXPECT_FALSE(kLibrary == kLightTheme);
}

TEST_F(InitStyle, Init0KeepsTheLibraryStyle) {
  ASSERT_EQ(Init0(), 1);
  EXPECT_TRUE(Live() == kLibrary);
}

TEST_F(InitStyle, ModesAboveZeroOtherThanTwoGiveTheDefaultTheme) {
  ASSERT_EQ(Init1(7), 1);
  EXPECT_TRUE(Live() == kDefaultTheme);
  ASSERT_EQ(Init1(1), 1);
  EXPECT_TRUE(Live() == kDefaultTheme);
}

TEST_F(InitStyle, NegativeModeMakesNoStyleCall) {
  ASSERT_EQ(Init1(-3), 1);
  EXPECT_TRUE(Live() == kLibrary);
}

TEST_F(InitStyle, RepeatedInitGivesTheNewModesStyleFromScratch) {
  ASSERT_EQ(Init1(1), 1);
  const nk_user_font* font = Context()->style.font;
  ASSERT_EQ(Init1(0), 1);
  EXPECT_TRUE(Live() == kLibrary);
  EXPECT_EQ(Context()->style.font, font);
  ASSERT_EQ(Init1(2), 1);
  EXPECT_TRUE(Live() == kLightTheme);
  Context()->style.window.fixed_background = nk_style_item_color(nk_rgba(1, 2, 3, 4));  // a script's change
  ASSERT_EQ(Init1(-3), 1);
  EXPECT_TRUE(Live() == kLibrary);
}

TEST(InitWithoutHost, StartUpSaysTheHostCommandsNeverArrived) {
  // A live GL context, but the host's lookup is never handed over.
  HostConfig config;
  config.width = 160;
  config.height = 120;
  ReferenceHost host(config);
  ASSERT_TRUE(host.ok());
  EXPECT_EQ(StartPlugin("init_without_host_test.log"), 1);
  EXPECT_EQ(LogCount("init_without_host_test.log", msg::HostTableNeverReceived), 1);
  EXPECT_EQ(LogCount("init_without_host_test.log", msg::HostCommandsMissing), 0);
}

}  // namespace
}  // namespace qel
