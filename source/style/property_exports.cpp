// The exports that set and read one field of the live style by widget and property name.
#include <cstring>
#include <string>

#include "frame/boundary.h"
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
  const char* text = TextOrEmpty(name);
  const int32_t widget = WidgetNumberOf(text);
  if (widget == 0) QEL_LOG(StyleUnknownWidget, text);
  return widget;
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
  if (number == 0 || !Context()) return HostString("", 0);
  const std::string text = GetWidgetStyleProperty(number, property);
  return HostString(text.data(), text.size());
}
