// Tree nodes over Nuklear's hashed pushes. Nuklear keeps each node's open state in the
// window under a hash of a key string and a seed; the counting pushes make the key from the
// title and the number of counting pushes before them in the frame, so a script need not
// invent names. The hashed pushes take the caller's key, the state pushes the caller's state.
//
// [SECTION] keys
// [SECTION] counting and id pushes
// [SECTION] hashed pushes
// [SECTION] element pushes
// [SECTION] state pushes and pop
#include <charconv>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "widgets/cell_context.h"

namespace qel {

int HashLength(const char* hash, int32_t length) {
  return length < 0 ? LabelLength(hash) : TextLength(hash, length);
}

}  // namespace qel

using namespace qel;

namespace {

// [SECTION] keys

// What Nuklear's hashed push takes as its key.
struct Key {
  const char* text;
  int length;
  int seed;
};

// title + ":" + the counter in decimal, built in storage reused frame after frame.
Key CounterKey(const char* title, int32_t counter, int32_t seed) {
  std::string& key = State().trees.key;
  key.assign(TextOrEmpty(title));
  key.push_back(':');
  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, counter);
  key.append(digits, written.ptr);
  return {key.c_str(), static_cast<int>(key.size()), seed};
}

// The key of a counting push without an id: the counter is the seed too. Counts the push.
Key Counted(const char* title) {
  const int32_t n = State().trees.frame.counter++;
  return CounterKey(title, n, n);
}

// The key of a counting push with an id as its seed. Counts the push.
Key CountedWithId(const char* title, int32_t id) { return CounterKey(title, State().trees.frame.counter++, id); }

// The caller's own key: never more bytes than the hash string holds.
Key Hashed(const char* hash, int32_t length, int32_t seed) {
  return {TextOrEmpty(hash), HashLength(hash, length), seed};
}

nk_tree_type TreeType(int32_t type) { return static_cast<nk_tree_type>(type); }
nk_collapse_states Collapse(int32_t state) { return static_cast<nk_collapse_states>(state); }

// The node itself, with or without an image, once the key is made and the image looked up.
int32_t Node(int32_t type, const struct nk_image* image, const char* title, int32_t state, const Key& key) {
  nk_context* ctx = CellContext();
  if (!ctx) return 0;
  if (image)
    return Bool(nk_tree_image_push_hashed(ctx, TreeType(type), *image, TextOrEmpty(title), Collapse(state), key.text,
                                          key.length, key.seed));
  return Bool(
      nk_tree_push_hashed(ctx, TreeType(type), TextOrEmpty(title), Collapse(state), key.text, key.length, key.seed));
}

// An element node: the selected flag is stored first, whatever happens next, and Nuklear
// toggles it there when the label is clicked.
int32_t Element(int32_t type, const struct nk_image* image, const char* title, int32_t state, const Key& key) {
  nk_context* ctx = CellContext();
  if (!ctx) return 0;
  int* selected = &State().trees.element_value;
  if (image)
    return Bool(nk_tree_element_image_push_hashed(ctx, TreeType(type), *image, TextOrEmpty(title), Collapse(state),
                                                  selected, key.text, key.length, key.seed));
  return Bool(nk_tree_element_push_hashed(ctx, TreeType(type), TextOrEmpty(title), Collapse(state), selected,
                                          key.text, key.length, key.seed));
}

void StoreSelected(int32_t selected) { State().trees.element_value = selected; }

}  // namespace

// [SECTION] counting and id pushes

int32_t TreePush(int32_t type, const char* title, int32_t state) {
  return Node(type, nullptr, title, state, Counted(title));
}

int32_t TreePushID(int32_t type, const char* title, int32_t state, int32_t id) {
  return Node(type, nullptr, title, state, CountedWithId(title, id));
}

int32_t TreeImagePush0(int32_t type, int32_t slot, const char* title, int32_t state) {
  const Key key = Counted(title);
  const struct nk_image image = LookupImageSlot(slot);
  return Node(type, &image, title, state, key);
}

int32_t TreeImagePush1(int32_t type, const char* name, const char* title, int32_t state) {
  const Key key = Counted(title);
  const struct nk_image image = LookupImageName(name);
  return Node(type, &image, title, state, key);
}

int32_t TreeImagePushID0(int32_t type, int32_t slot, const char* title, int32_t state, int32_t id) {
  const Key key = CountedWithId(title, id);
  const struct nk_image image = LookupImageSlot(slot);
  return Node(type, &image, title, state, key);
}

int32_t TreeImagePushID1(int32_t type, const char* name, const char* title, int32_t state, int32_t id) {
  const Key key = CountedWithId(title, id);
  const struct nk_image image = LookupImageName(name);
  return Node(type, &image, title, state, key);
}

// [SECTION] hashed pushes

int32_t TreePushHashed(int32_t type, const char* title, int32_t state, const char* hash, int32_t length,
                       int32_t seed) {
  return Node(type, nullptr, title, state, Hashed(hash, length, seed));
}

int32_t TreeImagePushHashed0(int32_t type, int32_t slot, const char* title, int32_t state, const char* hash,
                             int32_t length, int32_t seed) {
  const struct nk_image image = LookupImageSlot(slot);
  return Node(type, &image, title, state, Hashed(hash, length, seed));
}

int32_t TreeImagePushHashed1(int32_t type, const char* name, const char* title, int32_t state, const char* hash,
                             int32_t length, int32_t seed) {
  const struct nk_image image = LookupImageName(name);
  return Node(type, &image, title, state, Hashed(hash, length, seed));
}

// [SECTION] element pushes

int32_t TreeElementPush(int32_t type, const char* title, int32_t state, int32_t selected) {
  StoreSelected(selected);
  const int32_t n = State().trees.frame.counter++;
  return Element(type, nullptr, title, state, {TextOrEmpty(title), LabelLength(title), n});
}

// Keyed by the title and the id alone: the one id form that does not count.
int32_t TreeElementPushID(int32_t type, const char* title, int32_t state, int32_t selected, int32_t id) {
  StoreSelected(selected);
  return Element(type, nullptr, title, state, {TextOrEmpty(title), LabelLength(title), id});
}

int32_t TreeElementPushHashed(int32_t type, const char* title, int32_t state, int32_t selected, const char* hash,
                              int32_t length, int32_t seed) {
  StoreSelected(selected);
  return Element(type, nullptr, title, state, Hashed(hash, length, seed));
}

int32_t TreeElementImagePush0(int32_t type, int32_t slot, const char* title, int32_t state, int32_t selected) {
  StoreSelected(selected);
  const Key key = Counted(title);
  const struct nk_image image = LookupImageSlot(slot);
  return Element(type, &image, title, state, key);
}

int32_t TreeElementImagePush1(int32_t type, const char* name, const char* title, int32_t state, int32_t selected) {
  StoreSelected(selected);
  const Key key = Counted(title);
  const struct nk_image image = LookupImageName(name);
  return Element(type, &image, title, state, key);
}

int32_t TreeElementImagePushID0(int32_t type, int32_t slot, const char* title, int32_t state, int32_t selected,
                                int32_t id) {
  StoreSelected(selected);
  const Key key = CountedWithId(title, id);
  const struct nk_image image = LookupImageSlot(slot);
  return Element(type, &image, title, state, key);
}

int32_t TreeElementImagePushID1(int32_t type, const char* name, const char* title, int32_t state, int32_t selected,
                                int32_t id) {
  StoreSelected(selected);
  const Key key = CountedWithId(title, id);
  const struct nk_image image = LookupImageName(name);
  return Element(type, &image, title, state, key);
}

int32_t TreeElementImagePushHashed0(int32_t type, int32_t slot, const char* title, int32_t state, int32_t selected,
                                    const char* hash, int32_t length, int32_t seed) {
  StoreSelected(selected);
  const struct nk_image image = LookupImageSlot(slot);
  return Element(type, &image, title, state, Hashed(hash, length, seed));
}

int32_t TreeElementImagePushHashed1(int32_t type, const char* name, const char* title, int32_t state,
                                    int32_t selected, const char* hash, int32_t length, int32_t seed) {
  StoreSelected(selected);
  const struct nk_image image = LookupImageName(name);
  return Element(type, &image, title, state, Hashed(hash, length, seed));
}

int32_t TreeGetLastElementValue() { return State().trees.element_value; }

// [SECTION] state pushes and pop

namespace {

int32_t StateNode(int32_t type, const struct nk_image* image, const char* title, int32_t state) {
  nk_context* ctx = CellContext();
  if (!ctx) return 0;
  nk_collapse_states copy = Collapse(state);
  const int open = image ? nk_tree_state_image_push(ctx, TreeType(type), *image, TextOrEmpty(title), &copy)
                         : nk_tree_state_push(ctx, TreeType(type), TextOrEmpty(title), &copy);
  return Bool(open);
}

}  // namespace

int32_t TreeStatePush(int32_t type, const char* title, int32_t state) {
  return StateNode(type, nullptr, title, state);
}

int32_t TreeStateImagePush0(int32_t type, int32_t slot, const char* title, int32_t state) {
  const struct nk_image image = LookupImageSlot(slot);
  return StateNode(type, &image, title, state);
}

int32_t TreeStateImagePush1(int32_t type, const char* name, const char* title, int32_t state) {
  const struct nk_image image = LookupImageName(name);
  return StateNode(type, &image, title, state);
}

// A pop with no node open would move the panel's rows left of its content and wrap the
// panel's depth count; it does nothing instead.
void TreeStatePop() {
  nk_context* ctx = WidgetContext();
  if (!ctx || ctx->current->layout->row.tree_depth == 0) return;
  nk_tree_state_pop(ctx);
}
