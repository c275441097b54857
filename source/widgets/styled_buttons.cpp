// Styled buttons: the plain buttons drawn with a named button style instead of the live one.
//
// The style is looked up first, even without a window, so a missing one is always logged;
// only a record that holds a button structure (widgets "button", "context_button" and
// "menu_button") is used, and any other record answers as a missing style, since its block
// is a different, possibly smaller, structure. Image forms look their image up only once
// the style is found.
#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "style/widget_styles.h"
#include "widgets/buttons.h"

using namespace qel;

namespace {

// The found record; null (ERROR) when the name is missing or holds no button style.
const WidgetStyleRecord* ButtonStyleRecord(const char* name) {
  const WidgetStyleRecord* record = FindWidgetStyle(TextOrEmpty(name));
  if (!record || record->widget < 4 || record->widget > 6) {
    QEL_LOG(ButtonStyleMissing, TextOrEmpty(name));
    return nullptr;
  }
  return record;
}

// Draws one button with the record's style when a window takes it and the record holds a
// block (one whose making was refused draws nothing); the click it fires is used up.
template <class Draw>
int32_t DrawStyled(const WidgetStyleRecord& record, Draw draw) {
  nk_context* ctx = WidgetContext();
  const struct nk_style_button* style = record.Button();
  if (!ctx || !style) return 0;
  return ConsumeClick(ctx, draw(ctx, style));
}

int32_t TextStyled(const char* style_name, const char* text, int length) {
  const WidgetStyleRecord* record = ButtonStyleRecord(style_name);
  if (!record) return 0;
  return DrawStyled(*record, [&](nk_context* ctx, const struct nk_style_button* style) {
    return nk_button_text_styled(ctx, style, TextOrEmpty(text), length);
  });
}

int32_t SymbolTextStyled(const char* style_name, int32_t symbol, const char* text, int length, int32_t alignment) {
  const WidgetStyleRecord* record = ButtonStyleRecord(style_name);
  if (!record) return 0;
  return DrawStyled(*record, [&](nk_context* ctx, const struct nk_style_button* style) {
    return nk_button_symbol_text_styled(ctx, style, ToSymbolType(symbol), TextOrEmpty(text), length,
                                        static_cast<nk_flags>(alignment));
  });
}

// The image forms: `image` looks the image up, called only once the style is found.
template <class Lookup>
int32_t ImageStyled(const char* style_name, Lookup image) {
  const WidgetStyleRecord* record = ButtonStyleRecord(style_name);
  if (!record) return 0;
  const struct nk_image found = image();
  return DrawStyled(*record, [&](nk_context* ctx, const struct nk_style_button* style) {
    return nk_button_image_styled(ctx, style, found);
  });
}

template <class Lookup>
int32_t ImageTextStyled(const char* style_name, Lookup image, const char* text, int length, int32_t alignment) {
  const WidgetStyleRecord* record = ButtonStyleRecord(style_name);
  if (!record) return 0;
  const struct nk_image found = image();
  return DrawStyled(*record, [&](nk_context* ctx, const struct nk_style_button* style) {
    return nk_button_image_text_styled(ctx, style, found, TextOrEmpty(text), length, static_cast<nk_flags>(alignment));
  });
}

}  // namespace

int32_t ButtonLabelStyled(const char* style, const char* label) {
  return TextStyled(style, label, LabelLength(label));
}

int32_t ButtonTextStyled(const char* style, const char* text, int32_t length) {
  return TextStyled(style, text, TextLength(text, length));
}

int32_t ButtonSymbolStyled(const char* style_name, int32_t symbol) {
  const WidgetStyleRecord* record = ButtonStyleRecord(style_name);
  if (!record) return 0;
  return DrawStyled(*record, [&](nk_context* ctx, const struct nk_style_button* style) {
    return nk_button_symbol_styled(ctx, style, ToSymbolType(symbol));
  });
}

int32_t ButtonSymbolLabelStyled(const char* style, int32_t symbol, const char* label, int32_t alignment) {
  return SymbolTextStyled(style, symbol, label, LabelLength(label), alignment);
}

int32_t ButtonSymbolTextStyled(const char* style, int32_t symbol, const char* text, int32_t length, int32_t alignment) {
  return SymbolTextStyled(style, symbol, text, TextLength(text, length), alignment);
}

int32_t ButtonImageStyled0(const char* style, int32_t slot) {
  return ImageStyled(style, [&] { return LookupImageSlot(slot); });
}

int32_t ButtonImageStyled1(const char* style, const char* name) {
  return ImageStyled(style, [&] { return LookupImageName(name); });
}

int32_t ButtonImageLabelStyled0(const char* style, int32_t slot, const char* label, int32_t alignment) {
  return ImageTextStyled(style, [&] { return LookupImageSlot(slot); }, label, LabelLength(label), alignment);
}

int32_t ButtonImageLabelStyled1(const char* style, const char* name, const char* label, int32_t alignment) {
  return ImageTextStyled(style, [&] { return LookupImageName(name); }, label, LabelLength(label), alignment);
}

int32_t ButtonImageTextStyled0(const char* style, int32_t slot, const char* text, int32_t length, int32_t alignment) {
  return ImageTextStyled(style, [&] { return LookupImageSlot(slot); }, text, TextLength(text, length), alignment);
}

int32_t ButtonImageTextStyled1(const char* style, const char* name, const char* text, int32_t length,
                               int32_t alignment) {
  return ImageTextStyled(style, [&] { return LookupImageName(name); }, text, TextLength(text, length), alignment);
}
