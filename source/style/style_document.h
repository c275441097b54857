// Style documents: one XML root whose children name images, style items, widget styles and
// changes to the live style. They are applied in four passes (images, items, widget styles,
// live style) whatever their order in the text, so a document may use a name before the
// element that makes it.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace qel {

// Applies the document under `root`; image files are found in `image_folder` (ending in "/").
void ApplyStyleDocument(const pugi::xml_node& root, const std::string& image_folder);

// Makes the style item a "styleitem" element describes and stores it under its "name",
// replacing any item of that name. False (logged) when its colour is refused; nothing is
// stored then.
bool MakeStyleItemElement(const pugi::xml_node& element);

}  // namespace qel
