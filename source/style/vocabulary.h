// The names the style system reads and writes: widgets, texture filters, enumeration values
// of properties, the kind of every property name, and the colour slot names. All of it is
// constant data, so it is complete before the first export runs and never changes.
#pragma once

#include <cstdint>
#include <string_view>

namespace qel {

// What a property name carries; the numbers are those scripts and style code pass around.
enum PropertyKind : int32_t {
  kPropertyNone = 1,      // not a property name
  kPropertyItem = 2,      // a style item (or a colour taken from one)
  kPropertyVec2 = 3,      // two floats
  kPropertyConstant = 4,  // a value of StyleConstantOf
  kPropertyFloat = 5,     // one float
};

inline constexpr int32_t kWidgetCount = 19;     // widget numbers run from 1 to 19
inline constexpr int32_t kColorSlotCount = 28;  // Nuklear's style colour slots

// Number of a widget style name ("font" 1 ... "window" 19); 0 when it is no widget.
int32_t WidgetNumberOf(std::string_view name);

// OpenGL filter of a texture filter name ("" is a name too, GL_NEAREST). An unknown name
// gives GL_NEAREST and, when `found` is given, false in it.
int32_t TextureFilterOf(std::string_view name, bool* found = nullptr);

// Value of an alignment, symbol, header, boolean or cursor name; -1 when there is none.
int32_t StyleConstantOf(std::string_view name);

// Kind of a property name; kPropertyNone for anything that is not a whole property name.
PropertyKind PropertyKindOf(std::string_view name);

// Name of colour slot 0 to 27 ("NK_COLOR_TEXT" ...); null outside.
const char* ColorSlotName(int32_t index);

}  // namespace qel
