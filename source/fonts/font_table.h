// Fonts by id: every font the script registered, TrueType fonts of the atlas and host-image
// fonts alike, as the nk_user_font the style system and the canvas draw with.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "nuklear_config.h"

namespace qel {

struct FontTable {
  std::map<std::string, const nk_user_font*> fonts;
  std::vector<std::string> order;  // ids in the order they were registered

  bool Has(const std::string& id) const { return fonts.count(id) != 0; }
  const nk_user_font* Find(const std::string& id) const {
    auto it = fonts.find(id);
    return it == fonts.end() ? nullptr : it->second;
  }
  // Entries are never replaced: registering a taken id does nothing and answers false.
  bool Register(const std::string& id, const nk_user_font* font) {
    if (!font || Has(id)) return false;
    fonts.emplace(id, font);
    order.push_back(id);
    return true;
  }
};

FontTable& Fonts();

}  // namespace qel
