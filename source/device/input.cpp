#include "device/input.h"

#include "frame/boundary.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

constexpr int32_t kVkShift = 16, kVkControl = 17, kVkBackspace = 8, kVkTab = 9, kVkEnter = 13;
constexpr int32_t kVkPageUp = 33, kVkPageDown = 34, kVkEnd = 35, kVkHome = 36;
constexpr int32_t kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40, kVkDelete = 46;

// Which Nuklear key a row feeds, the host key behind it, and what Ctrl must be.
enum class Ctrl { kAny, kDown, kUp };
struct KeyRow {
  nk_keys key;
  int32_t host_key;
  Ctrl ctrl;
};

// Fed in this order on every frame the throttle lets keys through.
const KeyRow kKeyTable[] = {
    {NK_KEY_SHIFT, kVkShift, Ctrl::kAny},
    {NK_KEY_DEL, kVkDelete, Ctrl::kAny},
    {NK_KEY_ENTER, kVkEnter, Ctrl::kAny},
    {NK_KEY_TAB, kVkTab, Ctrl::kAny},
    {NK_KEY_BACKSPACE, kVkBackspace, Ctrl::kAny},
    {NK_KEY_TEXT_START, kVkHome, Ctrl::kAny},
    {NK_KEY_SCROLL_START, kVkHome, Ctrl::kDown},
    {NK_KEY_TEXT_END, kVkEnd, Ctrl::kAny},
    {NK_KEY_SCROLL_END, kVkEnd, Ctrl::kDown},
    {NK_KEY_SCROLL_DOWN, kVkPageDown, Ctrl::kAny},
    {NK_KEY_SCROLL_UP, kVkPageUp, Ctrl::kAny},
    {NK_KEY_TEXT_UNDO, 'Z', Ctrl::kDown},
    {NK_KEY_TEXT_REDO, 'R', Ctrl::kDown},
    {NK_KEY_COPY, 'C', Ctrl::kDown},
    {NK_KEY_PASTE, 'V', Ctrl::kDown},
    {NK_KEY_CUT, 'X', Ctrl::kDown},
    {NK_KEY_TEXT_LINE_START, 'B', Ctrl::kDown},
    {NK_KEY_TEXT_LINE_END, 'E', Ctrl::kDown},
    {NK_KEY_UP, kVkUp, Ctrl::kAny},
    {NK_KEY_DOWN, kVkDown, Ctrl::kAny},
    {NK_KEY_TEXT_WORD_LEFT, kVkLeft, Ctrl::kDown},
    {NK_KEY_LEFT, kVkLeft, Ctrl::kUp},
    {NK_KEY_TEXT_WORD_RIGHT, kVkRight, Ctrl::kDown},
    {NK_KEY_RIGHT, kVkRight, Ctrl::kUp},
};
static_assert(sizeof kKeyTable / sizeof kKeyTable[0] == 24, "the key table has 24 rows");

// The throttle: a pressed key is fed at once, then held back until the summed frame times
// pass the repeat delay, then fed once per interval. Only keys wait; mouse and text never do.
bool KeysPassThrottle(HostCommandTable& host, InputState& state) {
  const int32_t key = host.GETRAWLASTKEY_L_0();
  if (key == 0) return true;
  if (host.GETRAWKEYPRESSED_L_L(key)) {
    state.key_repeat_timer = kKeyRepeatDelay;
    return true;
  }
  if (state.key_repeat_timer > 0.0f) {
    state.key_repeat_timer -= host.GETFRAMETIME_F_0();
    return false;
  }
  if (host.GETRAWKEYSTATE_L_L(key)) state.key_repeat_timer = kKeyRepeatInterval;
  return true;
}

void FeedKeys(HostCommandTable& host, nk_context* ctx) {
  const bool ctrl = host.GETRAWKEYSTATE_L_L(kVkControl) != 0;
  for (const KeyRow& row : kKeyTable) {
    bool down = host.GETRAWKEYSTATE_L_L(row.host_key) != 0;
    if (row.ctrl == Ctrl::kDown) down = down && ctrl;
    if (row.ctrl == Ctrl::kUp) down = down && !ctrl;
    nk_input_key(ctx, row.key, down ? 1 : 0);
  }
}

void FeedLeftButton(HostCommandTable& host, nk_context* ctx, InputState& state, int px, int py) {
  const uint32_t now = static_cast<uint32_t>(host.GETMILLISECONDS_L_0());
  if (ctx->input.mouse.buttons[NK_BUTTON_DOUBLE].down) {
    state.last_click_time = 0;
    nk_input_button(ctx, NK_BUTTON_DOUBLE, px, py, 0);
  }
  if (host.GETRAWMOUSELEFTPRESSED_L_0()) {
    nk_input_button(ctx, NK_BUTTON_LEFT, px, py, 1);
  } else if (host.GETRAWMOUSELEFTRELEASED_L_0()) {
    // A time of 0 is a real clock reading (the clock may start at 0), so whether there is an
    // earlier click to pair with is kept apart from its time.
    if (state.have_last_click && now - state.last_click_time <= kDoubleClickTime) {
      nk_input_button(ctx, NK_BUTTON_DOUBLE, px, py, 1);
      state.have_last_click = false;  // a third release starts over
    } else {
      state.last_click_time = now;
      state.have_last_click = true;
    }
    nk_input_button(ctx, NK_BUTTON_LEFT, px, py, 0);
  }
}

// Control characters (Backspace, Tab, Enter, Escape as the host's character messages carry
// them) already act through their keys; fed as text, an edit field would insert them too.
bool IsTypedText(nk_rune rune) { return rune >= 32 && rune != 127 && rune != NK_UTF_INVALID; }

// Every character typed this frame, in order. Nuklear's text buffer is sized for a whole
// frame of typing, so none is dropped; only characters beyond three UTF-8 bytes, which
// Nuklear cannot hold, are skipped whole.
void FeedText(HostCommandTable& host, nk_context* ctx) {
  if (host.GETCHARBUFFERLENGTH_L_0() <= 0) return;
  const char* text = host.GETCHARBUFFER_S_0();
  if (!text) {
    // A host without the character buffer still tells the last character.
    const nk_rune last = static_cast<nk_rune>(host.GETLASTCHAR_L_0());
    if (IsTypedText(last)) nk_input_unicode(ctx, last);
    return;
  }
  const int length = LabelLength(text);
  int at = 0;
  while (at < length) {
    nk_rune rune = 0;
    const int used = nk_utf_decode(text + at, &rune, length - at);
    if (used <= 0) break;
    if (IsTypedText(rune)) nk_input_unicode(ctx, rune);
    at += used;
  }
}

}  // namespace

InputState& Input() { return State().input; }

void TranslateInput(nk_context* ctx, float x, float y) {
  if (!ctx) return;
  HostCommandTable& host = HostCommands();
  InputState& state = Input();
  if (KeysPassThrottle(host, state)) FeedKeys(host, ctx);

  const int px = host.FLOOR_L_F(x);
  const int py = host.FLOOR_L_F(y);
  FeedLeftButton(host, ctx, state, px, py);
  nk_input_button(ctx, NK_BUTTON_RIGHT, px, py, host.GETRAWMOUSERIGHTSTATE_L_0() ? 1 : 0);
  nk_input_button(ctx, NK_BUTTON_MIDDLE, px, py, host.GETRAWMOUSEMIDDLESTATE_L_0() ? 1 : 0);
  const float wheel_x = host.GETRAWMOUSEWHEELDELTA_F_0();
  const float wheel_y = host.GETRAWMOUSEWHEELDELTA_F_0();
  nk_input_scroll(ctx, nk_vec2(wheel_x, wheel_y));
  nk_input_motion(ctx, px, py);
  FeedText(host, ctx);
}

}  // namespace qel

using namespace qel;

void HandleInput1(float x, float y) {
  nk_context* ctx = Context();
  if (!ctx) return;
  nk_input_begin(ctx);
  TranslateInput(ctx, x, y);
  nk_input_end(ctx);
}

void HandleInput0() { HandleInput1(HostCommands().GETRAWMOUSEX_F_0(), HostCommands().GETRAWMOUSEY_F_0()); }
