// The exports that set and read one field of the live style by widget and property name.
#include <cstring>
#include <string>

#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/log_messages.h"
#include "frame/plugin_state.h"
#include "style/property_engine.h"
#include "style/vocabulary.h"

using namespace qel;

namespace {

// The widget number of a name; 0 (logged) for a name that is no widget.
int32_t KnownWidget(const char* name) {
  const char* text = name ? name : "";
  const int32_t widget = WidgetNumberOf(text);
  if (widget == 0) QEL_LOG(StyleUnknownWidget, text);
  return widget;
}

// A host string holding `text`; null when the host makes none.
char* HostString(const std::string& text) {
  char* out = Host().CREATESTRING_S_L(static_cast<int32_t>(text.size() + 1));
  if (out) std::memcpy(out, text.c_str(), text.size() + 1);
  return out;
}

}  // namespace

int32_t StyleSetContextProperty(const char* widget, const char* property, const char* value) {
  const int32_t number = KnownWidget(widget);
  if (number == 0 || !Context()) return 0;
  SetWidgetStyleProperty(number, property, value);
  return 1;
}

char* StyleGetContextProperty(const char* widget, const char* property) {
  const int32_t number = KnownWidget(widget);
  if (number == 0 || !Context()) return HostString({});
  return HostString(GetWidgetStyleProperty(number, property));
}
