// Real input from a GLFW window into the engine's input state: keys as Windows
// virtual-key codes, the cursor in framebuffer pixels, buttons, wheel and characters.
#pragma once

struct GLFWwindow;

namespace qel::engine {

class InputState;

int VirtualKeyOf(int glfw_key);  // 0 for keys without a virtual-key code
void ConnectWindowInput(GLFWwindow* window, InputState* input);

}  // namespace qel::engine
