// Input translation against the reference host's scripted input and manual clock, watched
// on the context's own input state.
#include <gtest/gtest.h>

#include <string>

#include "device/input.h"
#include "frame/host_commands.h"
#include "device_fixture.h"

namespace qel {
namespace {

constexpr int kShift = 16, kControl = 17, kEnd = 35, kHome = 36, kLeft = 37;

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    nk_init_default(&ctx_, nullptr);
  }
  void TearDown() override { nk_free(&ctx_); }

  // One frame: what the test scripted, translated, then the host's frame ends.
  void Frame(float x = 10, float y = 10) {
    nk_input_begin(&ctx_);
    TranslateInput(&ctx_, x, y);
    nk_input_end(&ctx_);
    host_->Swap();
  }
  // Keys are fed (each fed key counts a click) or held back this frame.
  bool KeysFed() const { return ctx_.input.keyboard.keys[NK_KEY_SHIFT].clicked > 0; }
  bool KeyDown(nk_keys key) const { return ctx_.input.keyboard.keys[key].down != 0; }
  const nk_mouse_button& Button(nk_buttons b) const { return ctx_.input.mouse.buttons[b]; }
  // A left press and release at `ms`, one frame each; whether the release was a double click.
  bool ClickAt(uint32_t ms) {
    host_->SetMilliseconds(ms);
    host_->MouseDown(0);
    Frame();
    host_->SetMilliseconds(ms);
    host_->MouseUp(0);
    Frame();
    return Button(NK_BUTTON_DOUBLE).down != 0;
  }

  std::unique_ptr<ReferenceHost> host_;
  nk_context ctx_{};
};

TEST_F(InputTest, HeldKeyIsFedOnPressThenAfterTheDelayThenEachInterval) {
  host_->SetFrameTime(0.125f);  // exact in binary: the summed times hit the delay exactly
  host_->KeyDown(kLeft);
  std::string fed;
  for (int frame = 0; frame < 10; ++frame) {
    Frame();
    fed += KeysFed() ? 'K' : '.';
  }
  // Press; four frames (0.5 s) held back; then a repeat every other frame, since each
  // frame (0.125 s) is longer than the interval.
  EXPECT_EQ(fed, "K....K.K.K");
  host_->KeyUp(kLeft);
  Frame();
  Frame();
  EXPECT_TRUE(KeysFed());
  EXPECT_FALSE(KeyDown(NK_KEY_LEFT));
}

TEST_F(InputTest, MouseWheelAndTextArriveWhileAKeyIsHeldBack) {
  host_->SetFrameTime(0.1f);
  host_->KeyDown('W');  // a game's movement key
  Frame();
  Frame();
  ASSERT_FALSE(KeysFed());
  host_->MoveMouse(40, 50);
  host_->MouseDown(0);
  host_->Wheel(3.0f);
  host_->Type("q");
  Frame(40, 50);
  EXPECT_FALSE(KeysFed());
  EXPECT_TRUE(Button(NK_BUTTON_LEFT).down);
  EXPECT_EQ(Button(NK_BUTTON_LEFT).clicked, 1u);
  EXPECT_EQ(ctx_.input.mouse.pos.x, 40.0f);
  EXPECT_EQ(ctx_.input.mouse.scroll_delta.y, 3.0f);
  EXPECT_EQ(ctx_.input.keyboard.text_len, 1);
}

TEST_F(InputTest, ControlCombinationsChooseBetweenRows) {
  host_->KeyDown(kControl);
  host_->KeyDown(kLeft);
  Frame();
  EXPECT_TRUE(KeyDown(NK_KEY_TEXT_WORD_LEFT));
  EXPECT_FALSE(KeyDown(NK_KEY_LEFT));
  host_->KeyUp(kControl);
  host_->KeyUp(kLeft);
  host_->KeyDown(kHome);
  Frame();
  EXPECT_TRUE(KeyDown(NK_KEY_TEXT_START));
  EXPECT_FALSE(KeyDown(NK_KEY_SCROLL_START));
  host_->KeyUp(kHome);
  host_->KeyDown(kControl);
  host_->KeyDown(kHome);
  Frame();
  EXPECT_TRUE(KeyDown(NK_KEY_TEXT_START));
  EXPECT_TRUE(KeyDown(NK_KEY_SCROLL_START));
  EXPECT_FALSE(KeyDown(NK_KEY_TEXT_END));
  host_->KeyUp(kHome);
  host_->KeyDown(kEnd);
  host_->KeyDown('C');
  Frame();
  EXPECT_TRUE(KeyDown(NK_KEY_SCROLL_END));
  EXPECT_TRUE(KeyDown(NK_KEY_COPY));
  EXPECT_FALSE(KeyDown(NK_KEY_SHIFT));
  EXPECT_FALSE(KeyDown(NK_KEY_CTRL));  // never fed
}

TEST_F(InputTest, DoubleClickNeedsTwoReleasesWithinHalfASecond) {
  EXPECT_FALSE(ClickAt(10000));
  EXPECT_FALSE(ClickAt(10501));  // 501 ms later: a second single click
  EXPECT_TRUE(ClickAt(11001));   // 500 ms later: a double click
  Frame();
  EXPECT_FALSE(Button(NK_BUTTON_DOUBLE).down);  // taken back on the next frame
  EXPECT_FALSE(ClickAt(11100));  // the double click reset the time: single again
}

TEST_F(InputTest, ClicksEarlyOnAClockThatStartsAtZero) {
  // The reference host's clock starts at 0: no earlier click is not a click at time 0.
  EXPECT_FALSE(ClickAt(100));
  EXPECT_TRUE(ClickAt(400));
  EXPECT_FALSE(ClickAt(450));  // right after a double: single again
  EXPECT_TRUE(ClickAt(700));   // and that one pairs with the next
  EXPECT_FALSE(ClickAt(710));
}

TEST_F(InputTest, AReleaseAtTimeZeroPairsWithTheNext) {
  EXPECT_FALSE(ClickAt(0));
  EXPECT_TRUE(ClickAt(500));
}

TEST_F(InputTest, WheelScrollsBothAxesByTheSameAmount) {
  host_->Wheel(-2.0f);
  Frame();
  EXPECT_EQ(ctx_.input.mouse.scroll_delta.x, -2.0f);
  EXPECT_EQ(ctx_.input.mouse.scroll_delta.y, -2.0f);
}

TEST_F(InputTest, EveryCharacterTypedInOneFrameArrivesInOrder) {
  host_->Type("aé€bcdefghijklmnopqrstuvwxyz");
  Frame();
  const std::string text(ctx_.input.keyboard.text, static_cast<size_t>(ctx_.input.keyboard.text_len));
  EXPECT_EQ(text, "aé€bcdefghijklmnopqrstuvwxyz");
  // Nuklear's text holds characters of up to three UTF-8 bytes; one beyond that is
  // dropped whole, never fed as stray bytes.
  host_->Type("x𝄞y");
  Frame();
  EXPECT_EQ(std::string(ctx_.input.keyboard.text, static_cast<size_t>(ctx_.input.keyboard.text_len)), "xy");
}

TEST_F(InputTest, ControlCharactersAreLeftToTheirKeys) {
  // Character messages carry Backspace, Tab, Enter, Escape and Delete as characters too;
  // only printable text reaches the context, so an edit field does not insert them.
  host_->KeyDown(8);
  host_->Type("a\bb\tc\rd\ne\x1b" "f\x7f" "g\x01 ~");
  Frame();
  EXPECT_EQ(std::string(ctx_.input.keyboard.text, static_cast<size_t>(ctx_.input.keyboard.text_len)), "abcdefg ~");
  EXPECT_TRUE(KeyDown(NK_KEY_BACKSPACE));
  host_->KeyUp(8);
  host_->Type("\t");
  Frame();
  EXPECT_EQ(ctx_.input.keyboard.text_len, 0);
}

TEST_F(InputTest, MousePositionIsFloored) {
  Frame(12.9f, -0.5f);
  EXPECT_EQ(ctx_.input.mouse.pos.x, 12.0f);
  EXPECT_EQ(ctx_.input.mouse.pos.y, -1.0f);
}

}  // namespace
}  // namespace qel
