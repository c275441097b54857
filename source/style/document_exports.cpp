// The exports that read style documents from a file or a string, and that make one widget
// style or one style item from a single-element tag.
#include <pugixml.hpp>

#include <string>

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "style/style_document.h"
#include "style/style_items.h"
#include "style/widget_elements.h"

using namespace qel;

namespace {

// The host's read path joined with the media folder, where documents given as strings find
// their images and where document files are looked for.
std::string MediaFolder() { return std::string(TextOrEmpty(HostCommands().GETREADPATH_S_0())) + "media/"; }

// The folder of a file path, up to its last separator, with a "/" after it.
std::string FolderOf(const std::string& path) {
  const size_t last = path.find_last_of("/\\");
  return (last == std::string::npos ? std::string() : path.substr(0, last)) + "/";
}

// The first element of a parsed tag; absent when the text held none.
pugi::xml_node FirstElement(const pugi::xml_document& document) {
  for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling())
    if (node.type() == pugi::node_element) return node;
  return {};
}

// The tag parsed as a document; false (logged) when it is not well-formed or holds no element.
bool ParseTag(const char* tag, pugi::xml_document& document) {
  const pugi::xml_parse_result result = document.load_string(tag);
  if (result) return true;
  QEL_LOG(StyleTagUnparsable, result.description());
  return false;
}

}  // namespace

void StyleLoadFromFile(const char* file) {
  const char* name = TextOrEmpty(file);
  if (!*name) {
    QEL_LOG(StyleNoFileSpecified);
    return;
  }
  if (!Context()) return;
  HostCommandTable& host = HostCommands();
  std::string path;
  if (host.GETFILEEXISTS_L_S(name)) path = TextOrEmpty(host.JOINPATHS_S_S_S(MediaFolder().c_str(), name));
  const std::string raw = "raw:" + path;
  if (path.empty() || !host.GETFILEEXISTS_L_S(raw.c_str())) {
    QEL_LOG(StyleFileMissing, path.empty() ? name : path.c_str());
    QEL_LOG(StyleUnexpectedErrorOccurred);
    return;
  }
  QEL_LOG(StyleLoadFile, name, path.c_str());
  pugi::xml_document document;
  const pugi::xml_parse_result result = document.load_file(path.c_str());
  if (!result) {
    QEL_LOG(StyleFileUnexpectedError, result.description());
    QEL_LOG(StyleUnexpectedErrorOccurred);
    return;
  }
  ApplyStyleDocument(document.document_element(), FolderOf(path));
}

void StyleLoadFromString(const char* xml) {
  const char* text = TextOrEmpty(xml);
  if (!*text) {
    QEL_LOG(StyleNoXmlString);
    return;
  }
  if (!Context()) return;
  pugi::xml_document document;
  const pugi::xml_parse_result result = document.load_string(text);
  // A document cut short is applied as far as it was read, but never silently.
  if (!result) QEL_LOG(StyleDocumentMalformed, result.description(), static_cast<long long>(result.offset));
  ApplyStyleDocument(FirstElement(document), MediaFolder());
}

int32_t StyleMake(const char* name, const char* tag) {
  if (!tag || !*tag) {
    QEL_LOG(StyleTagEmpty);
    return 0;
  }
  if (!name || !*name) {
    QEL_LOG(StyleNameEmpty);
    return 0;
  }
  if (!Context()) return 0;
  pugi::xml_document document;
  if (!ParseTag(tag, document)) return 0;
  // A refused element keeps whatever style had the name: no record without a structure.
  WidgetStyleRecord record;
  if (!MakeWidgetRecord(FirstElement(document), record)) return 0;
  WidgetStyleTable& styles = State().style.widget_styles;
  if (styles.Contains(name)) QEL_LOG(StyleWidgetStyleOverwritten, name);
  styles.Put(name, record);
  return 1;
}

int32_t StyleMakeItem1(const char* tag) {
  if (!tag || !*tag) {
    QEL_LOG(StyleTagEmpty);
    return 0;
  }
  pugi::xml_document document;
  if (!ParseTag(tag, document)) return 0;
  const pugi::xml_node element = FirstElement(document);
  const char* name = element.attribute("name").value();
  if (!*name) {
    QEL_LOG(StyleItemNameEmpty);
    return 0;
  }
  const bool replaces = FindStyleItem(name) != nullptr;
  if (!MakeStyleItemElement(element)) return 0;
  if (replaces) QEL_LOG(StyleItemOverwritten, name);
  return 1;
}
