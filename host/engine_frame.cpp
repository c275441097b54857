#include "engine_frame.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "render_targets.h"

namespace qel::engine {

void UpdateFrame(HostState& host, float seconds) {
  // Sprites and boxes here have no animation, tweening or physics: their state is exactly
  // what the commands set, so an update has nothing to advance.
  (void)host;
  (void)seconds;
}

void RenderFrame(HostState& host) {
  ClearTarget(host);
  DrawTarget target;
  TargetSize(host, target.width, target.height);
  target.virtual_width = host.display.virtual_width;
  target.virtual_height = host.display.virtual_height;
  host.display.polygons_drawn = host.renderer.Draw(host.scene, host.images, target);
}

void SwapFrame(HostState& host) {
  if (!host.window) return;
  if (host.config.capture_frames) host.display.presented = ReadBackBuffer(host);
  glfwSwapBuffers(host.window);
  host.input.EndFrame();
  host.strings.EndFrame();
  glfwPollEvents();
  host.clock.EndFrame();
}

}  // namespace qel::engine
