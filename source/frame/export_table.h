// For programs that load the plug-in (the reference host, tests): one typed function
// pointer per export, looked up by name from the export list.
#pragma once

#include <string>
#include <vector>

#include "frame/exports.h"

namespace qel {

struct ExportTable {
  decltype(&::ReceiveQELPtr) ReceiveQELPtr = nullptr;
#define QEL_EXPORT_TABLE_MEMBER(result, name, params, doc) decltype(&::name) name = nullptr;
  QEL_EXPORT_LIST(QEL_EXPORT_TABLE_MEMBER)
#undef QEL_EXPORT_TABLE_MEMBER
};

// Fills `table` through `find` (e.g. dlsym on the loaded library); returns the names not found.
template <class Find>
std::vector<std::string> LoadExportTable(Find&& find, ExportTable& table) {
  std::vector<std::string> missing;
  auto load = [&](auto& slot, const char* name) {
    slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(find(name));
    if (!slot) missing.emplace_back(name);
  };
  load(table.ReceiveQELPtr, "ReceiveQELPtr");
#define QEL_EXPORT_TABLE_LOAD(result, name, params, doc) load(table.name, #name);
  QEL_EXPORT_LIST(QEL_EXPORT_TABLE_LOAD)
#undef QEL_EXPORT_TABLE_LOAD
  return missing;
}

}  // namespace qel
