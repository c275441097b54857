#include "style/style_document.h"

#include <cmath>
#include <cstdint>

#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "images/image_table.h"
#include "style/number_lists.h"
#include "style/style_image_file.h"
#include "style/style_items.h"
#include "style/vocabulary.h"
#include "style/widget_elements.h"

namespace qel {
namespace {

bool Given(const char* text) { return text && *text; }

// "image": a texture from an image file of the document's folder, named in the ImageTable.
void LoadImageElement(const pugi::xml_node& element, const std::string& folder) {
  const int32_t filter_min = TextureFilterOf(element.attribute("filter_min").value());
  const int32_t filter_mag = TextureFilterOf(element.attribute("filter_mag").value());
  struct nk_image image;
  if (LoadStyleImageFile(folder + element.attribute("file").value(), filter_min, filter_mag, image))
    Images().named.Put(element.attribute("name").value(), image);
}

// A region or border number as a 16-bit image coordinate within 0 to `limit`.
nk_ushort Within(float value, nk_ushort limit) {
  if (!(value > 0.0f)) return 0;  // NaN too
  return value >= static_cast<float>(limit) ? limit : static_cast<nk_ushort>(value);
}

// A nine-slice border within 0 to `limit`; NaN and anything outside is none.
float Border(float value, nk_ushort limit) { return value >= 0.0f && value <= limit ? value : 0.0f; }

// An item of a region of a named image; a region past the image is cut to it.
struct nk_style_item ImageItem(const struct nk_image& image, const pugi::xml_node& element) {
  float region[4] = {0.0f, 0.0f, static_cast<float>(image.w), static_cast<float>(image.h)};
  ParseFloatList(element.attribute("region").value(), region, 4);
  const nk_ushort x = Within(region[0], image.w), y = Within(region[1], image.h);
  const nk_ushort w = Within(region[2], static_cast<nk_ushort>(image.w - x));
  const nk_ushort h = Within(region[3], static_cast<nk_ushort>(image.h - y));
  const struct nk_rect sub = nk_rect(x, y, w, h);
  const char* border = element.attribute("border").value();
  if (!Given(border)) return nk_style_item_image(nk_subimage_handle(image.handle, image.w, image.h, sub));
  float sides[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  ParseFloatList(border, sides, 4);
  return nk_style_item_nine_slice(nk_sub9slice_handle(image.handle, image.w, image.h, sub, Border(sides[0], w),
                                                      Border(sides[1], h), Border(sides[2], w), Border(sides[3], h)));
}

// The first "style" child's children, each applied to the live style.
void ApplyLiveStyle(const pugi::xml_node& root) {
  const pugi::xml_node style = root.child("style");
  for (const pugi::xml_node& element : style.children())
    if (element.type() == pugi::node_element) ApplyWidgetElement(element);
}

void MakeStyleControl(const pugi::xml_node& control) {
  pugi::xml_node element = control.first_child();
  while (element && element.type() != pugi::node_element) element = element.next_sibling();
  WidgetStyleRecord record;
  if (MakeWidgetRecord(element, record)) State().style.widget_styles.Put(control.attribute("name").value(), record);
}

}  // namespace

bool MakeStyleItemElement(const pugi::xml_node& element) {
  struct nk_style_item item = {};  // a colour item of colour 0, 0, 0, 0
  const char* color = element.attribute("color").value();
  const char* image_name = element.attribute("image").value();
  if (Given(color)) {
    struct nk_color parsed;
    if (!ParseColorText(color, parsed)) {
      QEL_LOG(StyleColorRefused, color, element.attribute("name").value());
      return false;
    }
    item = nk_style_item_color(parsed);
  } else if (const struct nk_image* image = Given(image_name) ? Images().named.Find(image_name) : nullptr) {
    item = ImageItem(*image, element);
  }
  StyleItems().Put(element.attribute("name").value(), item);
  return true;
}

void ApplyStyleDocument(const pugi::xml_node& root, const std::string& image_folder) {
  for (const pugi::xml_node& image : root.children("image")) LoadImageElement(image, image_folder);
  for (const pugi::xml_node& item : root.children("styleitem")) MakeStyleItemElement(item);
  for (const pugi::xml_node& control : root.children("stylecontrol")) MakeStyleControl(control);
  ApplyLiveStyle(root);
}

}  // namespace qel
