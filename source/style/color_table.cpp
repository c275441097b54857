// The colour-table exports and the texts they read the table back as.
#include "style/color_table.h"

#include <cinttypes>
#include <cstdio>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "nuklear/nuklear_defaults.h"

namespace qel {

void BeginColorTable(ColorTableBuilder& table, bool defaults) {
  table.colors.fill(nk_color{0, 0, 0, 0});
  if (defaults) qel_nk_default_color_table(table.colors.data());
  table.begun = true;
}

std::string ColorTableNumbers(const ColorTableBuilder& table) {
  std::string text;
  if (!table.begun) return text;
  for (const struct nk_color& color : table.colors) {
    if (!text.empty()) text += ';';
    text += std::to_string(static_cast<uint32_t>(PackColor(color)));
  }
  return text;
}

std::string ColorTableTags(const ColorTableBuilder& table) {
  std::string text;
  if (!table.begun) return text;
  for (int32_t slot = 0; slot < kColorSlotCount; ++slot) {
    char hex[9];
    nk_color_hex_rgba(hex, table.colors[static_cast<size_t>(slot)]);
    text += "<styleitem name=\"";
    text += ColorSlotName(slot);
    text += "\" color=\"0x";
    text += hex;
    text += "\" />\n";
  }
  return text;
}

namespace {

ColorTableBuilder& Table() { return State().style.color_table; }

// Pushing and applying need a begun table.
bool TableIsBegun() {
  if (Table().begun) return true;
  QEL_LOG(ColorTableWrongCount);
  return false;
}

char* TextResult(const std::string& text) { return HostString(text.data(), text.size()); }

}  // namespace
}  // namespace qel

using namespace qel;

void StyleColorTableBegin(int32_t start) { BeginColorTable(Table(), start != 0); }

void StyleColorTablePush(int32_t slot, int32_t color) {
  if (!TableIsBegun()) return;
  // Unsigned, so that a negative slot is outside as well.
  if (static_cast<uint32_t>(slot) >= static_cast<uint32_t>(kColorSlotCount)) {
    QEL_LOG(ColorTableSlotOutOfBounds, slot);
    return;
  }
  Table().colors[static_cast<size_t>(slot)] = UnpackColor(color);
}

void StyleColorTableEnd() {
  if (!TableIsBegun()) return;
  if (nk_context* ctx = Context()) nk_style_from_table(ctx, Table().colors.data());
}

char* StyleGetColorTable() { return TextResult(ColorTableNumbers(Table())); }

char* StyleGetColorTableTags() { return TextResult(ColorTableTags(Table())); }
