#include "images.h"

#include <algorithm>

#include "gl_state.h"
#include "image_files.h"
#include "pixels.h"

namespace qel::engine {

namespace {

int MaxTextureSize() {
  GLint size = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
  return size > 0 ? size : 4096;
}

uint8_t Channel(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

void SetSampling(bool mipmaps) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmaps ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

// Black pixels become fully transparent: the engine's way of keying out a black background.
void KeyOutBlack(Pixels& pixels) {
  for (size_t i = 0; i + 3 < pixels.rgba.size(); i += 4)
    if (pixels.rgba[i] == 0 && pixels.rgba[i + 1] == 0 && pixels.rgba[i + 2] == 0) pixels.rgba[i + 3] = 0;
}

}  // namespace

bool Images::FromPixels(const Pixels& pixels, Image& image) {
  const int max = MaxTextureSize();
  if (pixels.width <= 0 || pixels.height <= 0 || pixels.width > max || pixels.height > max) return false;
  KeepTextureBinding keep_texture;
  KeepPixelStore keep_store;
  glGenTextures(1, &image.texture);
  glBindTexture(GL_TEXTURE_2D, image.texture);
  SetSampling(false);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, pixels.width, pixels.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               pixels.rgba.data());
  image.width = pixels.width;
  image.height = pixels.height;
  return true;
}

void Images::Release(Image& image) {
  if (image.framebuffer) glDeleteFramebuffers(1, &image.framebuffer);
  if (image.depth_buffer) glDeleteRenderbuffers(1, &image.depth_buffer);
  if (image.texture) glDeleteTextures(1, &image.texture);
  image = Image{};
}

void Images::ReleaseAll() {
  for (auto& [id, image] : table_.items()) Release(image);
  table_.items().clear();
}

int32_t Images::CreateColor(int r, int g, int b, int a) {
  Pixels pixels;
  pixels.width = pixels.height = 1;
  pixels.rgba = {Channel(r), Channel(g), Channel(b), Channel(a)};
  Image image;
  if (!FromPixels(pixels, image)) return 0;
  const int32_t id = table_.Add(image);
  if (!id) Release(image);
  return id;
}

int32_t Images::CreateRenderImage(int width, int height, int format, int mipmap) {
  const int max = MaxTextureSize();
  if (width <= 0 || height <= 0 || width > max || height > max) return 0;
  Image image;
  image.rendered = true;
  image.depth = format == 1;
  image.mipmaps = !image.depth && mipmap != 0;
  image.width = width;
  image.height = height;
  KeepTextureBinding keep_texture;
  KeepPixelStore keep_store;
  glGenTextures(1, &image.texture);
  glBindTexture(GL_TEXTURE_2D, image.texture);
  if (image.depth) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, width, height, 0, GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
  } else {
    // Starts fully transparent, so an image shown before anything is drawn into it hides nothing.
    const std::vector<uint8_t> clear(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0);
    SetSampling(image.mipmaps);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, clear.data());
    if (image.mipmaps) glGenerateMipmap(GL_TEXTURE_2D);
  }
  const int32_t id = table_.Add(image);
  if (!id) Release(image);
  return id;
}

int32_t Images::Load(const std::string& path, bool black_to_alpha) {
  Pixels pixels;
  if (!DecodeImageFile(path, pixels)) return 0;
  if (black_to_alpha) KeyOutBlack(pixels);
  Image image;
  if (!FromPixels(pixels, image)) return 0;
  const int32_t id = table_.Add(image);
  if (!id) Release(image);
  return id;
}

bool Images::LoadInto(int32_t id, const std::string& path, bool black_to_alpha) {
  if (id <= 0) return false;
  Pixels pixels;
  if (!DecodeImageFile(path, pixels)) return false;  // a failed load leaves the old image
  if (black_to_alpha) KeyOutBlack(pixels);
  Image image;
  if (!FromPixels(pixels, image)) return false;
  if (Image* old = table_.Find(id)) Release(*old);
  table_.Put(id, image);
  return true;
}

bool Images::Read(int32_t id, Pixels& out) const {
  const Image* image = table_.Find(id);
  if (!image || !image->texture) return false;
  KeepTextureBinding keep_texture;
  KeepPixelStore keep_store;
  glBindTexture(GL_TEXTURE_2D, image->texture);
  const size_t count = static_cast<size_t>(image->width) * static_cast<size_t>(image->height);
  out.width = image->width;
  out.height = image->height;
  out.rgba.assign(count * 4, 0);
  if (image->depth) {
    // Depth as grey: near is black, far is white.
    std::vector<float> depth(count);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    for (size_t i = 0; i < count; ++i) {
      const auto grey = static_cast<uint8_t>(std::clamp(depth[i], 0.0f, 1.0f) * 255.0f + 0.5f);
      out.rgba[i * 4] = out.rgba[i * 4 + 1] = out.rgba[i * 4 + 2] = grey;
      out.rgba[i * 4 + 3] = 255;
    }
  } else {
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, out.rgba.data());
  }
  if (image->rendered) FlipRows(out);
  return true;
}

}  // namespace qel::engine
