#include "render_targets.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "gl_state.h"
#include "pixels.h"

namespace qel::engine {

namespace {

// Drawing into an image has ended: its mipmaps follow what was drawn.
void FinishTarget(HostState& host) {
  const Image* image = host.images.Find(host.display.target_image);
  if (image && image->mipmaps) {
    KeepTextureBinding keep;
    glBindTexture(GL_TEXTURE_2D, image->texture);
    glGenerateMipmap(GL_TEXTURE_2D);
  }
}

// The depth buffer to draw with: none (0), the image's own (-1) or a depth image of the
// same size.
void AttachDepth(HostState& host, Image& image, int32_t depth_image_id) {
  const Image* depth = host.images.Find(depth_image_id);
  if (depth_image_id > 0 && depth && depth->depth && depth->width == image.width && depth->height == image.height) {
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth->texture, 0);
    return;
  }
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, 0, 0);
  if (depth_image_id != -1) {
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, 0);
    return;
  }
  if (!image.depth_buffer) {
    GLint previous = 0;
    glGetIntegerv(GL_RENDERBUFFER_BINDING, &previous);
    glGenRenderbuffers(1, &image.depth_buffer);
    glBindRenderbuffer(GL_RENDERBUFFER, image.depth_buffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, image.width, image.height);
    glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(previous));
  }
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, image.depth_buffer);
}

}  // namespace

void DeviceSize(const HostState& host, int& width, int& height) {
  width = host.config.width;
  height = host.config.height;
  if (host.window) glfwGetFramebufferSize(host.window, &width, &height);
}

void TargetSize(const HostState& host, int& width, int& height) {
  if (const Image* image = host.images.Find(host.display.target_image)) {
    width = image->width;
    height = image->height;
    return;
  }
  DeviceSize(host, width, height);
}

bool BindRenderImage(HostState& host, int32_t image_id, int32_t depth_image_id) {
  Image* image = host.images.Find(image_id);
  if (!image || !image->texture || image->depth) return false;
  const int32_t previous = host.display.target_image;
  FinishTarget(host);
  if (!image->framebuffer) {
    glGenFramebuffers(1, &image->framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, image->framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, image->texture, 0);
  }
  glBindFramebuffer(GL_FRAMEBUFFER, image->framebuffer);
  AttachDepth(host, *image, depth_image_id);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    // Back to where drawing went before.
    const Image* before = host.images.Find(previous);
    if (before && before->framebuffer && previous != image_id) {
      glBindFramebuffer(GL_FRAMEBUFFER, before->framebuffer);
      glViewport(0, 0, before->width, before->height);
    } else {
      host.display.target_image = 0;
      BindScreen(host);
    }
    return false;
  }
  // A loaded image drawn into is from now on a rendered one, top row last.
  image->rendered = true;
  host.display.target_image = image_id;
  glViewport(0, 0, image->width, image->height);
  return true;
}

void BindScreen(HostState& host) {
  FinishTarget(host);
  host.display.target_image = 0;
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  int width = 0, height = 0;
  DeviceSize(host, width, height);
  glViewport(0, 0, width, height);
}

void ClearTarget(HostState& host) {
  const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
  GLboolean color_mask[4] = {GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE};
  GLboolean depth_mask = GL_TRUE;
  glGetBooleanv(GL_COLOR_WRITEMASK, color_mask);
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depth_mask);
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthMask(GL_TRUE);
  // Alpha 0: a cleared render image shows the scene behind it wherever nothing is drawn.
  glClearColor(host.display.clear_red, host.display.clear_green, host.display.clear_blue, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColorMask(color_mask[0], color_mask[1], color_mask[2], color_mask[3]);
  glDepthMask(depth_mask);
  if (scissor) glEnable(GL_SCISSOR_TEST);
}

Pixels ReadBackBuffer(const HostState& host) {
  Pixels pixels;
  int width = 0, height = 0;
  DeviceSize(host, width, height);
  if (width <= 0 || height <= 0) return pixels;
  KeepFramebufferBinding keep_framebuffers;
  KeepPixelStore keep_store;
  GLint read_buffer = GL_BACK;
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  glGetIntegerv(GL_READ_BUFFER, &read_buffer);
  glReadBuffer(GL_BACK);
  pixels.width = width;
  pixels.height = height;
  pixels.rgba.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.rgba.data());
  glReadBuffer(static_cast<GLenum>(read_buffer));
  FlipRows(pixels);
  // A presented frame is opaque, whatever alpha the drawing left in the back buffer.
  for (size_t i = 3; i < pixels.rgba.size(); i += 4) pixels.rgba[i] = 255;
  return pixels;
}

}  // namespace qel::engine
