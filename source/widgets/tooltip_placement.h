// Where a tooltip opens: at the mouse pointer moved by the script's offset, then pushed back
// inside the host's virtual screen. Pure arithmetic, so it can be checked without a window.
#pragma once

#include <cstdint>

namespace qel {

// The style values a tooltip is measured with.
struct TooltipStyle {
  float padding_y = 0;   // window padding y
  float spacing_y = 0;   // window spacing y
  float border = 0;      // tooltip border
  float font_height = 0;
};

// A tooltip's rectangle in screen pixels; its height is only the estimate that keeps one row
// inside the screen.
struct TooltipPlace {
  int32_t x = 0, y = 0, w = 0, h = 0;
};

TooltipPlace PlaceTooltip(float width, float mouse_x, float mouse_y, float offset_x, float offset_y,
                          const TooltipStyle& style, int32_t virtual_width, int32_t virtual_height);

// A float cut to an int32 the way floor/ceil/truncation would, but defined for every input:
// NaN gives 0 and values beyond the range give its ends.
int32_t FloorToInt(float value);
int32_t CeilToInt(float value);
int32_t TruncToInt(float value);

}  // namespace qel
