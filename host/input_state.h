// Raw input as the engine keeps it: what is held, and the edges of this frame (keys and
// buttons that went down or up, wheel movement, characters typed). Edges gather from the
// moment they happen until EndFrame, which the engine calls at the end of Swap.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace qel::engine {

class InputState {
 public:
  static constexpr int kKeys = 256;     // Windows virtual-key codes
  static constexpr int kButtons = 3;    // 0 left, 1 right, 2 middle

  void KeyDown(int vk);
  void KeyUp(int vk);
  void MoveMouse(float x, float y) { mouse_x_ = x, mouse_y_ = y; }
  void ButtonDown(int button);
  void ButtonUp(int button);
  void Wheel(float delta) { wheel_ += delta; }
  void Type(uint32_t code_point);
  void EndFrame();

  bool KeyHeld(int vk) const { return ValidKey(vk) && keys_[vk].held; }
  bool KeyPressed(int vk) const { return ValidKey(vk) && keys_[vk].pressed; }
  bool KeyReleased(int vk) const { return ValidKey(vk) && keys_[vk].released; }
  int LastKey() const { return last_key_; }
  float mouse_x() const { return mouse_x_; }   // framebuffer pixels
  float mouse_y() const { return mouse_y_; }
  bool ButtonHeld(int b) const { return ValidButton(b) && buttons_[b].held; }
  bool ButtonPressed(int b) const { return ValidButton(b) && buttons_[b].pressed; }
  bool ButtonReleased(int b) const { return ValidButton(b) && buttons_[b].released; }
  float wheel() const { return wheel_; }
  const std::vector<uint32_t>& typed() const { return typed_; }  // this frame, in order
  uint32_t last_char() const { return last_char_; }              // the last one ever typed

 private:
  struct Switch {
    bool held = false, pressed = false, released = false;
  };
  static bool ValidKey(int vk) { return vk > 0 && vk < kKeys; }
  static bool ValidButton(int b) { return b >= 0 && b < kButtons; }
  static void Press(Switch& s);
  static void Release(Switch& s);

  std::array<Switch, kKeys> keys_{};
  std::array<Switch, kButtons> buttons_{};
  int last_key_ = 0;
  float mouse_x_ = 0, mouse_y_ = 0, wheel_ = 0;
  std::vector<uint32_t> typed_;
  uint32_t last_char_ = 0;
};

}  // namespace qel::engine
