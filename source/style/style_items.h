// Named style items: a flat colour, an image region or a nine-slice region, made once and
// then named by widget properties, style documents and cursors.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "nuklear_config.h"

namespace qel {

// The size of an item in the 32-bit layout scripts lay memory blocks out by: a 32-bit type,
// then 32 bytes of colour, image or nine-slice. Native items differ on 64-bit builds.
inline constexpr int32_t kStyleItemBytes = 36;

// Items by name (byte-wise, case-sensitive). Nothing removes entries.
class StyleItemTable {
 public:
  bool Contains(const std::string& name) const { return items_.count(name) != 0; }
  const struct nk_style_item* Find(const std::string& name) const;
  // Inserts or replaces, silently: callers decide whether a replacement is worth a warning.
  void Put(const std::string& name, const struct nk_style_item& item);
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }

 private:
  std::map<std::string, struct nk_style_item> items_;
};

StyleItemTable& StyleItems();

// The item of that name, or null (also for a null name). No message: callers log their own.
const struct nk_style_item* FindStyleItem(const char* name);

}  // namespace qel
