// The Host: window and GL context, the live-host pointer the commands use, command lookup
// and plug-in loading, and the C++ face of the engine for programs and tests.
#include "qelhost.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "command_table.h"
#include "engine_frame.h"
#include "host_state.h"
#include "plugin_library.h"
#include "render_targets.h"
#include "text.h"
#include "window_input.h"

namespace qel {

namespace engine {

namespace {
HostState* g_live_host = nullptr;
}  // namespace

HostState* LiveHost() { return g_live_host; }
void SetLiveHost(HostState* state) { g_live_host = state; }

}  // namespace engine

namespace {

void ReportGlfwError(int code, const char* description) {
  std::fprintf(stderr, "qelhost: GLFW error %d: %s\n", code, description);
}

// Makes the window and its GL 3.3 core context, current on this thread.
GLFWwindow* OpenWindow(const HostConfig& config) {
  glfwSetErrorCallback(ReportGlfwError);
  // An X server that is starting or resetting refuses connections for a moment: try a few times.
  bool started = glfwInit();
  for (int attempt = 1; !started && attempt < 5; ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    started = glfwInit();
  }
  if (!started) return nullptr;
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
  glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
  glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
  glfwWindowHint(GLFW_VISIBLE, config.visible ? GLFW_TRUE : GLFW_FALSE);
  glfwWindowHint(GLFW_RESIZABLE, config.visible ? GLFW_TRUE : GLFW_FALSE);
  glfwWindowHint(GLFW_DEPTH_BITS, 24);
  glfwWindowHint(GLFW_SAMPLES, 0);
  GLFWwindow* window = glfwCreateWindow(config.width, config.height, "qelhost", nullptr, nullptr);
  if (!window) {
    glfwTerminate();
    return nullptr;
  }
  glfwMakeContextCurrent(window);
  return window;
}

}  // namespace

Host::Host(const HostConfig& config) : state_(std::make_unique<engine::HostState>(config)) {
  if (engine::LiveHost()) {
    std::fprintf(stderr, "qelhost: another Host is alive; only one may run in a process\n");
    return;
  }
  if (config.width <= 0 || config.height <= 0) {
    std::fprintf(stderr, "qelhost: the window size %dx%d is not usable\n", config.width, config.height);
    return;
  }
  engine::SetLiveHost(state_.get());
  engine::HostState& host = *state_;
  host.window = OpenWindow(config);
  if (!host.window) {
    std::fprintf(stderr, "qelhost: no window with a GL 3.3 core context (is there an X display?)\n");
    return;
  }
  glewExperimental = GL_TRUE;
  const GLenum glew = glewInit();
  if (glew != GLEW_OK) {
    std::fprintf(stderr, "qelhost: GLEW does not start: %s\n", reinterpret_cast<const char*>(glewGetErrorString(glew)));
    return;
  }
  while (glGetError() != GL_NO_ERROR) {
  }  // glewInit leaves an error behind on core contexts
  glfwSwapInterval(config.visible ? 1 : 0);
  if (!host.renderer.Init()) {
    std::fprintf(stderr, "qelhost: the scene renderer does not start\n");
    return;
  }
  engine::DeviceSize(host, host.display.virtual_width, host.display.virtual_height);
  engine::BindScreen(host);
  if (config.visible) engine::ConnectWindowInput(host.window, &host.input);
  host.ready = true;
}

Host::~Host() {
  if (engine::LiveHost() != state_.get()) return;  // never became the live host
  engine::HostState& host = *state_;
  if (host.window) {
    glfwMakeContextCurrent(host.window);
    host.renderer.Release();
    host.images.ReleaseAll();
    glfwDestroyWindow(host.window);
    glfwTerminate();
  }
  host.ready = false;
  engine::SetLiveHost(nullptr);
  // The plug-in stays loaded: it keeps process-wide state and may hold pointers into itself
  // that other code still uses; its commands now answer neutrally.
}

bool Host::ok() const { return state_->ready; }

void* Host::Lookup(const char* name) {
  engine::HostState* host = engine::LiveHost();
  if (!host || !host->ready || !name || host->removed_commands.count(name)) return nullptr;
  return engine::FindCommand(name);
}

void Host::RemoveCommand(const std::string& name) { state_->removed_commands.insert(name); }

bool Host::LoadPlugin(const std::string& library_path) {
  if (!ok()) {
    std::fprintf(stderr, "qelhost: cannot load a plug-in without a running host\n");
    return false;
  }
  std::string error;
  void* library = engine::OpenPluginLibrary(library_path, error);
  if (!library) {
    std::fprintf(stderr, "qelhost: cannot load %s: %s\n", library_path.c_str(), error.c_str());
    return false;
  }
  using Receive = void (*)(void* (*)(const char*));
  auto receive = reinterpret_cast<Receive>(engine::PluginLibrarySymbol(library, "ReceiveQELPtr"));
  if (!receive) {
    std::fprintf(stderr, "qelhost: %s has no ReceiveQELPtr export\n", library_path.c_str());
    engine::ClosePluginLibrary(library);
    return false;
  }
  plugin_ = library;
  receive(&Host::Lookup);
  return true;
}

void* Host::Symbol(const char* name) const { return engine::PluginLibrarySymbol(plugin_, name); }

void Host::Update(float dt) {
  if (ok()) engine::UpdateFrame(*state_, dt);
}

void Host::Render() {
  if (ok()) engine::RenderFrame(*state_);
}

void Host::Swap() {
  if (ok()) engine::SwapFrame(*state_);
}

void Host::Sync() {
  Update(0);
  Render();
  Swap();
}

void Host::MoveMouse(float x, float y) { state_->input.MoveMouse(x, y); }
void Host::MouseDown(int button) { state_->input.ButtonDown(button); }
void Host::MouseUp(int button) { state_->input.ButtonUp(button); }
void Host::Wheel(float delta) { state_->input.Wheel(delta); }
void Host::KeyDown(int vk) { state_->input.KeyDown(vk); }
void Host::KeyUp(int vk) { state_->input.KeyUp(vk); }

void Host::Type(const std::string& utf8) {
  for (uint32_t point : engine::DecodeUtf8(utf8)) state_->input.Type(point);
}

void Host::SetMilliseconds(uint32_t ms) { state_->clock.SetMilliseconds(ms); }
void Host::SetFrameTime(float seconds) { state_->clock.SetFrameTime(seconds); }
uint32_t Host::Milliseconds() const { return state_->clock.Milliseconds(); }

Pixels Host::Screen() const { return state_->display.presented; }

Pixels Host::BackBuffer() const { return ok() ? engine::ReadBackBuffer(*state_) : Pixels{}; }

Pixels Host::ImagePixels(int image_id) const {
  Pixels pixels;
  if (ok()) state_->images.Read(image_id, pixels);
  return pixels;
}

void Host::RecordCalls(bool on) { state_->recording_calls = on; }
const std::vector<std::string>& Host::Calls() const { return state_->calls; }
void Host::ClearCalls() { state_->calls.clear(); }

uint8_t* Host::MemblockData(int id) {
  engine::Memblock* block = state_->memblocks.Find(id);
  return block ? block->bytes.get() : nullptr;
}

int Host::MemblockSize(int id) {
  const engine::Memblock* block = state_->memblocks.Find(id);
  return block ? block->size : 0;
}

int Host::VirtualWidth() const { return state_->display.virtual_width; }
int Host::VirtualHeight() const { return state_->display.virtual_height; }

bool Host::SpriteVisible(int sprite_id) const {
  const engine::Sprite* sprite = state_->scene.sprites.Find(sprite_id);
  return sprite && sprite->visible;
}

bool Host::ObjectVisible(int object_id) const {
  const engine::BoxObject* box = state_->scene.objects.Find(object_id);
  return box && box->visible;
}

int Host::PolygonsDrawn() const { return state_->display.polygons_drawn; }

GLFWwindow* Host::Window() const { return state_->window; }

bool Host::WindowShouldClose() const { return state_->window && glfwWindowShouldClose(state_->window); }

}  // namespace qel
