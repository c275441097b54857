// Engine objects by integer id. Ids the engine picks itself count up from kFirstAutoId and
// are never handed out twice, so a stale id of a deleted object stays dead; ids below that
// are left to scripts, which create objects under ids of their own choosing.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <utility>

namespace qel::engine {

constexpr int32_t kFirstAutoId = 10000;

template <class T>
class IdTable {
 public:
  T* Find(int32_t id) {
    auto it = items_.find(id);
    return it == items_.end() ? nullptr : &it->second;
  }
  const T* Find(int32_t id) const {
    auto it = items_.find(id);
    return it == items_.end() ? nullptr : &it->second;
  }

  // Stores under the next free automatic id; 0 when the ids are used up.
  int32_t Add(T value) {
    while (next_ < std::numeric_limits<int32_t>::max() && items_.count(next_)) ++next_;
    if (next_ == std::numeric_limits<int32_t>::max()) return 0;
    const int32_t id = next_++;
    items_.emplace(id, std::move(value));
    return id;
  }

  // Stores under a chosen id (> 0), replacing what was there.
  T* Put(int32_t id, T value) {
    if (id <= 0) return nullptr;
    items_.erase(id);
    return &items_.emplace(id, std::move(value)).first->second;
  }

  bool Remove(int32_t id) { return items_.erase(id) > 0; }

  // In id order; elements keep their address until removed.
  std::map<int32_t, T>& items() { return items_; }
  const std::map<int32_t, T>& items() const { return items_; }

 private:
  std::map<int32_t, T> items_;
  int32_t next_ = kFirstAutoId;
};

}  // namespace qel::engine
