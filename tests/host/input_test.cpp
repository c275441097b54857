// Raw input as the plug-in reads it: held keys and buttons, this frame's edges (which last
// until the end of the next Swap), the wheel, typed characters and the mouse position.
#include <GLFW/glfw3.h>

#include <string>

#include "host_fixture.h"
#include "window_input.h"

namespace qel {
namespace {

constexpr int kShift = 16, kLeft = 37;

class Input : public HostTest {
 protected:
  CommandByName<int32_t(int32_t)> key_state_{"GETRAWKEYSTATE_L_L"};
  CommandByName<int32_t(int32_t)> key_pressed_{"GETRAWKEYPRESSED_L_L"};
  CommandByName<int32_t()> last_key_{"GETRAWLASTKEY_L_0"};
  CommandByName<int32_t()> left_pressed_{"GETRAWMOUSELEFTPRESSED_L_0"};
  CommandByName<int32_t()> left_released_{"GETRAWMOUSELEFTRELEASED_L_0"};
  CommandByName<int32_t()> right_state_{"GETRAWMOUSERIGHTSTATE_L_0"};
  CommandByName<int32_t()> middle_state_{"GETRAWMOUSEMIDDLESTATE_L_0"};
  CommandByName<float()> wheel_{"GETRAWMOUSEWHEELDELTA_F_0"};
  CommandByName<int32_t()> char_count_{"GETCHARBUFFERLENGTH_L_0"};
  CommandByName<int32_t()> last_char_{"GETLASTCHAR_L_0"};
  CommandByName<char*()> char_buffer_{"GETCHARBUFFER_S_0"};
};

TEST_F(Input, KeyPressLastsUntilTheEndOfTheNextSwapWhileHoldingLasts) {
  host().KeyDown(kLeft);
  EXPECT_EQ(key_pressed_(kLeft), 1);
  EXPECT_EQ(key_state_(kLeft), 1);
  EXPECT_EQ(last_key_(), kLeft);
  host().Render();  // rendering is no end of frame
  EXPECT_EQ(key_pressed_(kLeft), 1);
  host().Swap();
  EXPECT_EQ(key_pressed_(kLeft), 0);
  EXPECT_EQ(key_state_(kLeft), 1);
  host().KeyDown(kLeft);  // already held: no new press
  EXPECT_EQ(key_pressed_(kLeft), 0);
  host().KeyUp(kLeft);
  EXPECT_EQ(key_state_(kLeft), 0);
  EXPECT_EQ(last_key_(), kLeft);  // the last key stays after it is let go

  // A tap within one frame is a press of that frame even though the key is up again.
  host().KeyDown(kShift);
  host().KeyUp(kShift);
  EXPECT_EQ(key_pressed_(kShift), 1);
  EXPECT_EQ(key_state_(kShift), 0);
  EXPECT_EQ(last_key_(), kShift);
}

TEST_F(Input, KeyCodesOutsideTheTableReadAsUp) {
  host().KeyDown(300);
  host().KeyDown(-1);
  EXPECT_EQ(key_state_(300), 0);
  EXPECT_EQ(key_pressed_(-1), 0);
  EXPECT_EQ(key_state_(0), 0);
  EXPECT_EQ(last_key_(), 0);
}

TEST_F(Input, ButtonEdgesWheelAndHeldButtons) {
  host().MouseDown(0);
  host().MouseDown(1);
  host().Wheel(1.5f);
  host().Wheel(-0.5f);
  EXPECT_EQ(left_pressed_(), 1);
  EXPECT_EQ(left_released_(), 0);
  EXPECT_EQ(right_state_(), 1);
  EXPECT_EQ(middle_state_(), 0);
  EXPECT_FLOAT_EQ(wheel_(), 1.0f);
  host().Sync();
  EXPECT_EQ(left_pressed_(), 0);
  EXPECT_FLOAT_EQ(wheel_(), 0.0f);
  EXPECT_EQ(right_state_(), 1);
  host().MouseUp(0);
  host().MouseUp(1);
  host().MouseDown(2);
  EXPECT_EQ(left_released_(), 1);
  EXPECT_EQ(right_state_(), 0);
  EXPECT_EQ(middle_state_(), 1);
  host().Sync();
  EXPECT_EQ(left_released_(), 0);
  host().MouseUp(0);  // not held: no release edge
  EXPECT_EQ(left_released_(), 0);
  host().MouseDown(7);  // no such button
}

TEST_F(Input, CharactersOfTheFrameAsUtf8) {
  host().Type("a\xc3\xa9\xe2\x82\xac");  // a, e-acute, euro sign
  EXPECT_EQ(char_count_(), 3);
  EXPECT_EQ(last_char_(), 0x20AC);
  EXPECT_STREQ(char_buffer_(), "a\xc3\xa9\xe2\x82\xac");
  host().Swap();
  EXPECT_EQ(char_count_(), 0);
  EXPECT_STREQ(char_buffer_(), "");
  host().Type("\xff" "b");  // a stray byte is one replacement character
  EXPECT_EQ(char_count_(), 2);
  EXPECT_EQ(last_char_(), 'b');
  EXPECT_STREQ(char_buffer_(), "\xef\xbf\xbd" "b");
}

TEST_F(Input, MouseIsReportedInTheVirtualResolution) {
  auto* mouse_x = Command<float()>("GETRAWMOUSEX_F_0");
  auto* mouse_y = Command<float()>("GETRAWMOUSEY_F_0");
  host().MoveMouse(16, 12);  // framebuffer pixels of the 64x48 window
  EXPECT_FLOAT_EQ(mouse_x(), 16);
  EXPECT_FLOAT_EQ(mouse_y(), 12);
  Command<void(int32_t, int32_t)>("SETVIRTUALRESOLUTION_0_L_L")(128, 24);
  EXPECT_FLOAT_EQ(mouse_x(), 32);
  EXPECT_FLOAT_EQ(mouse_y(), 6);
}

}  // namespace
}  // namespace qel

namespace qel {
namespace {

TEST(WindowKeys, MapToTheVirtualKeyCodesThePlugInReads) {
  using engine::VirtualKeyOf;
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_A), 'A');
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_Z), 'Z');
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_7), '7');
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_LEFT_SHIFT), 16);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_RIGHT_SHIFT), 16);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_RIGHT_CONTROL), 17);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_BACKSPACE), 8);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_TAB), 9);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_KP_ENTER), 13);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_PAGE_UP), 33);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_HOME), 36);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_LEFT), 37);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_DOWN), 40);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_DELETE), 46);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_F1), 112);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_UNKNOWN), 0);
  EXPECT_EQ(VirtualKeyOf(GLFW_KEY_WORLD_1), 0);
}

}  // namespace
}  // namespace qel
