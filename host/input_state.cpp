#include "input_state.h"

namespace qel::engine {

void InputState::Press(Switch& s) {
  if (!s.held) s.pressed = true;  // a key already held (auto-repeat) is no new press
  s.held = true;
}

void InputState::Release(Switch& s) {
  if (s.held) s.released = true;
  s.held = false;
}

void InputState::KeyDown(int vk) {
  if (!ValidKey(vk)) return;
  if (!keys_[vk].held) last_key_ = vk;
  Press(keys_[vk]);
}

void InputState::KeyUp(int vk) {
  if (ValidKey(vk)) Release(keys_[vk]);
}

void InputState::ButtonDown(int button) {
  if (ValidButton(button)) Press(buttons_[button]);
}

void InputState::ButtonUp(int button) {
  if (ValidButton(button)) Release(buttons_[button]);
}

void InputState::Type(uint32_t code_point) {
  if (code_point == 0) return;
  typed_.push_back(code_point);
  last_char_ = code_point;
}

void InputState::EndFrame() {
  for (Switch& s : keys_) s.pressed = s.released = false;
  for (Switch& s : buttons_) s.pressed = s.released = false;
  wheel_ = 0;
  typed_.clear();
}

}  // namespace qel::engine
