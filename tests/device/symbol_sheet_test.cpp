// A sheet of every symbol value 0 to 37, plain and with each modifier bit, drawn through the
// render device and saved as a PNG to be looked at by eye; the test checks what a machine
// can: which cells have ink, and that the reserved bit changes no pixel.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>

#include "device/symbols.h"
#include "device_fixture.h"
#include "frame/plugin_state.h"

namespace qel {
namespace {

constexpr int kColumns = 19;                   // values 0-18 on one row, 19-37 on the next
constexpr int kCellWidth = 44, kCellHeight = 56;
constexpr int kSide = 28;                      // the symbol's square, inset in its cell
constexpr int kLeft = 60, kTop = 8;            // room for the modifier names
constexpr int kWidth = kLeft + kColumns * kCellWidth + 8;
constexpr int kModifiers[] = {0, NK_SYMBOL_MOD_INVERTED, NK_SYMBOL_MOD_FRAMED, NK_SYMBOL_MOD_CIRCLED,
                              NK_SYMBOL_MOD_RESERVED};
constexpr int kHeight = kTop + 2 * static_cast<int>(std::size(kModifiers)) * kCellHeight;
constexpr nk_color kSheet{0, 0, 0, 255};
constexpr nk_color kForeground{255, 255, 255, 255};
constexpr nk_color kBackground{40, 80, 160, 255};  // shows where 0x40 draws in the background colour

struct Cell {
  int x, y;
};
Cell CellOf(int modifier_row, int value) {
  return {kLeft + (value % kColumns) * kCellWidth, kTop + (2 * modifier_row + value / kColumns) * kCellHeight};
}

// Pixels of a cell's symbol area (its label below excluded) that differ from the sheet.
int InkIn(const Pixels& screen, Cell cell) {
  int ink = 0;
  for (int y = cell.y; y < cell.y + kCellHeight - 14; ++y)
    for (int x = cell.x + 1; x < cell.x + kCellWidth - 1; ++x)
      if (screen.At(x, y) != 0xFF000000u) ++ink;
  return ink;
}

TEST(SymbolSheet, EverySymbolWithEveryModifierDrawsWhereItShould) {
  auto host = StartBoundHost(kWidth, kHeight);
  ASSERT_TRUE(host->ok());
  ASSERT_EQ(StartPlugin("symbol_sheet_test.log"), 1);
  FontStashBegin();
  FontStashEnd();  // the built-in font, for the text symbols and the labels
  host->MoveMouse(kWidth - 1, kHeight - 1);

  nk_context* ctx = Context();
  ctx->style.cursor_visible = nk_false;
  ctx->style.window.fixed_background = nk_style_item_color(kSheet);
  ctx->style.window.border = 0;
  HandleInput0();
  ASSERT_TRUE(nk_begin(ctx, "sheet", nk_rect(0, 0, kWidth, kHeight), NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BACKGROUND));
  nk_command_buffer* out = nk_window_get_canvas(ctx);
  const nk_user_font* font = ctx->style.font;
  const nk_color label{150, 150, 150, 255};
  for (int row = 0; row < static_cast<int>(std::size(kModifiers)); ++row) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(kModifiers[row]));
    const std::string text = kModifiers[row] ? hex : "none";
    const Cell first = CellOf(row, 0);
    nk_draw_text(out, nk_rect(4, static_cast<float>(first.y + 8), kLeft - 8, 14), text.c_str(),
                 static_cast<int>(text.size()), font, kSheet, label);
    for (int value = 0; value <= kSymbolCount; ++value) {
      const Cell cell = CellOf(row, value);
      const float x = static_cast<float>(cell.x + (kCellWidth - kSide) / 2), y = static_cast<float>(cell.y + 6);
      DrawSymbol(out, value | kModifiers[row], nk_rect(x, y, kSide, kSide), kBackground, kForeground, font);
      const std::string number = std::to_string(value);
      nk_draw_text(out, nk_rect(static_cast<float>(cell.x + 4), static_cast<float>(cell.y + kCellHeight - 14), kCellWidth - 8, 13),
                   number.c_str(), static_cast<int>(number.size()), font, kSheet, label);
    }
  }
  nk_end(ctx);
  Sync();
  const Pixels screen = host->Screen();
  ASSERT_EQ(screen.width, kWidth);

  const std::filesystem::path folder = QEL_SCREENSHOT_DIR;
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "symbols.png").string();
  ASSERT_TRUE(ReferenceHost::SavePng(screen, path));
  std::printf("symbol sheet written to %s\n", path.c_str());

  for (int row = 0; row < static_cast<int>(std::size(kModifiers)); ++row) {
    for (int value = 0; value <= kSymbolCount; ++value) {
      SCOPED_TRACE("symbol " + std::to_string(value) + " modifier " + std::to_string(kModifiers[row]));
      const int ink = InkIn(screen, CellOf(row, value));
      if (value == 0 || value == kSymbolCount) {
        EXPECT_EQ(ink, 0);
      } else {
        EXPECT_GT(ink, 0);
      }
    }
  }
  // The reserved bit draws no differently: its rows match the plain rows, up to the
  // rasteriser's rounding of anti-aliased edges at another height.
  const int reserved_row = static_cast<int>(std::size(kModifiers)) - 1;
  const int rows_apart = CellOf(reserved_row, 0).y - CellOf(0, 0).y;
  int differing = 0;
  for (int y = CellOf(0, 0).y; y < CellOf(0, 0).y + 2 * kCellHeight; ++y)
    for (int x = kLeft; x < kWidth; ++x) {
      const uint32_t a = screen.At(x, y), b = screen.At(x, y + rows_apart);
      for (int shift = 0; shift < 32; shift += 8) {
        const int da = static_cast<int>((a >> shift) & 0xFF), db = static_cast<int>((b >> shift) & 0xFF);
        if (da - db > 2 || db - da > 2) {
          ++differing;
          break;
        }
      }
    }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace qel
