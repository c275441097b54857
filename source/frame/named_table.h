// A table of values by name (compared byte-wise, case-sensitive) that scripts fill and
// nothing empties: named images, named style items.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace qel {

template <class Value>
class NamedTable {
 public:
  bool Contains(const std::string& name) const { return entries_.count(name) != 0; }
  const Value* Find(const std::string& name) const {
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
  }
  // Inserts or replaces, silently (callers decide whether a replacement is worth a warning);
  // returns the number of entries.
  int32_t Put(const std::string& name, const Value& value) {
    entries_[name] = value;
    return Count();
  }
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
  // Entries in name order, for lookups by value.
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  std::map<std::string, Value> entries_;
};

}  // namespace qel
