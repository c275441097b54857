#include "window_input.h"

#include <GLFW/glfw3.h>

#include "input_state.h"

namespace qel::engine {

namespace {

InputState* InputOf(GLFWwindow* window) { return static_cast<InputState*>(glfwGetWindowUserPointer(window)); }

// Both shift, control and alt keys share one virtual-key code: it is held while either is.
bool SiblingHeld(GLFWwindow* window, int glfw_key) {
  int sibling = GLFW_KEY_UNKNOWN;
  switch (glfw_key) {
    case GLFW_KEY_LEFT_SHIFT: sibling = GLFW_KEY_RIGHT_SHIFT; break;
    case GLFW_KEY_RIGHT_SHIFT: sibling = GLFW_KEY_LEFT_SHIFT; break;
    case GLFW_KEY_LEFT_CONTROL: sibling = GLFW_KEY_RIGHT_CONTROL; break;
    case GLFW_KEY_RIGHT_CONTROL: sibling = GLFW_KEY_LEFT_CONTROL; break;
    case GLFW_KEY_LEFT_ALT: sibling = GLFW_KEY_RIGHT_ALT; break;
    case GLFW_KEY_RIGHT_ALT: sibling = GLFW_KEY_LEFT_ALT; break;
    default: return false;
  }
  return glfwGetKey(window, sibling) == GLFW_PRESS;
}

void OnKey(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/) {
  const int vk = VirtualKeyOf(key);
  if (!vk || action == GLFW_REPEAT) return;
  if (action == GLFW_PRESS)
    InputOf(window)->KeyDown(vk);
  else if (!SiblingHeld(window, key))
    InputOf(window)->KeyUp(vk);
}

void OnCharacter(GLFWwindow* window, unsigned int code_point) { InputOf(window)->Type(code_point); }

void OnCursor(GLFWwindow* window, double x, double y) {
  // Window coordinates to framebuffer pixels (they differ on scaled displays).
  int window_width = 0, window_height = 0, pixel_width = 0, pixel_height = 0;
  glfwGetWindowSize(window, &window_width, &window_height);
  glfwGetFramebufferSize(window, &pixel_width, &pixel_height);
  const double sx = window_width > 0 ? static_cast<double>(pixel_width) / window_width : 1.0;
  const double sy = window_height > 0 ? static_cast<double>(pixel_height) / window_height : 1.0;
  InputOf(window)->MoveMouse(static_cast<float>(x * sx), static_cast<float>(y * sy));
}

void OnButton(GLFWwindow* window, int button, int action, int /*mods*/) {
  const int engine_button = button == GLFW_MOUSE_BUTTON_LEFT     ? 0
                            : button == GLFW_MOUSE_BUTTON_RIGHT  ? 1
                            : button == GLFW_MOUSE_BUTTON_MIDDLE ? 2
                                                                 : -1;
  if (engine_button < 0) return;
  if (action == GLFW_PRESS)
    InputOf(window)->ButtonDown(engine_button);
  else
    InputOf(window)->ButtonUp(engine_button);
}

void OnScroll(GLFWwindow* window, double /*x*/, double y) { InputOf(window)->Wheel(static_cast<float>(y)); }

}  // namespace

int VirtualKeyOf(int key) {
  // Letters, digits and space have the same numbers in both.
  if ((key >= GLFW_KEY_A && key <= GLFW_KEY_Z) || (key >= GLFW_KEY_0 && key <= GLFW_KEY_9) || key == GLFW_KEY_SPACE)
    return key;
  if (key >= GLFW_KEY_F1 && key <= GLFW_KEY_F24) return 0x70 + (key - GLFW_KEY_F1);
  if (key >= GLFW_KEY_KP_0 && key <= GLFW_KEY_KP_9) return 0x60 + (key - GLFW_KEY_KP_0);
  switch (key) {
    case GLFW_KEY_BACKSPACE: return 8;
    case GLFW_KEY_TAB: return 9;
    case GLFW_KEY_ENTER: case GLFW_KEY_KP_ENTER: return 13;
    case GLFW_KEY_LEFT_SHIFT: case GLFW_KEY_RIGHT_SHIFT: return 16;
    case GLFW_KEY_LEFT_CONTROL: case GLFW_KEY_RIGHT_CONTROL: return 17;
    case GLFW_KEY_LEFT_ALT: case GLFW_KEY_RIGHT_ALT: return 18;
    case GLFW_KEY_PAUSE: return 19;
    case GLFW_KEY_CAPS_LOCK: return 20;
    case GLFW_KEY_ESCAPE: return 27;
    case GLFW_KEY_PAGE_UP: return 33;
    case GLFW_KEY_PAGE_DOWN: return 34;
    case GLFW_KEY_END: return 35;
    case GLFW_KEY_HOME: return 36;
    case GLFW_KEY_LEFT: return 37;
    case GLFW_KEY_UP: return 38;
    case GLFW_KEY_RIGHT: return 39;
    case GLFW_KEY_DOWN: return 40;
    case GLFW_KEY_PRINT_SCREEN: return 44;
    case GLFW_KEY_INSERT: return 45;
    case GLFW_KEY_DELETE: return 46;
    case GLFW_KEY_LEFT_SUPER: return 91;
    case GLFW_KEY_RIGHT_SUPER: return 92;
    case GLFW_KEY_MENU: return 93;
    case GLFW_KEY_KP_MULTIPLY: return 106;
    case GLFW_KEY_KP_ADD: return 107;
    case GLFW_KEY_KP_SUBTRACT: return 109;
    case GLFW_KEY_KP_DECIMAL: return 110;
    case GLFW_KEY_KP_DIVIDE: return 111;
    case GLFW_KEY_NUM_LOCK: return 144;
    case GLFW_KEY_SCROLL_LOCK: return 145;
    case GLFW_KEY_SEMICOLON: return 186;
    case GLFW_KEY_EQUAL: return 187;
    case GLFW_KEY_COMMA: return 188;
    case GLFW_KEY_MINUS: return 189;
    case GLFW_KEY_PERIOD: return 190;
    case GLFW_KEY_SLASH: return 191;
    case GLFW_KEY_GRAVE_ACCENT: return 192;
    case GLFW_KEY_LEFT_BRACKET: return 219;
    case GLFW_KEY_BACKSLASH: return 220;
    case GLFW_KEY_RIGHT_BRACKET: return 221;
    case GLFW_KEY_APOSTROPHE: return 222;
    default: return 0;
  }
}

void ConnectWindowInput(GLFWwindow* window, InputState* input) {
  glfwSetWindowUserPointer(window, input);
  glfwSetKeyCallback(window, OnKey);
  glfwSetCharCallback(window, OnCharacter);
  glfwSetCursorPosCallback(window, OnCursor);
  glfwSetMouseButtonCallback(window, OnButton);
  glfwSetScrollCallback(window, OnScroll);
}

}  // namespace qel::engine
