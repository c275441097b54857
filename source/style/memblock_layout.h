// The fixed byte layout of style memory blocks, written down independently of the field
// tables: the size of a block of each widget number and the range each integer field may
// hold. The field tables' own offsets are checked against these at compile time
// (field_tables.cpp), in every build, so the 64-bit build and the 32-bit DLL write and read
// the same bytes.
#pragma once

#include <cstdint>
#include <string_view>

namespace qel {

// Widget numbers a block may carry: 1 to 20 (20 is the window's header, blocks only).
inline constexpr int32_t kFirstBlockWidget = 1;
inline constexpr int32_t kLastBlockWidget = 20;

// Bytes of a block of widget number 1 to 20, by number; "font" and "cursors" have no
// structure and give empty blocks.
inline constexpr int32_t kStyleBlockSizes[kLastBlockWidget + 1] = {
    /* 0: none */ 0,
    /* 1 font */ 0,        /* 2 cursors */ 0,     /* 3 text */ 12,
    /* 4 button */ 176,    /* 5 context_button */ 176, /* 6 menu_button */ 176,
    /* 7 checkbox */ 240,  /* 8 option */ 240,    /* 9 selectable */ 288,
    /* 10 slider */ 648,   /* 11 progress */ 260, /* 12 property */ 1324,
    /* 13 edit */ 812,     /* 14 chart */ 64,     /* 15 scrollv */ 624,
    /* 16 scrollh */ 624,  /* 17 tab */ 784,      /* 18 combo */ 356,
    /* 19 window */ 732,   /* 20 window header */ 512,
};

constexpr bool IsBlockWidget(int32_t widget) { return widget >= kFirstBlockWidget && widget <= kLastBlockWidget; }

// Bytes of a block of the widget number; 0 outside 1 to 20.
constexpr int32_t StyleBlockSize(int32_t widget) { return IsBlockWidget(widget) ? kStyleBlockSizes[widget] : 0; }

// Offsets inside a style item's 36 bytes: its type, then either colour bytes r, g, b, a or
// an image (handle id; width and height; region x, y, w, h), then a nine-slice's borders.
inline constexpr int32_t kItemType = 0;        // 32-bit signed: 0 colour, 1 image, 2 nine-slice
inline constexpr int32_t kItemData = 4;        // colour r, g, b, a or the image handle id
inline constexpr int32_t kItemImageSize = 8;   // width, height: 16 bits each
inline constexpr int32_t kItemRegion = 12;     // x, y, w, h: 16 bits each
inline constexpr int32_t kItemBorders = 20;    // left, top, right, bottom: floats

// What an integer field holds, and so which values the live style can use. A block written
// by a script may hold anything there.
enum class IntRange : uint8_t {
  kUnknown,          // an integer field without a range: a table gained a field unclassified
  kTextAlignment,    // nk_flags of NK_TEXT_ALIGN_* bits only
  kSymbol,           // a symbol number 0 to 36, with modifier bits
  kBoolean,          // 0 or 1
  kHeaderAlignment,  // NK_HEADER_LEFT or NK_HEADER_RIGHT
};

// The range of an integer field by its member name. Every integer member of every field
// table has one (checked at compile time).
constexpr IntRange IntRangeOf(std::string_view member) {
  if (member == "text_alignment") return IntRange::kTextAlignment;
  if (member == "show_buttons") return IntRange::kBoolean;
  if (member == "align") return IntRange::kHeaderAlignment;
  constexpr std::string_view kSymbols[] = {"inc_symbol",   "dec_symbol",   "sym_left",     "sym_right",
                                           "sym_normal",   "sym_hover",    "sym_active",   "sym_minimize",
                                           "sym_maximize", "close_symbol", "minimize_symbol", "maximize_symbol"};
  for (std::string_view name : kSymbols)
    if (member == name) return IntRange::kSymbol;
  return IntRange::kUnknown;
}

}  // namespace qel
