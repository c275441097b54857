// Start-up, the end of each frame, and the few plug-in-wide objects the host program needs.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "device/command_list_check.h"
#include "device/render_device.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "frame/theme.h"

namespace qel {
namespace {

constexpr size_t kSyncVertexBytes = 524288;
constexpr size_t kSyncElementBytes = 131072;

void OpenLog() {
  FrameState& p = State().frame;
  // A repeated Init1 keeps writing to the open file; truncating it would lose its lines.
  if (LoggerExists(0) && p.open_log_path == p.log_path) return;
  std::FILE* file = std::fopen(p.log_path.c_str(), "w");
  if (!file) {
    std::fprintf(stderr, "Unable to open %s: %s\n", p.log_path.c_str(), std::strerror(errno));
    return;
  }
  if (LoggerExists(0)) {
    ReplaceLoggerFile(0, file);
  } else {
    CreateLogger(0, file);
  }
  if (LoggerExists(0)) p.open_log_path = p.log_path;
}

void LogMissingHostCommands() {
  if (!HostCommandsReceived()) {
    QEL_LOG(HostTableNeverReceived);
    return;
  }
  const std::vector<std::string>& missing = MissingHostCommands();
  if (missing.empty()) return;
  std::string names;
  for (const std::string& name : missing) {
    if (!names.empty()) names += ", ";
    names += name;
  }
  QEL_LOG(HostCommandsMissing, static_cast<unsigned>(missing.size()), names.c_str());
}

// A repeated Init1 gives the chosen mode's style from scratch: modes up to 0 go back to the
// library's style rather than keeping the last theme. Only style fields change; the style's
// font and cursors are left as they are.
void ApplyModeStyle(nk_context* ctx, int32_t mode, bool restart) {
  if (mode == 2) {
    ApplyThemeTable(ctx, LightThemeTable());  // starts from the library's style itself
  } else if (mode > 0) {
    ApplyThemeTable(ctx, nullptr);
  } else if (restart && ctx) {
    nk_style_default(ctx);
  }
}

struct nk_image MakePlaceholderImage() {
  HostCommandTable& host = HostCommands();
  const int32_t image = host.CREATEIMAGECOLOR_L_L_L_L_L(255, 0, 0, 255);
  struct nk_image placeholder = nk_image_id(host.GETOPENGLIMAGEID_L_L(image));
  placeholder.w = static_cast<nk_ushort>(static_cast<int>(host.GETIMAGEWIDTH_F_L(image)));
  placeholder.h = static_cast<nk_ushort>(static_cast<int>(host.GETIMAGEHEIGHT_F_L(image)));
  placeholder.region[0] = 0;
  placeholder.region[1] = 0;
  placeholder.region[2] = 65535;
  placeholder.region[3] = 65535;
  return placeholder;
}

void EndFrame(nk_anti_aliasing aa) {
  nk_context* ctx = Context();
  EndWindowLeftOpen(ctx);  // an open window's commands are unfinished
  if (CommandListEnds(ctx)) {
    DrawDevice(aa, kSyncVertexBytes, kSyncElementBytes);
  } else {
    QEL_LOG(FrameCommandsLoop);
    nk_clear(ctx);  // the frame is dropped, not drawn for ever
  }
  ResetFrameState();
}

}  // namespace

int32_t LiveInterfaceMemblock() {
  FrameState& p = State().frame;
  if (!Context()) return p.interface_memblock;
  if (HostMemblockBytes(p.interface_memblock, kInterfaceMemblockSize)) return p.interface_memblock;
  // The script deleted the block or put a smaller one under its id (a block of its own now,
  // left alone): results go to a new block rather than nowhere.
  const int32_t made = HostCommands().CREATEMEMBLOCK_L_L(kInterfaceMemblockSize);
  if (made > 0 && HostMemblockBytes(made, kInterfaceMemblockSize)) {
    QEL_LOG(InterfaceMemblockRemade, p.interface_memblock, made);
    p.interface_memblock = made;
    p.interface_block_reported = false;
    return made;
  }
  if (!p.interface_block_reported) QEL_LOG(InterfaceMemblockMissing, p.interface_memblock);
  p.interface_block_reported = true;
  return p.interface_memblock;
}

bool WriteInterfaceBytes(int32_t offset, const void* data, int32_t size) {
  if (!Context() || offset < 0 || size < 0 || static_cast<int64_t>(offset) + size > kInterfaceMemblockSize)
    return false;
  uint8_t* bytes = HostMemblockBytes(LiveInterfaceMemblock(), static_cast<int64_t>(offset) + size);
  if (!bytes) return false;
  std::memcpy(bytes + offset, data, static_cast<size_t>(size));
  return true;
}

}  // namespace qel

using namespace qel;

int32_t Init1(int32_t mode) {
  FrameState& p = State().frame;
  OpenLog();
  SetLoggerMinimumLevel(0, kLogInfo);
  QEL_LOG(PluginInitialisation);
  LogMissingHostCommands();

  // The device's context is made once; a repeated Init1 only applies its mode's style.
  const bool restart = Context() != nullptr;
  nk_context* ctx = restart ? Context() : InitialiseDevice();
  ApplyModeStyle(ctx, mode, restart);
  if (!restart) {
    p.interface_memblock = HostCommands().CREATEMEMBLOCK_L_L(kInterfaceMemblockSize);
    p.placeholder = MakePlaceholderImage();
  }
  return ctx ? 1 : 0;
}

int32_t Init0() { return Init1(0); }

void Sync() {
  HostCommandTable& host = HostCommands();
  host.UPDATE_0_F(0.0f);
  host.RENDER_0_0();
  EndFrame(NK_ANTI_ALIASING_ON);
  host.SWAP_0_0();
}

void Render(int32_t anti_aliasing) { EndFrame(anti_aliasing ? NK_ANTI_ALIASING_ON : NK_ANTI_ALIASING_OFF); }

void LogSetLocation(const char* path) {
  if (path && *path) State().frame.log_path = path;
}

void FixedVirtualResolution(int32_t flag) { Device().fixed_virtual_resolution = flag ? 1 : 0; }

int32_t GetQelRenderImage() { return Device().render_image; }

int32_t GetQelRenderSprite() { return Device().sprite; }

int32_t GetMemblockInterface() { return LiveInterfaceMemblock(); }
