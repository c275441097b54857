// A small plug-in for the host's own tests. It binds the way the real plug-in does (one
// ReceiveQELPtr call, commands resolved by name) and offers the exports the qelhost program
// calls, drawing one red square so that screenshots show it ran.
#include <cstdint>
#include <cstring>

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Commands {
  char* (*create_string)(int32_t) = nullptr;
  void (*sync)() = nullptr;
  int32_t (*create_image_color)(int32_t, int32_t, int32_t, int32_t) = nullptr;
  int32_t (*create_sprite)(int32_t) = nullptr;
  void (*set_sprite_position)(int32_t, float, float) = nullptr;
  void (*set_sprite_size)(int32_t, float, float) = nullptr;
  int32_t (*mouse_left_pressed)() = nullptr;
};

Commands g_commands;
int32_t g_missing = -1;  // commands not found in the last ReceiveQELPtr; -1 before it
int32_t g_frames = 0;
int32_t g_clicks = 0;

template <class F>
void Resolve(F& slot, void* (*lookup)(const char*), const char* name) {
  slot = reinterpret_cast<F>(lookup(name));
  if (!slot) ++g_missing;
}

}  // namespace

PROBE_EXPORT void ReceiveQELPtr(void* (*lookup)(const char*)) {
  g_missing = 0;
  Resolve(g_commands.create_string, lookup, "CREATESTRING_S_L");
  Resolve(g_commands.sync, lookup, "SYNC_0_0");
  Resolve(g_commands.create_image_color, lookup, "CREATEIMAGECOLOR_L_L_L_L_L");
  Resolve(g_commands.create_sprite, lookup, "CREATESPRITE_L_L");
  Resolve(g_commands.set_sprite_position, lookup, "SETSPRITEPOSITIONBYOFFSET_0_L_F_F");
  Resolve(g_commands.set_sprite_size, lookup, "SETSPRITESIZE_0_L_F_F");
  Resolve(g_commands.mouse_left_pressed, lookup, "GETRAWMOUSELEFTPRESSED_L_0");
}

PROBE_EXPORT int32_t ProbeMissingCommands() { return g_missing; }

// A string result made the plug-in way: a host string of length + 1, filled, handed over.
PROBE_EXPORT char* ProbeCopyText(const char* text) {
  if (!g_commands.create_string || !text) return nullptr;
  const size_t length = std::strlen(text);
  char* copy = g_commands.create_string(static_cast<int32_t>(length + 1));
  if (copy) std::memcpy(copy, text, length + 1);
  return copy;
}

PROBE_EXPORT int32_t Init1(int32_t /*mode*/) {
  if (g_missing != 0) return 0;
  const int32_t sprite = g_commands.create_sprite(g_commands.create_image_color(255, 0, 0, 255));
  g_commands.set_sprite_position(sprite, 16, 16);
  g_commands.set_sprite_size(sprite, 16, 16);
  return 1;
}

PROBE_EXPORT void HandleInput0() {
  if (g_commands.mouse_left_pressed && g_commands.mouse_left_pressed()) ++g_clicks;
}

PROBE_EXPORT void Sync() {
  ++g_frames;
  if (g_commands.sync) g_commands.sync();
}

PROBE_EXPORT int32_t ProbeFrames() { return g_frames; }
PROBE_EXPORT int32_t ProbeClicks() { return g_clicks; }
