// Named style items: a flat colour, an image region or a nine-slice region, made once and
// then named by widget properties, style documents and cursors.
#pragma once

#include <cstdint>
#include <string>

#include "frame/named_table.h"
#include "nuklear_config.h"

namespace qel {

// The size of an item in the 32-bit layout scripts lay memory blocks out by: a 32-bit type,
// then 32 bytes of colour, image or nine-slice. Native items differ on 64-bit builds.
inline constexpr int32_t kStyleItemBytes = 36;

// Items by name. Nothing removes entries.
using StyleItemTable = NamedTable<struct nk_style_item>;

StyleItemTable& StyleItems();

// The item of that name, or null (also for a null name). No message: callers log their own.
const struct nk_style_item* FindStyleItem(const char* name);

}  // namespace qel
