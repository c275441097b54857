// Every line the plug-in writes to its log, in one list: its name, level, source and format.
// Code logs by name (QEL_LOG(FontFileMissing, path)); the format is checked against the
// arguments at compile time, so a message and its call cannot drift apart. Tests build the
// expected text from the same entries (LogText), never from copied strings.
#pragma once

#include <cinttypes>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <type_traits>

#include "frame/logger.h"

// X(Name, level, source, "printf format")
// Sources: kSourcePlugin "nuklearplugin" (the exports), kSourceDevice "nuklear_qel_gl3"
// (render device, input, font atlas, image files of style documents), kSourceStyle
// "nuklear_tool" (style system).
#define QEL_LOG_MESSAGES(X)                                                                             \
  /* [SECTION] lifecycle */                                                                             \
  X(PluginInitialisation, kLogInfo, kSourcePlugin, "plugin initialisation ...")                         \
  X(HostTableNeverReceived, kLogError, kSourcePlugin,                                                   \
    "the host command table was never received (ReceiveQELPtr was not called); every host command is "  \
    "missing and answers neutrally.")                                                                   \
  X(HostCommandsMissing, kLogError, kSourcePlugin,                                                      \
    "the host does not provide %u command(s); their use answers neutrally: %s")                         \
  X(InterfaceMemblockMissing, kLogError, kSourcePlugin,                                                 \
    "interface memblock %d is missing or too small; results are not written.")                          \
  /* [SECTION] interface memblock */                                                                    \
  X(InterfaceMemblockRemade, kLogWarn, kSourcePlugin,                                                   \
    "interface memblock %d was deleted or is too small; results go to the new interface memblock %d.")  \
  /* [SECTION] device */                                                                                \
  X(LogFileLocation, kLogInfo, kSourceDevice, "log file is set to '%s'")                                \
  X(NuklearVersion, kLogInfo, kSourceDevice, "running nuklear ui V:%s")                                 \
  X(GlewInitStarted, kLogInfo, kSourceDevice, "init glew ...")                                          \
  X(GlewSetupFailed, kLogError, kSourceDevice, "Failed to setup GLEW!")                                 \
  X(GlewInitialised, kLogInfo, kSourceDevice, "glew initialized.")                                      \
  X(GlVendor, kLogInfo, kSourceDevice, "gl vendor: %s")                                                 \
  X(GlRenderer, kLogInfo, kSourceDevice, "gl renderer: %s")                                             \
  X(GlVersion, kLogInfo, kSourceDevice, "gl version: %s")                                               \
  X(GlShaderVersion, kLogInfo, kSourceDevice, "gl shader Version: %s")                                  \
  X(ContextInitStarted, kLogInfo, kSourceDevice, "init nuklear context ...")                            \
  X(ContextCreated, kLogInfo, kSourceDevice, "context created.")                                        \
  X(DeviceCreateStarted, kLogInfo, kSourceDevice, "create device ...")                                  \
  X(DeviceTextureAndBuffersSaved, kLogInfo, kSourceDevice, "get texture & buffers ...")                 \
  X(ShaderCreateStarted, kLogInfo, kSourceDevice, "create shader ...")                                  \
  X(ShaderCommandBufferReady, kLogInfo, kSourceDevice, "  nuklear init defaults done.")                 \
  X(ShaderProgramCreated, kLogInfo, kSourceDevice, "  nuklear create vertex, fragment program done.")   \
  X(ShaderSourceSet, kLogInfo, kSourceDevice, "  nuklear set shader source done.")                      \
  X(ShaderCompiled, kLogInfo, kSourceDevice, "  nuklear compile shader done.")                          \
  X(ShaderCompileStatusRead, kLogInfo, kSourceDevice, "  nuklear compile shader status done.")          \
  X(ShaderLinked, kLogInfo, kSourceDevice, "  nuklear link shader done.")                               \
  X(ShaderLinkStatusRead, kLogInfo, kSourceDevice, "  nuklear link shader status done.")                \
  X(ShaderUniformsRead, kLogInfo, kSourceDevice, "get uniforms from shader ...")                        \
  X(DeviceBuffersSetUp, kLogInfo, kSourceDevice, "setup buffers ...")                                   \
  X(DeviceTextureAndBuffersRestored, kLogInfo, kSourceDevice, "bind texture and buffers ...")           \
  X(DeviceCreated, kLogInfo, kSourceDevice, "device created.")                                          \
  X(DeviceBufferMapFailed, kLogWarn, kSourceDevice,                                                     \
    "could not map the vertex or element buffer (GL error 0x%x); frames are not drawn.")                \
  X(FrameTooLarge, kLogWarn, kSourceDevice,                                                             \
    "frame too large to draw: more than %u vertices or %u indices; drawing what fits.")                 \
  /* [SECTION] render device */                                                                         \
  X(ShaderCompileFailed, kLogError, kSourceDevice, "the %s shader does not compile: %s")                \
  X(ShaderLinkFailed, kLogError, kSourceDevice, "the shader program does not link: %s")                 \
  X(DeviceNotCreated, kLogError, kSourceDevice, "device not created: without its shader program no frame is drawn.") \
  /* [SECTION] font atlas */                                                                            \
  X(AtlasNothingBaked, kLogWarn, kSourceDevice, "no fonts were baked; using the built-in font.")        \
  X(AtlasStashStillOpen, kLogWarn, kSourceDevice,                                                       \
    "a font stash was still open; the fonts added to it will never be baked.")                          \
  X(AtlasLargerThanTexture, kLogWarn, kSourceDevice,                                                    \
    "the font atlas of %dx%d pixels is larger than the largest texture (%d).")                          \
  X(AtlasBakeFailed, kLogWarn, kSourceDevice, "An error has occurred when baking the fonts.")           \
  /* [SECTION] fonts */                                                                                 \
  X(FontIdExists, kLogError, kSourcePlugin, "font id already exists '%s'. new font cannot be created.") \
  X(FontStashNotOpen, kLogError, kSourcePlugin,                                                         \
    "no font atlas is open (FontStashBegin). font '%s' cannot be created.")                             \
  X(FontSizeNotPositive, kLogError, kSourcePlugin,                                                      \
    "font size %g is not above 0. font '%s' cannot be created.")                                        \
  X(FontSizeTooLarge, kLogError, kSourcePlugin,                                                         \
    "font size %g is above %g. font '%s' cannot be created.")                                           \
  X(FontFileNameEmpty, kLogError, kSourcePlugin,                                                        \
    "font file name is empty. font '%s' cannot be created.")                                            \
  X(FontFileMissing, kLogError, kSourcePlugin,                                                          \
    "font file not exists '%s'. new font cannot be created.")                                           \
  X(FontFileUnreadable, kLogError, kSourcePlugin,                                                       \
    "font file '%s' cannot be read. new font cannot be created.")                                       \
  X(FontFileEmpty, kLogError, kSourcePlugin, "font file '%s' is empty. new font cannot be created.")    \
  X(FontFileNotTrueType, kLogError, kSourcePlugin,                                                      \
    "font file '%s' is not a TrueType font. new font cannot be created.")                               \
  X(FontFileNoMemory, kLogError, kSourcePlugin,                                                         \
    "no memory for font file '%s'. new font cannot be created.")                                        \
  X(FontLoadAttempted, kLogInfo, kSourcePlugin, "attempt to load font '%s'")                            \
  X(FontLoaded, kLogInfo, kSourcePlugin, "font '%s' loaded")                                            \
  X(FontHandleLoaded, kLogInfo, kSourcePlugin, "load font handle 0x%" PRIXPTR)                          \
  X(FontImageFileMissing, kLogError, kSourcePlugin,                                                     \
    "file not exists '%s'. new font cannot be created.")                                                \
  X(FontSubimagesFileMissing, kLogError, kSourcePlugin,                                                 \
    "subimages file not exists '%s'. new font cannot be created.")                                      \
  X(FontImageNotLoaded, kLogError, kSourcePlugin,                                                       \
    "image of font '%s' could not be loaded. new font cannot be created.")                              \
  X(GlyphRangeInvalid, kLogWarn, kSourcePlugin,                                                         \
    "glyph range 0x%X-0x%X is not a range of characters. it is ignored.")                               \
  X(GlyphRangesFull, kLogWarn, kSourcePlugin,                                                           \
    "glyph ranges are full (%d ranges). range 0x%X-0x%X is ignored.")                                   \
  /* [SECTION] images */                                                                                \
  X(ImageOverwritten, kLogWarn, kSourcePlugin, "image '%s' already exists. '%s' will be overwritten.")  \
  X(ImageMissing, kLogError, kSourcePlugin, "Image '%s' does not exists.")                              \
  X(ImageRecordMemblockTooSmall, kLogError, kSourcePlugin,                                              \
    "Memblock '%d' does not hold an image record of %d bytes.")                                         \
  X(ImageSlotBeyondLast, kLogError, kSourcePlugin,                                                      \
    "Imageslot '%d' is beyond the last slot %d; nothing is stored.")                                    \
  X(ImageSlotNoMemory, kLogError, kSourcePlugin, "Imageslot '%d' cannot be made: out of memory.")       \
  X(ImageSlotMissing, kLogError, kSourcePlugin, "Imageslot '%d' does not exists.")                      \
  X(SubimagesImageNotLoaded, kLogError, kSourcePlugin, "image '%s' could not be loaded.")               \
  X(SubimagesTokenCountWrong, kLogWarn, kSourcePlugin,                                                  \
    "number of tokens in the subimages file '%s' at line %d is incorrect.")                             \
  X(SubimagesCodeOutOfRange, kLogWarn, kSourcePlugin,                                                   \
    "character code %d in the subimages file '%s' at line %d is outside 0 to 255.")                     \
  /* [SECTION] style fonts */                                                                           \
  X(StyleFontMissing, kLogError, kSourceStyle, "font id:'%s' not found.")                               \
  /* [SECTION] style items */                                                                           \
  X(StyleItemOverwritten, kLogWarn, kSourceStyle,                                                       \
    "style item '%s' exist in style map. style will be overwritten.")                                   \
  X(StyleItemNameEmpty, kLogError, kSourceStyle, "name is empty.")                                      \
  X(StyleItemImageMissing, kLogError, kSourceStyle, "image '%s' does not exists.")                      \
  X(StyleItemRegionCut, kLogWarn, kSourceStyle,                                                         \
    "style item '%s': region lies outside image '%s'; it is cut to the image.")                         \
  /* [SECTION] style tables and stack */                                                                \
  X(StyleImageExists, kLogError, kSourceStyle, "style image '%s' exist in image map.")                  \
  X(StyleHostImageMissing, kLogError, kSourceStyle, "qel image id '%d' does not exists.")               \
  X(StyleMissing, kLogError, kSourceStyle, "style '%s' not exist in style map.")                        \
  X(StyleStackEmpty, kLogError, kSourceStyle, "there is no style on the stack that can be popped.")     \
  X(StyleStackFull, kLogError, kSourceStyle,                                                            \
    "style '%s' is not pushed: the style stack already holds %d styles (pop what you push).")           \
  /* [SECTION] styled buttons */                                                                        \
  X(ButtonStyleMissing, kLogError, kSourcePlugin, "button style '%s' not exist in style map.")          \
  /* [SECTION] windows */                                                                               \
  X(WindowWithoutFont, kLogError, kSourcePlugin, "window '%s' cannot be drawn: there is no font.")      \
  /* [SECTION] canvas */                                                                                \
  X(CanvasFontMissing, kLogError, kSourcePlugin, "font name '%s' does not exists.")                     \
  /* [SECTION] window pairing */                                                                        \
  X(FrameCommandsLoop, kLogError, kSourceDevice,                                                        \
    "the frame's commands link back on themselves; the frame is not drawn.")                          \
  X(WindowNotEnded, kLogError, kSourcePlugin,                                                           \
    "window '%s' was not ended before the frame was drawn; it is ended now.")                           \
  /* [SECTION] style properties */                                                                      \
  X(StyleUnknownWidget, kLogError, kSourceStyle, "'%s' is not a known widget.")                         \
  X(StylePropertyValueNotValid, kLogWarn, kSourceStyle, "property value '%s' of property name '%s' not valid.") \
  X(StylePropertyNameNotValid, kLogWarn, kSourceStyle, "property name '%s' not valid.")                 \
  X(StyleItemNotFound, kLogWarn, kSourceStyle, "style item '%s' not found.")                            \
  X(StyleWrongVec2, kLogWarn, kSourceStyle, "Wrong vec2 value : %s")                                    \
  X(StyleButtonVec2, kLogInfo, kSourceStyle, "button vec2 style '%s' value '%.2f,%.2f'")                \
  X(StyleNoSubWidget, kLogWarn, kSourceStyle, "This UI element has no widget with this name '%s'.") \
  /* [SECTION] style documents */                                                                       \
  X(StyleNoFileSpecified, kLogError, kSourceStyle, "no file specified.")                                \
  X(StyleFileMissing, kLogError, kSourceStyle, "file '%s' does not exists")                             \
  X(StyleUnexpectedErrorOccurred, kLogError, kSourceStyle, "an unexpected error has occurred.")         \
  X(StyleLoadFile, kLogInfo, kSourceStyle, "load file '%s' - '%s'")                                     \
  X(StyleFileUnexpectedError, kLogError, kSourceStyle, "unexpected error: %s")                          \
  X(StyleNoXmlString, kLogError, kSourceStyle, "no xml string was passed.")                             \
  X(StyleDocumentMalformed, kLogWarn, kSourceStyle,                                                     \
    "style document is not well-formed: %s at byte %lld; what came before it is applied.")              \
  X(StyleImageFileMissing, kLogError, kSourceDevice, "file does not exists: %s")                        \
  X(StyleImageFileUnreadable, kLogError, kSourceDevice, "image file '%s' holds no image a texture can be made from.") \
  X(StyleColorRefused, kLogWarn, kSourceStyle,                                                          \
    "colour value '%s' of style item '%s' not valid; the item is not made.")                            \
  X(StyleNodeNameNotValid, kLogError, kSourceStyle, "not valid node name ('%s').")                      \
  X(StyleNodeWithoutStyle, kLogError, kSourceStyle, "unexpected error while loading the style. ('%s')") \
  X(StyleTagEmpty, kLogError, kSourceStyle, "style tag is empty.")                                      \
  X(StyleNameEmpty, kLogError, kSourceStyle, "name string is empty.")                                   \
  X(StyleTagUnparsable, kLogError, kSourceStyle, "can't parse style tag. '%s'")                         \
  X(StyleWidgetStyleOverwritten, kLogWarn, kSourceStyle,                                                \
    "style '%s' exist in style map. style will be overwritten.")                                        \
  /* [SECTION] style memory blocks */                                                                   \
  X(StyleMemblockTypeOutOfRange, kLogError, kSourceStyle,                                               \
    "widget type is outside the valid range (%d). It must be > 0 and < %d.")                            \
  X(StyleMemblockNameEmpty, kLogWarn, kSourceStyle,                                                     \
    "widget style name was not defined. widget style is not saved in the pool.")                        \
  X(StyleMemblockNameExists, kLogWarn, kSourceStyle, "style name '%s' exists. widget style will be overwritten.") \
  X(StyleMemblockNoWidget, kLogWarn, kSourceStyle, "widget not exists.")                                \
  X(StyleMemblockNotMade, kLogError, kSourceStyle, "memblock %d of %d bytes could not be made.")        \
  X(StyleMemblockIdOutOfRange, kLogError, kSourceStyle, "memblock id out of range '%d'")                \
  X(StyleMemblockIdMissing, kLogError, kSourceStyle, "memblock id '%d' does not exists")                \
  X(StyleMemblockNameMissing, kLogError, kSourceStyle, "the specified style name (%s) does not exist.") \
  X(StyleMemblockPushMissing, kLogError, kSourceStyle, "memblock '%d' does not exists.")                \
  X(StyleMemblockPushTypeInvalid, kLogError, kSourceStyle, "type '%d' has no valid value.")             \
  X(StyleMemblockPushNameMissing, kLogError, kSourceStyle, "memblock '%s' not exist in memblock map.")  \
  X(StyleMemblockPointerNull, kLogError, kSourceStyle, "unexpected error the passed memblock pointer is NULL.") \
  X(StyleMemblockTooSmall, kLogError, kSourceStyle,                                                     \
    "memblock '%d' holds %d bytes but widget type %d needs %d. nothing is read.")                       \
  X(StyleMemblockWindowBackground, kLogInfo, kSourceStyle, "style window back color = %X")              \
  X(StyleMemblockValueOutOfRange, kLogWarn, kSourceStyle,                                               \
    "memblock '%d': field '%s' holds %d, which the live style cannot use. the field keeps its value.")  \
  X(StyleMemblockImageUnknown, kLogWarn, kSourceStyle,                                                  \
    "memblock '%d': field '%s' names image %u, which is not a known texture. the placeholder image is drawn instead.") \
  /* [SECTION] colour table */                                                                          \
  X(ColorTableWrongCount, kLogError, kSourceStyle,                                                      \
    "wrong color count. you must start with 'StyleColorTableBegin'.")                                   \
  X(ColorTableSlotOutOfBounds, kLogError, kSourceStyle, "widget style id out of bounds. (%d)")          \
  /* [SECTION] cursors */                                                                               \
  X(CursorNameEmpty, kLogError, kSourceStyle, "cannot load the cursor. a name was not given.")          \
  X(CursorItemNameEmpty, kLogError, kSourceStyle, "cannot load the cursor. an item name was not given.") \
  X(CursorItemMissing, kLogError, kSourceStyle, "cannot load the cursor. the given name '%s' does not exist.") \
  X(CursorItemNotImage, kLogError, kSourceStyle,                                                        \
    "cannot load the cursor. the specified style item type must be an image.")                          \
  X(CursorOverwritten, kLogWarn, kSourceStyle, "cursor with this name '%s' exists. cursor will be overwritten.") \
  X(CursorPlacementBounded, kLogWarn, kSourceStyle,                                                     \
    "cursor '%s': a size or offset that is not a number or lies beyond %d pixels is replaced.")         \
  X(CursorToInstallMissing, kLogError, kSourceStyle, "can't replace cursor. the given name '%s' does not exist.") \
  X(CursorKindOutOfRange, kLogError, kSourceStyle, "%s: cursor kind %d is not one of 0 to 6.")

namespace qel {

enum class LogItem : int {
#define QEL_LOG_ITEM_ENUM(name, level, source, format) name,
  QEL_LOG_MESSAGES(QEL_LOG_ITEM_ENUM)
#undef QEL_LOG_ITEM_ENUM
};

struct LogMessage {
  const char* name;
  int level;
  const char* source;
  const char* format;
};

inline constexpr LogMessage kLogMessages[] = {
#define QEL_LOG_ITEM_ENTRY(name, level, source, format) {#name, level, source, format},
    QEL_LOG_MESSAGES(QEL_LOG_ITEM_ENTRY)
#undef QEL_LOG_ITEM_ENTRY
};

inline constexpr size_t kLogMessageCount = sizeof kLogMessages / sizeof kLogMessages[0];

constexpr const LogMessage& MessageOf(LogItem item) { return kLogMessages[static_cast<size_t>(item)]; }

// One type per message, so that a call site names its message at compile time.
template <LogItem I>
struct LogTag {
  static constexpr LogItem item = I;
};

namespace msg {
#define QEL_LOG_ITEM_TAG(name, level, source, format) inline constexpr LogTag<LogItem::name> name{};
QEL_LOG_MESSAGES(QEL_LOG_ITEM_TAG)
#undef QEL_LOG_ITEM_TAG
}  // namespace msg

namespace log_format {

// What a printf conversion takes, and what an argument gives.
enum Kind : int { kInteger, kFloating, kString, kPointer, kOther };

template <class T>
constexpr Kind KindOf() {
  if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>) return kString;
  else if constexpr (std::is_pointer_v<T> || std::is_null_pointer_v<T>) return kPointer;
  else if constexpr (std::is_floating_point_v<T>) return kFloating;
  else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) return kInteger;
  else return kOther;
}

// Size in bytes an integer conversion reads with its length modifier; 0 for "int or smaller".
struct Conversion {
  Kind kind;
  size_t size;
};

// True when `format` has exactly one conversion per argument, each of a matching kind and,
// for integers, size (a `*` width or precision takes an int).
template <class... A>
constexpr bool Accepts(const char* format) {
  constexpr Kind kinds[] = {KindOf<A>()..., kOther};
  constexpr size_t sizes[] = {sizeof(A)..., 0};
  constexpr size_t count = sizeof...(A);
  size_t used = 0;
  auto take = [&](Kind kind, size_t size) {
    if (used >= count) return false;
    const Kind given = kinds[used];
    const size_t given_size = sizes[used];
    ++used;
    if (kind == kPointer) return given == kPointer || given == kString;
    if (given != kind) return false;
    if (kind == kInteger) return size == 0 ? given_size <= sizeof(int) : given_size == size;
    return true;
  };
  for (const char* p = format; *p; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0') ++p;
    if (*p == '*') {
      if (!take(kInteger, 0)) return false;
      ++p;
    }
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      if (*p == '*') {
        if (!take(kInteger, 0)) return false;
        ++p;
      }
      while (*p >= '0' && *p <= '9') ++p;
    }
    size_t size = 0;
    if (p[0] == 'h') {
      p += p[1] == 'h' ? 2 : 1;
    } else if (p[0] == 'l' && p[1] == 'l') {
      size = sizeof(long long), p += 2;
    } else if (p[0] == 'l') {
      size = sizeof(long), p += 1;
    } else if (p[0] == 'z' || p[0] == 't') {
      size = sizeof(size_t), p += 1;
    } else if (p[0] == 'j') {
      size = sizeof(intmax_t), p += 1;
    } else if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
      size = 8, p += 3;
    } else if (p[0] == 'I' && p[1] == '3' && p[2] == '2') {
      size = 4, p += 3;
    }
    switch (*p) {
      case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c':
        if (!take(kInteger, size)) return false;
        break;
      case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
        if (!take(kFloating, 0)) return false;
        break;
      case 's':
        if (!take(kString, 0)) return false;
        break;
      case 'p':
        if (!take(kPointer, 0)) return false;
        break;
      default:
        return false;  // a conversion this check does not know, or a format ending in '%'
    }
  }
  return used == count;
}

// Whether `text` is what `format` gives for some arguments: the format's fixed pieces in
// order, each conversion standing for any text. For tests that cannot know an argument.
inline bool Matches(const char* format, const std::string& text) {
  std::string pieces[16];
  size_t count = 1;
  for (const char* p = format; *p; ++p) {
    if (*p != '%') {
      pieces[count - 1] += *p;
      continue;
    }
    if (*++p == '%') {
      pieces[count - 1] += '%';
      continue;
    }
    while (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '.' || *p == '*' || (*p >= '0' && *p <= '9') ||
           *p == 'h' || *p == 'l' || *p == 'L' || *p == 'z' || *p == 'j' || *p == 't' || *p == 'I')
      ++p;
    if (!*p || count == sizeof pieces / sizeof pieces[0]) return false;
    ++count;
  }
  const std::string& first = pieces[0];
  const std::string& last = pieces[count - 1];
  if (count == 1) return text == first;
  if (text.size() < first.size() + last.size() || text.compare(0, first.size(), first) != 0 ||
      text.compare(text.size() - last.size(), last.size(), last) != 0)
    return false;
  size_t at = first.size();
  const size_t end = text.size() - last.size();
  for (size_t i = 1; i + 1 < count; ++i) {
    at = text.find(pieces[i], at);
    if (at == std::string::npos || at + pieces[i].size() > end) return false;
    at += pieces[i].size();
  }
  return true;
}

}  // namespace log_format

// How many lines of `log` (in the default line format) are entry I, whatever its arguments.
template <LogItem I>
int CountLogLines(LogTag<I>, const std::string& log) {
  const LogMessage& entry = MessageOf(I);
  const std::string level = std::string(": ") + kLogLevelNames[entry.level] + ": ";
  int count = 0;
  for (size_t start = 0; start < log.size();) {
    size_t end = log.find('\n', start);
    if (end == std::string::npos) end = log.size();
    const size_t at = log.find(level, start);
    if (at < end && log_format::Matches(entry.format, log.substr(at + level.size(), end - at - level.size()))) ++count;
    start = end + 1;
  }
  return count;
}

// Writes one entry of the list to logger 0. Use QEL_LOG.
void LogEntry(const LogMessage& message, int line, ...);

template <LogItem I, class... A>
void LogAt(int line, LogTag<I>, A... args) {
  static_assert(log_format::Accepts<A...>(kLogMessages[static_cast<size_t>(I)].format),
                "the arguments do not match the message's format");
  LogEntry(MessageOf(I), line, args...);
}

// The message text an entry gives for these arguments: what tests look for in the log.
// Inline, so that tests which only load the built library can use it too. It takes the format
// itself: va_start on a reference parameter is undefined.
inline std::string LogTextOf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text;
  if (needed > 0) {
    text.resize(static_cast<size_t>(needed) + 1);
    std::vsnprintf(&text[0], text.size(), format, again);
    text.resize(static_cast<size_t>(needed));
  }
  va_end(again);
  return text;
}

template <LogItem I, class... A>
std::string LogText(LogTag<I>, A... args) {
  static_assert(log_format::Accepts<A...>(kLogMessages[static_cast<size_t>(I)].format),
                "the arguments do not match the message's format");
  return LogTextOf(MessageOf(I).format, args...);
}

// How a line of the default line format ends for this entry: "LEVEL: text".
template <LogItem I, class... A>
std::string LogLevelAndText(LogTag<I> entry, A... args) {
  return std::string(kLogLevelNames[MessageOf(I).level]) + ": " + LogText(entry, args...);
}

}  // namespace qel

// QEL_LOG(Name, arguments...): logs entry Name of the list with the caller's line number.
#define QEL_LOG(...) ::qel::LogAt(__LINE__, ::qel::msg::__VA_ARGS__)
