#include "text.h"

#include <cctype>
#include <limits>

namespace qel::engine {

std::vector<std::string_view> SplitTokens(std::string_view text, std::string_view delimiters) {
  std::vector<std::string_view> tokens;
  size_t at = 0;
  while (at < text.size()) {
    const size_t start = text.find_first_not_of(delimiters, at);
    if (start == std::string_view::npos) break;
    size_t end = text.find_first_of(delimiters, start);
    if (end == std::string_view::npos) end = text.size();
    tokens.push_back(text.substr(start, end - start));
    at = end;
  }
  return tokens;
}

std::string ReplaceText(std::string_view text, std::string_view find, std::string_view with, int32_t count) {
  std::string out;
  if (find.empty() || count == 0) return std::string(text);
  size_t at = 0;
  for (int32_t done = 0; count < 0 || done < count; ++done) {
    const size_t hit = text.find(find, at);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(at, hit - at)).append(with);
    at = hit + find.size();
  }
  out.append(text.substr(at));
  return out;
}

int32_t ParseDecimal(const char* text) {
  if (!text) return 0;
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  int64_t value = 0;
  const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()} : std::numeric_limits<int32_t>::max();
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    value = value * 10 + (*text - '0');
    if (value > limit) value = limit;  // saturate instead of overflowing
  }
  return static_cast<int32_t>(negative ? -value : value);
}

std::vector<uint32_t> DecodeUtf8(std::string_view text) {
  std::vector<uint32_t> points;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    uint32_t point = extra == 0 ? lead : extra == 1 ? lead & 0x1Fu : extra == 2 ? lead & 0x0Fu : lead & 0x07u;
    bool valid = extra >= 0 && i + static_cast<size_t>(extra) < text.size();  // all its bytes are there
    for (int k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
      if ((next & 0xC0u) != 0x80u) valid = false;
      point = (point << 6) | (next & 0x3Fu);
    }
    static const uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (valid && (point < kSmallest[extra] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))) valid = false;
    if (valid) {
      points.push_back(point);
      i += static_cast<size_t>(extra) + 1;
    } else {
      points.push_back(0xFFFD);
      ++i;
    }
  }
  return points;
}

void AppendUtf8(uint32_t point, std::string& out) {
  if (point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) point = 0xFFFD;
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

std::string JoinPath(std::string_view first, std::string_view second) {
  std::string out(first);
  if (!out.empty() && !second.empty() && out.back() != '/' && out.back() != '\\' && second.front() != '/' &&
      second.front() != '\\')
    out += '/';
  if (!out.empty() && (out.back() == '/' || out.back() == '\\') && !second.empty() &&
      (second.front() == '/' || second.front() == '\\'))
    second.remove_prefix(1);
  out.append(second);
  return out;
}

}  // namespace qel::engine
