// String commands. Every string handed out is the engine's (see StringPool); null
// arguments read as empty strings.
#include <cstring>
#include <limits>
#include <string>

#include "command_list.h"
#include "host_state.h"
#include "text.h"

namespace qel::engine::commands {

namespace {
// The largest buffer CREATESTRING_S_L hands out; larger requests get none.
constexpr int32_t kMaxStringBytes = 1 << 28;
const char* Text(const char* text) { return text ? text : ""; }
}  // namespace

char* CREATESTRING_S_L(int32_t bytes) {
  if (bytes < 0 || bytes > kMaxStringBytes) return nullptr;
  return LiveHost()->strings.Make(static_cast<size_t>(bytes));
}

int32_t LEN_L_S(const char* text) {
  const size_t length = std::strlen(Text(text));
  return length > static_cast<size_t>(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max()
                                                                         : static_cast<int32_t>(length);
}

int32_t VAL_L_S(const char* text) { return ParseDecimal(text); }

int32_t COUNTSTRINGTOKENS_L_S_S(const char* text, const char* delimiters) {
  return static_cast<int32_t>(SplitTokens(Text(text), Text(delimiters)).size());
}

char* GETSTRINGTOKEN_S_S_S_L(const char* text, const char* delimiters, int32_t index) {
  // Copied before the pool hands out anything, in case an argument is itself a pool string.
  const std::string source = Text(text);
  const auto tokens = SplitTokens(source, Text(delimiters));
  const bool valid = index >= 1 && static_cast<size_t>(index) <= tokens.size();
  return LiveHost()->strings.Copy(valid ? tokens[static_cast<size_t>(index) - 1] : std::string_view());
}

char* REPLACESTRING_S_S_S_S_L(const char* text, const char* find, const char* replacement, int32_t count) {
  return LiveHost()->strings.Copy(ReplaceText(Text(text), Text(find), Text(replacement), count));
}

}  // namespace qel::engine::commands
