#include "fuzz_support.h"

#include <cstdio>
#include <cstring>

#include "frame/logger.h"
#include "frame/plugin_state.h"

namespace qel::fuzz {

std::string InputText(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  return std::string(text, size ? strnlen(text, size) : 0);
}

std::vector<std::string> InputParts(const uint8_t* data, size_t size, size_t count) {
  std::vector<std::string> parts;
  size_t at = 0;
  while (parts.size() < count) {
    parts.push_back(InputText(data + at, size - at));
    at = at + parts.back().size() < size ? at + parts.back().size() + 1 : size;
  }
  return parts;
}

nk_context* PluginContext() {
  RenderDevice& device = State().device;
  if (!device.initialised) {
    if (!LoggerExists(0)) {
      if (std::FILE* sink = std::fopen("/dev/null", "w")) CreateLogger(0, sink);
    }
    nk_init_default(&device.context, nullptr);
    device.initialised = true;
  }
  return &device.context;
}

void ResetStyleState() {
  nk_context* ctx = PluginContext();
  nk_style_default(ctx);
  StyleState& style = State().style;
  style.items = StyleItemTable{};
  style.widget_styles = WidgetStyleTable{};
  State().images.named = ImageTable{};
  struct nk_image sheet = nk_image_id(1);
  sheet.w = 256;
  sheet.h = 128;
  State().images.named.Put("sheet", sheet);
}

}  // namespace qel::fuzz
