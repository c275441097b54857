// The memory-block codec of widget style structures.
//
// [SECTION] style items
// [SECTION] integer ranges
// [SECTION] structures
#include "style/style_block_codec.h"

#include <cstring>
#include <string>

#include "device/symbols.h"
#include "frame/boundary.h"
#include "frame/log_messages.h"
#include "style/memblock_layout.h"

namespace qel {
namespace {

constexpr nk_flags kTextAlignmentBits = NK_TEXT_ALIGN_LEFT | NK_TEXT_ALIGN_CENTERED | NK_TEXT_ALIGN_RIGHT |
                                        NK_TEXT_ALIGN_TOP | NK_TEXT_ALIGN_MIDDLE | NK_TEXT_ALIGN_BOTTOM;

void EncodeImage(const struct nk_image& image, uint8_t* out) {
  StoreU32(out + kItemData, static_cast<uint32_t>(image.handle.id));
  StoreU16(out + kItemImageSize, image.w);
  StoreU16(out + kItemImageSize + 2, image.h);
  for (int i = 0; i < 4; ++i) StoreU16(out + kItemRegion + 2 * i, image.region[i]);
}

struct nk_image DecodeImage(const uint8_t* in) {
  struct nk_image image = nk_image_id(static_cast<int>(LoadU32(in + kItemData)));
  image.w = LoadU16(in + kItemImageSize);
  image.h = LoadU16(in + kItemImageSize + 2);
  for (int i = 0; i < 4; ++i) image.region[i] = LoadU16(in + kItemRegion + 2 * i);
  return image;
}

// A block's image, or the missing image when its id names no texture the plug-in knows: a
// script may write any number there, and a stale or made-up id must never reach the GPU.
struct nk_image KnownImage(const uint8_t* in, const StyleBlockSource& source, const std::string& path) {
  const struct nk_image image = DecodeImage(in);
  const uint32_t id = LoadU32(in + kItemData);
  if (source.known_texture && source.known_texture(id)) return image;
  QEL_LOG(StyleMemblockImageUnknown, source.memblock, path.c_str(), id);
  return source.missing_image;
}

// A nine-slice border within 0 to `limit`, as the item makes keep it; else none.
float SliceBorder(float border, nk_ushort limit) {
  return border >= 0.0f && border <= static_cast<float>(limit) ? border : 0.0f;
}

// The item at `in`, over `item`; an unknown type leaves `item` as it was.
void DecodeItem(const uint8_t* in, struct nk_style_item& item, const StyleBlockSource& source,
                const std::string& path) {
  const int32_t type = static_cast<int32_t>(LoadU32(in + kItemType));
  switch (type) {
    case NK_STYLE_ITEM_COLOR:
      item = nk_style_item_color(nk_rgba(in[kItemData], in[kItemData + 1], in[kItemData + 2], in[kItemData + 3]));
      return;
    case NK_STYLE_ITEM_IMAGE:
      item = nk_style_item_image(KnownImage(in, source, path));
      return;
    case NK_STYLE_ITEM_NINE_SLICE: {
      struct nk_nine_slice slice;
      std::memset(&slice, 0, sizeof slice);
      slice.img = KnownImage(in, source, path);
      slice.l = SliceBorder(LoadF32(in + kItemBorders), slice.img.w);
      slice.t = SliceBorder(LoadF32(in + kItemBorders + 4), slice.img.h);
      slice.r = SliceBorder(LoadF32(in + kItemBorders + 8), slice.img.w);
      slice.b = SliceBorder(LoadF32(in + kItemBorders + 12), slice.img.h);
      item = nk_style_item_nine_slice(slice);
      return;
    }
    default:
      QEL_LOG(StyleMemblockValueOutOfRange, source.memblock, path.c_str(), type);
      return;
  }
}

// [SECTION] integer ranges

bool InRange(IntRange range, int32_t value) {
  switch (range) {
    case IntRange::kTextAlignment: return (static_cast<uint32_t>(value) & ~kTextAlignmentBits) == 0;
    case IntRange::kSymbol: return value >= 0 && SymbolNumber(value) < kSymbolCount;
    case IntRange::kBoolean: return value == 0 || value == 1;
    case IntRange::kHeaderAlignment: return value == NK_HEADER_LEFT || value == NK_HEADER_RIGHT;
    case IntRange::kUnknown: return false;
  }
  return false;
}

// [SECTION] structures

std::string PathOf(const std::string& prefix, const char* member) {
  return prefix.empty() ? std::string(member) : prefix + "." + member;
}

void EncodeFields(const FieldTable& table, const void* native, uint8_t* out) {
  for (const StyleField& field : table) {
    uint8_t* at = out + field.block_offset;
    const void* from = NativeField(native, field);
    switch (field.kind) {
      case FieldKind::kItem:
        EncodeStyleItem(*static_cast<const struct nk_style_item*>(from), at);
        break;
      case FieldKind::kColor:
        std::memcpy(at, from, 4);  // r, g, b, a bytes in both layouts
        break;
      case FieldKind::kVec2: {
        const auto* vec = static_cast<const struct nk_vec2*>(from);
        StoreF32(at, vec->x);
        StoreF32(at + 4, vec->y);
        break;
      }
      case FieldKind::kInt: {
        int32_t value;
        std::memcpy(&value, from, sizeof value);
        StoreU32(at, static_cast<uint32_t>(value));
        break;
      }
      case FieldKind::kFloat:
        StoreF32(at, *static_cast<const float*>(from));
        break;
      case FieldKind::kSlot:
        StoreU32(at, 0);
        break;
      case FieldKind::kNested:
        EncodeFields(*field.nested, from, at);
        break;
    }
  }
}

void DecodeFields(const FieldTable& table, const uint8_t* in, void* native, const StyleBlockSource& source,
                  const std::string& prefix) {
  for (const StyleField& field : table) {
    const uint8_t* at = in + field.block_offset;
    void* to = NativeField(native, field);
    switch (field.kind) {
      case FieldKind::kItem:
        DecodeItem(at, *static_cast<struct nk_style_item*>(to), source, PathOf(prefix, field.member));
        break;
      case FieldKind::kColor:
        std::memcpy(to, at, 4);
        break;
      case FieldKind::kVec2:
        *static_cast<struct nk_vec2*>(to) = nk_vec2(LoadF32(at), LoadF32(at + 4));
        break;
      case FieldKind::kInt: {
        const int32_t value = static_cast<int32_t>(LoadU32(at));
        if (InRange(IntRangeOf(field.member), value))
          std::memcpy(to, &value, sizeof value);
        else
          QEL_LOG(StyleMemblockValueOutOfRange, source.memblock, PathOf(prefix, field.member).c_str(), value);
        break;
      }
      case FieldKind::kFloat:
        *static_cast<float*>(to) = LoadF32(at);
        break;
      case FieldKind::kSlot:
        break;  // never installed from a block: the live style keeps its own callbacks
      case FieldKind::kNested:
        DecodeFields(*field.nested, at, to, source, PathOf(prefix, field.member));
        break;
    }
  }
}

}  // namespace

// [SECTION] style items

void EncodeStyleItem(const struct nk_style_item& item, uint8_t* out) {
  std::memset(out, 0, kItemBlockBytes);
  StoreU32(out + kItemType, static_cast<uint32_t>(item.type));
  switch (item.type) {
    case NK_STYLE_ITEM_COLOR:
      std::memcpy(out + kItemData, &item.data.color, 4);
      break;
    case NK_STYLE_ITEM_IMAGE:
      EncodeImage(item.data.image, out);
      break;
    case NK_STYLE_ITEM_NINE_SLICE:
      EncodeImage(item.data.slice.img, out);
      StoreF32(out + kItemBorders, item.data.slice.l);
      StoreF32(out + kItemBorders + 4, item.data.slice.t);
      StoreF32(out + kItemBorders + 8, item.data.slice.r);
      StoreF32(out + kItemBorders + 12, item.data.slice.b);
      break;
  }
}

void EncodeStyleBlock(const FieldTable& table, const void* native, uint8_t* out) {
  EncodeFields(table, native, out);
}

void DecodeStyleBlock(const FieldTable& table, const uint8_t* in, void* native, const StyleBlockSource& source) {
  DecodeFields(table, in, native, source, std::string());
}

}  // namespace qel
