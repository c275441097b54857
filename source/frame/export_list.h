// The one list of the plug-in's exports.
//
// Each line: X(result type, Name, (parameters), "what it returns or does"). From this list
// come the checked prototypes (exports.h), the Windows export list, the host-style command
// names (Init1 -> Init1_L_L) and the reference page, all through tools/export_manifest.cpp,
// and the test that every export resolves by name in the built library.
//
// Types at the boundary are only int32_t, uint32_t, float, const char* and char*.
#pragma once

#define QEL_EXPORT_LIST(X)                                                                          \
  /* [SECTION] lifecycle and frame */                                                               \
  X(int32_t, Init0, (), "start-up with the library's own style; 1 when the context exists")         \
  X(int32_t, Init1, (int32_t mode), "start-up; mode > 0 applies the built-in theme, 2 its light variant; 1 when the context exists") \
  X(void, Sync, (), "one whole host frame: update, render, draw the interface, swap")                \
  X(void, Render, (int32_t anti_aliasing), "draws the interface only, inside a frame the host drives") \
  X(void, LogSetLocation, (const char* path), "log path used by the next Init1; empty keeps the current one") \
  X(void, FixedVirtualResolution, (int32_t flag), "non-zero draws into the render image shown by a screen-fixed sprite") \
  X(int32_t, GetQelRenderImage, (), "id of the render image the interface draws into in fixed mode") \
  X(int32_t, GetQelRenderSprite, (), "id of the sprite that shows the render image")                  \
  X(int32_t, GetMemblockInterface, (), "id of the 2048-byte interface memblock")                     \
  X(int32_t, GetLastEditEvent, (), "flags of the last EditString call")                          \
  /* [SECTION] input */                                                                             \
  X(void, HandleInput0, (), "feeds this frame's host input, mouse at the host's raw position")      \
  X(void, HandleInput1, (float x, float y), "feeds this frame's host input, mouse at (x, y) in interface pixels") \
  /* [SECTION] windows */                                                                           \
  X(int32_t, WindowBegin, (const char* name, float x, float y, float w, float h, int32_t flags), "opens the window (name as title), flags OR-ed with the frame's extra flags; nonzero while its body is to be filled") \
  X(int32_t, WindowBeginTitled, (const char* name, const char* title, float x, float y, float w, float h, int32_t flags), "WindowBegin with a header text of its own") \
  X(void, WindowEnd, (), "ends the current window; releases a held left button outside the virtual screen") \
  X(int32_t, WindowGetBounds, (), "interface memblock: the current window's bounds (4 floats)")      \
  X(float, WindowGetBoundX, (), "the current window's x; 0 without one")                             \
  X(float, WindowGetBoundY, (), "the current window's y; 0 without one")                             \
  X(float, WindowGetBoundWidth, (), "the current window's width; 0 without one")                     \
  X(float, WindowGetBoundHeight, (), "the current window's height; 0 without one")                   \
  X(int32_t, WindowGetPosition, (), "interface memblock: the current window's x, y (2 floats)")      \
  X(int32_t, WindowGetSize, (), "interface memblock: the current window's width, height (2 floats)") \
  X(float, WindowGetWidth, (), "the current window's width; 0 without one")                          \
  X(float, WindowGetHeight, (), "the current window's height; 0 without one")                        \
  X(int32_t, WindowGetContentRegion, (), "interface memblock: the current panel's clipping rectangle (4 floats)") \
  X(int32_t, WindowGetContentRegionMin, (), "interface memblock: the clipping rectangle's top-left corner") \
  X(int32_t, WindowGetContentRegionMax, (), "interface memblock: the clipping rectangle's bottom-right corner") \
  X(int32_t, WindowGetContentRegionSize, (), "interface memblock: the clipping rectangle's width, height") \
  X(float, WindowGetContentRegionX, (), "the clipping rectangle's x; 0 without a window")             \
  X(float, WindowGetContentRegionY, (), "the clipping rectangle's y; 0 without a window")             \
  X(float, WindowGetContentRegionWidth, (), "the clipping rectangle's width; 0 without a window")     \
  X(float, WindowGetContentRegionHeight, (), "the clipping rectangle's height; 0 without a window")   \
  X(int32_t, WindowGetPanelBounds, (), "interface memblock: the bounds of the current panel (4 floats)") \
  X(int32_t, WindowGetScroll, (), "interface memblock: the current window's scroll offsets (2 unsigned 32-bit integers)") \
  X(int32_t, WindowGetFlags, (), "the current window's flags, state bits included; 0 without one")   \
  X(int32_t, WindowHasFocus, (), "1 when the current window is the active one")                      \
  X(int32_t, WindowIsHovered, (), "1 when the mouse is over the current window")                     \
  X(int32_t, WindowIsAnyHovered, (), "1 when the mouse is over any window (asked inside a window)")   \
  X(int32_t, WindowIsAnyActive, (), "1 when any window is hovered or the last widget was modified (asked inside a window)") \
  X(int32_t, WindowIsActive, (const char* name), "1 when the named window is the active one")        \
  X(int32_t, WindowIsClosed, (const char* name), "1 when the named window is closed or not found")   \
  X(int32_t, WindowIsHidden, (const char* name), "8192 when the named window is hidden, 0 when shown, 1 when not found") \
  X(int32_t, WindowIsCollapsed, (const char* name), "32768 when the named window is collapsed, else 0") \
  X(void, WindowClose, (const char* name), "closes the named window unless it is the current one")  \
  X(void, WindowCollapse, (const char* name, int32_t state), "state 0 collapses the named window, any other value expands it") \
  X(void, WindowCollapseIf, (const char* name, int32_t state, int32_t cond), "WindowCollapse when cond is nonzero") \
  X(void, WindowShow, (const char* name, int32_t state), "state 0 hides the named window, any other value shows it") \
  X(void, WindowShowIf, (const char* name, int32_t state, int32_t cond), "WindowShow when cond is nonzero") \
  X(void, WindowSetBounds, (const char* name, float x, float y, float w, float h), "sets the named window's bounds") \
  X(void, WindowSetPosition, (const char* name, float x, float y), "sets the named window's position") \
  X(void, WindowSetSize, (const char* name, float w, float h), "sets the named window's size")       \
  X(void, WindowSetFocus, (const char* name), "makes the named window active and draws it on top; none when not found") \
  X(void, WindowSetScroll, (int32_t x, int32_t y), "sets the current window's scroll offsets")       \
  X(void, WindowStore, (int32_t index, const char* name), "stored handle 0 to 31 := the named window, or empty") \
  X(void, WindowStoreCanvas, (int32_t index), "stored handle 0 to 31 := the current window's canvas, or empty") \
  X(void, WindowStorePanel, (int32_t index), "stored handle 0 to 31 := the current panel, or empty")   \
  X(int32_t, WindowGetStoredPanelBounds, (int32_t index), "interface memblock: the stored panel's bounds now; zeros when empty or once that panel has ended") \
  /* [SECTION] layout */                                                                            \
  X(void, LayoutRow, (int32_t fmt, float height, const char* ratios), "a row with one column per number of a list such as [0.25,0.5,0.25]; fmt 0 ratios, any other pixels") \
  X(void, LayoutRowDynamic, (float height, int32_t cols), "a row of cols equal columns sharing the width") \
  X(void, LayoutRowStatic, (float height, int32_t item_width, int32_t cols), "a row of cols columns of item_width pixels") \
  X(void, LayoutRowBegin, (int32_t fmt, float height, int32_t cols), "a row whose columns are pushed one by one; fmt 0 ratios, any other pixels") \
  X(void, LayoutRowPush, (float value), "the next column of a begun row: a ratio or a pixel width")   \
  X(void, LayoutRowEnd, (), "ends a begun row")                                                      \
  X(void, LayoutRowTemplateBegin, (float height), "a template row; its columns are pushed before its widgets") \
  X(void, LayoutRowTemplatePushDynamic, (), "a template column that takes a share of what is left")   \
  X(void, LayoutRowTemplatePushVariable, (float min_width), "a template column of at least min_width that grows") \
  X(void, LayoutRowTemplatePushStatic, (float width), "a template column of width pixels (16 columns at most)") \
  X(void, LayoutRowTemplateEnd, (), "ends the template row's columns")                               \
  X(void, LayoutSpaceBegin, (int32_t fmt, float height, int32_t widget_count), "a free layout space; fmt 1 pixels, any other ratios") \
  X(void, LayoutSpacePush, (float x, float y, float w, float h), "where the next widget of the space goes") \
  X(void, LayoutSpaceEnd, (), "does nothing: the space ends with the next row")                      \
  X(int32_t, LayoutSpaceBounds, (), "interface memblock: the space's rectangle (4 floats)")          \
  X(int32_t, LayoutSpaceToScreen, (float x, float y), "interface memblock: the point in screen coordinates (2 floats)") \
  X(int32_t, LayoutSpaceToLocal, (float x, float y), "interface memblock: the point in space coordinates (2 floats)") \
  X(int32_t, LayoutSpaceRectToScreen, (float x, float y, float w, float h), "interface memblock: the rectangle in screen coordinates") \
  X(int32_t, LayoutSpaceRectToLocal, (float x, float y, float w, float h), "interface memblock: the rectangle in space coordinates") \
  X(int32_t, LayoutWidgetBounds, (), "interface memblock: the bounds the next widget of the row would get") \
  X(float, LayoutRatioFromPixel, (float pixel_width), "the pixel width as a share (0 to 1) of the current window's width") \
  X(void, LayoutSetMinRowHeight, (float height), "minimum row height of the current panel")          \
  X(void, LayoutResetMinRowHeight, (), "restores the current panel's default minimum row height")    \
  /* [SECTION] groups, popups, tooltips and contextual menus */ \
  X(int32_t, GroupBegin, (const char* title, int32_t flags), "scrollable group in the next cell, the title also its name; 1 when its body is to be filled") \
  X(int32_t, GroupBeginTitled, (const char* name, const char* title, int32_t flags), "GroupBegin with a name apart from its header text") \
  X(void, GroupEnd, (), "ends the group being filled") \
  X(int32_t, PopupBegin, (int32_t type, const char* title, int32_t flags, float x, float y, float w, float h), "popup of the current window (type 0 fixed, 1 shrinking to its content), the rectangle relative to the window's content; 1 while open") \
  X(void, PopupClose, (), "closes the popup being filled") \
  X(void, PopupEnd, (), "ends the popup being filled") \
  X(int32_t, PopupGetScrollX, (), "horizontal scroll offset of the window or popup being filled") \
  X(int32_t, PopupGetScrollY, (), "vertical scroll offset of the window or popup being filled") \
  X(void, PopupSetScroll, (int32_t x, int32_t y), "sets the scroll offsets of the window or popup being filled, taken as unsigned") \
  X(int32_t, TooltipBegin0, (float width, float offset_x, float offset_y), "tooltip of that width at the pointer moved by the offset, kept inside the virtual screen; 1 when it is to be filled") \
  X(int32_t, TooltipBegin1, (float width), "TooltipBegin0 with no offset") \
  X(void, TooltipEnd, (), "ends the tooltip being filled") \
  X(void, Tooltip0, (const char* text, float offset_x, float offset_y), "one-line text tooltip at the pointer moved by the offset; a vertical offset of 0 puts it above the pointer") \
  X(void, Tooltip1, (const char* text), "Tooltip0 with no offset") \
  X(int32_t, ContextualBegin, (int32_t flags, float w, float h, float trigger_x, float trigger_y, float trigger_w, float trigger_h), "contextual menu of size (w, h) opened by a right click on the trigger rectangle; 1 while open") \
  X(void, ContextualClose, (), "closes the contextual menu being filled") \
  X(void, ContextualEnd, (), "ends the contextual menu being filled") \
  /* [SECTION] canvas */ \
  X(void, StrokeLine, (int32_t canvas, float x0, float y0, float x1, float y1, float thickness, int32_t color), "line on a stored canvas") \
  X(void, StrokeCurve, (int32_t canvas, float ax, float ay, float c0x, float c0y, float c1x, float c1y, float bx, float by, float thickness, int32_t color), "cubic Bezier curve on a stored canvas") \
  X(void, StrokeRect, (int32_t canvas, float x, float y, float w, float h, float rounding, float thickness, int32_t color), "rectangle outline on a stored canvas") \
  X(void, StrokeCircle, (int32_t canvas, float x, float y, float w, float h, float thickness, int32_t color), "outline of the ellipse inscribed in the rectangle on a stored canvas") \
  X(void, StrokeArc, (int32_t canvas, float cx, float cy, float radius, float a_min, float a_max, float thickness, int32_t color), "arc from a_min to a_max radians on a stored canvas") \
  X(void, StrokeTriangle, (int32_t canvas, float x0, float y0, float x1, float y1, float x2, float y2, float thickness, int32_t color), "triangle outline on a stored canvas") \
  X(void, FillRect, (int32_t canvas, float x, float y, float w, float h, float rounding, int32_t color), "filled rectangle on a stored canvas") \
  X(void, FillRectMultiColor, (int32_t canvas, float x, float y, float w, float h, int32_t left, int32_t top, int32_t right, int32_t bottom), "rectangle blended from its corner colours top-left, top-right, bottom-right, bottom-left on a stored canvas") \
  X(void, FillCircle, (int32_t canvas, float x, float y, float w, float h, int32_t color), "filled ellipse inscribed in the rectangle on a stored canvas") \
  X(void, FillArc, (int32_t canvas, float cx, float cy, float radius, float a_min, float a_max, int32_t color), "filled sector from a_min to a_max radians on a stored canvas") \
  X(void, FillTriangle, (int32_t canvas, float x0, float y0, float x1, float y1, float x2, float y2, int32_t color), "filled triangle on a stored canvas") \
  X(void, DrawImage0, (int32_t canvas, float x, float y, float w, float h, int32_t slot, int32_t color), "the slot's image stretched over the rectangle, tinted, on a stored canvas") \
  X(void, DrawImage1, (int32_t canvas, float x, float y, float w, float h, const char* name, int32_t color), "DrawImage0 with the image found by name") \
  X(void, DrawText, (int32_t canvas, float x, float y, float w, float h, const char* text, const char* font, int32_t background, int32_t foreground), "text in a registered font inside the rectangle on a stored canvas, shortened to fit") \
  /* [SECTION] input and widget queries */ \
  X(int32_t, InputIsKeyDown, (int32_t key), "1 while the key (0 to 29) is held") \
  X(int32_t, InputIsKeyPressed, (int32_t key), "1 when the key went down this frame") \
  X(int32_t, InputIsKeyReleased, (int32_t key), "1 when the key went up this frame") \
  X(int32_t, InputIsMouseDown, (int32_t button), "1 while the mouse button (0 left, 1 middle, 2 right, 3 double) is held") \
  X(int32_t, InputIsMousePressed, (int32_t button), "1 when the button went down this frame") \
  X(int32_t, InputIsMouseReleased, (int32_t button), "1 when the button went up this frame") \
  X(int32_t, InputHasMouseClick, (int32_t button), "1 when the button was clicked this frame and is now up") \
  X(int32_t, InputHasMouseClickInRect, (int32_t button, float x, float y, float w, float h), "1 when the button's last press or release lay in the rectangle, in any frame") \
  X(int32_t, InputHasMouseClickDownInRect, (int32_t button, float x, float y, float w, float h, int32_t down), "InputHasMouseClickInRect and the button's down state equals down") \
  X(int32_t, InputIsMouseClickInRect, (int32_t button, float x, float y, float w, float h), "1 when the button was released in the rectangle this frame") \
  X(int32_t, InputIsMouseClickDownInRect, (int32_t button, float x, float y, float w, float h, int32_t down), "1 when the button changed this frame in the rectangle and its down state equals down") \
  X(int32_t, InputAnyMouseClickInRect, (float x, float y, float w, float h), "InputIsMouseClickInRect for any of the four buttons") \
  X(int32_t, InputIsMouseHoveringRect, (float x, float y, float w, float h), "1 when the mouse is in the rectangle") \
  X(int32_t, InputIsMousePrevHoveringRect, (float x, float y, float w, float h), "1 when the mouse was in the rectangle last frame") \
  X(int32_t, InputMouseClicked, (int32_t button, float x, float y, float w, float h), "1 when the mouse is over the rectangle and the button was released in it this frame") \
  X(float, InputGetMouseDeltaX, (), "the mouse's x movement since last frame") \
  X(float, InputGetMouseDeltaY, (), "the mouse's y movement since last frame") \
  X(int32_t, Widget, (), "takes the next cell; interface memblock: its bounds (4 floats), its layout state kept for WidgetGetLastState") \
  X(int32_t, WidgetFitting, (), "the same as Widget") \
  X(int32_t, WidgetGetLastState, (), "layout state of the last Widget call: -1 none yet, 0 not visible, 1 visible, 2 visible without input") \
  X(int32_t, WidgetBounds, (), "interface memblock: the bounds the next cell would get (4 floats), the cell not taken") \
  X(int32_t, WidgetPosition, (), "interface memblock: the next cell's x, y (2 floats)") \
  X(int32_t, WidgetSize, (), "interface memblock: the next cell's width, height (2 floats)") \
  X(float, WidgetWidth, (), "the next cell's width; 0 without a window") \
  X(float, WidgetHeight, (), "the next cell's height; 0 without a window") \
  X(int32_t, WidgetIsHovered, (), "1 when the mouse is over the next cell of the active window") \
  X(int32_t, WidgetIsMouseClicked, (int32_t button), "1 when the button was released over the next cell of the active window this frame") \
  X(int32_t, WidgetHasMouseClickDown, (int32_t button, int32_t down), "1 when the button's last press or release lay in the next cell of the active window and its down state equals down") \
  X(void, Spacing, (int32_t cols), "skips cols cells of the current row, wrapping to later rows") \
  /* [SECTION] text and labels */                                                                   \
  X(void, Label, (const char* text, int32_t alignment), "a line of text in the next cell, in the text style's colour") \
  X(void, LabelColored, (const char* text, int32_t alignment, int32_t color), "Label in a packed colour (red in the low byte, alpha in the high)") \
  X(void, LabelWrap, (const char* text), "word-wrapped text in the next cell")                       \
  X(void, LabelColoredWrap, (const char* text, int32_t color), "LabelWrap in a packed colour")       \
  X(void, Text, (const char* text, int32_t length, int32_t alignment), "Label of the text's first length bytes") \
  X(void, TextColored, (const char* text, int32_t length, int32_t alignment, int32_t color), "Text in a packed colour") \
  X(void, TextWrap, (const char* text, int32_t length), "LabelWrap of the text's first length bytes") \
  X(void, TextWrapColored, (const char* text, int32_t length, int32_t color), "TextWrap in a packed colour") \
  /* [SECTION] images */                                                                            \
  X(int32_t, ImageCreate0, (const char* name, int32_t host_image, float x, float y, float w, float h), "names the region of a host image (w, h <= 0: the whole size); the number of named images") \
  X(int32_t, ImageCreate1, (const char* name, int32_t host_image), "names a whole host image; the number of named images") \
  X(int32_t, ImageCreate2, (int32_t host_image), "interface memblock: the 16-byte record of a whole host image") \
  X(int32_t, ImageToSlot0, (int32_t slot, int32_t host_image, float x, float y, float w, float h), "puts the region of a host image into a slot; the number of slots") \
  X(int32_t, ImageToSlot1, (int32_t slot, int32_t host_image), "puts a whole host image into a slot; the number of slots") \
  X(int32_t, ImageExists0, (int32_t slot), "1 when the slot holds an image")                          \
  X(int32_t, ImageExists1, (const char* name), "1 when an image has that name")                       \
  X(void, Image0, (int32_t slot), "the slot's image stretched over the next cell")                    \
  X(void, Image1, (const char* name), "the named image stretched over the next cell")                 \
  X(void, ImageColor0, (int32_t slot, int32_t color), "Image0 tinted with a packed colour")           \
  X(void, ImageColor1, (const char* name, int32_t color), "Image1 tinted with a packed colour")        \
  X(int32_t, ButtonMemblockImage, (int32_t memblock), "image button of the record at the start of a host memblock; 1 when clicked") \
  /* [SECTION] buttons */                                                                           \
  X(int32_t, ButtonLabel, (const char* label), "push button with a label; 1 when it fired this frame (the click is then used up)") \
  X(int32_t, ButtonText, (const char* text, int32_t length), "ButtonLabel of the text's first length bytes") \
  X(int32_t, ButtonColor, (int32_t color), "push button filled with a packed colour; 1 when it fired") \
  X(int32_t, ButtonSymbol, (int32_t symbol), "push button showing a symbol number; 1 when it fired")  \
  X(int32_t, ButtonSymbolLabel, (int32_t symbol, const char* label, int32_t alignment), "push button with a symbol and a label; 1 when it fired") \
  X(int32_t, ButtonSymbolText, (int32_t symbol, const char* text, int32_t length, int32_t alignment), "ButtonSymbolLabel of the text's first length bytes") \
  X(int32_t, ButtonImage0, (int32_t slot), "push button showing the slot's image; 1 when it fired")  \
  X(int32_t, ButtonImage1, (const char* name), "push button showing the named image; 1 when it fired") \
  X(int32_t, ButtonImageLabel0, (int32_t slot, const char* label, int32_t alignment), "push button with the slot's image and a label; 1 when it fired") \
  X(int32_t, ButtonImageLabel1, (const char* name, const char* label, int32_t alignment), "push button with the named image and a label; 1 when it fired") \
  X(int32_t, ButtonImageText0, (int32_t slot, const char* text, int32_t length, int32_t alignment), "ButtonImageLabel0 of the text's first length bytes") \
  X(int32_t, ButtonImageText1, (const char* name, const char* text, int32_t length, int32_t alignment), "ButtonImageLabel1 of the text's first length bytes") \
  X(void, ButtonSetBehavior, (int32_t behavior), "0: buttons fire once per click; 1: they fire every frame they are held") \
  X(int32_t, ButtonPushBehavior, (int32_t behavior), "saves the button behaviour (8 deep) and sets another; 1 when saved") \
  X(int32_t, ButtonPopBehavior, (), "restores the last saved button behaviour; 1 when there was one") \
  /* [SECTION] styled buttons */                                                                    \
  X(int32_t, ButtonLabelStyled, (const char* style, const char* label), "ButtonLabel drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonTextStyled, (const char* style, const char* text, int32_t length), "ButtonText drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonSymbolStyled, (const char* style, int32_t symbol), "ButtonSymbol drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonSymbolLabelStyled, (const char* style, int32_t symbol, const char* label, int32_t alignment), "ButtonSymbolLabel drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonSymbolTextStyled, (const char* style, int32_t symbol, const char* text, int32_t length, int32_t alignment), "ButtonSymbolText drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonImageStyled0, (const char* style, int32_t slot), "ButtonImage0 drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonImageStyled1, (const char* style, const char* name), "ButtonImage1 drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonImageLabelStyled0, (const char* style, int32_t slot, const char* label, int32_t alignment), "ButtonImageLabel0 drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonImageLabelStyled1, (const char* style, const char* name, const char* label, int32_t alignment), "ButtonImageLabel1 drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonImageTextStyled0, (const char* style, int32_t slot, const char* text, int32_t length, int32_t alignment), "ButtonImageText0 drawn with a named button style; 1 when it fired") \
  X(int32_t, ButtonImageTextStyled1, (const char* style, const char* name, const char* text, int32_t length, int32_t alignment), "ButtonImageText1 drawn with a named button style; 1 when it fired") \
  /* [SECTION] value widgets */ \
  X(int32_t, CheckLabel, (const char* label, int32_t active), "check box; its new state 0/1") \
  X(int32_t, CheckText, (const char* text, int32_t length, int32_t active), "CheckLabel of the text's first length bytes") \
  X(int32_t, CheckFlagsLabel, (const char* label, int32_t flags, int32_t value), "check box of the bits of value in flags; the new flags") \
  X(int32_t, CheckFlagsText, (const char* text, int32_t length, int32_t flags, int32_t value), "CheckFlagsLabel of the text's first length bytes") \
  X(int32_t, OptionLabel, (const char* label, int32_t active), "radio option; its new state 0/1") \
  X(int32_t, OptionText, (const char* text, int32_t length, int32_t active), "OptionLabel of the text's first length bytes") \
  X(int32_t, SelectLabel, (const char* label, int32_t alignment, int32_t value), "selectable item, toggled by a click; its new value 0/1") \
  X(int32_t, SelectText, (const char* text, int32_t length, int32_t alignment, int32_t value), "SelectLabel of the text's first length bytes") \
  X(int32_t, SelectSymbolLabel, (int32_t symbol, const char* label, int32_t alignment, int32_t value), "selectable item with a symbol; its new value") \
  X(int32_t, SelectSymbolText, (int32_t symbol, const char* text, int32_t length, int32_t alignment, int32_t value), "SelectSymbolLabel of the text's first length bytes") \
  X(int32_t, SelectImageLabel0, (int32_t slot, const char* label, int32_t alignment, int32_t value), "selectable item with the slot's image; its new value") \
  X(int32_t, SelectImageLabel1, (const char* name, const char* label, int32_t alignment, int32_t value), "selectable item with the named image; its new value") \
  X(int32_t, SelectImageText0, (int32_t slot, const char* text, int32_t length, int32_t alignment, int32_t value), "SelectImageLabel0 of the text's first length bytes") \
  X(int32_t, SelectImageText1, (const char* name, const char* text, int32_t length, int32_t alignment, int32_t value), "SelectImageLabel1 of the text's first length bytes") \
  X(float, SlideFloat, (float min, float value, float max, float step), "slider; the new value") \
  X(int32_t, SlideInteger, (int32_t min, int32_t value, int32_t max, int32_t step), "slider of whole numbers; the new value") \
  X(uint32_t, Progress, (uint32_t current, uint32_t max, int32_t modifiable), "progress bar, dragged only when modifiable is nonzero; the new current") \
  X(int32_t, PropertyInt, (const char* name, int32_t min, int32_t value, int32_t max, int32_t step, float pixel_step), "number field with buttons, dragging and typing; the new value") \
  X(float, PropertyFloat, (const char* name, float min, float value, float max, float step, float pixel_step), "PropertyInt of a float") \
  X(int32_t, ColorPicker, (float red, float green, float blue, float alpha, int32_t format), "colour picker (format 1 with an alpha bar); the packed colour, each component limited to 0 to 1") \
  X(int32_t, Switch, (const char* label, int32_t state), "on/off switch toggled by a press on its track; the new state 0/1") \
  X(float, Spin, (const char* name, float min, float value, float max, float step, int32_t decimals, int32_t filter), "number field with minus and plus buttons that repeat while held; any filter is taken as none; the new value") \
  X(float, SpinFloat, (const char* name, float min, float value, float max, float step, int32_t decimals), "spinner of a float shown with decimals places (0 to 99)") \
  X(int32_t, SpinInt, (const char* name, int32_t min, int32_t value, int32_t max, int32_t step), "spinner of a whole number") \
  /* [SECTION] text editing */                                                                          \
  X(char*, EditString, (int32_t flags, const char* text, int32_t max, int32_t filter), "text field of at most max bytes (filter 0-6: default, ascii, float, decimal, hex, octal, binary; others none); the text passed in, or the edited text in the call where the edit ends") \
  X(int32_t, EditGetCursorPosition, (), "cursor of the field edited last, in characters; 0 without a context") \
  X(void, EditSetCursorPosition, (int32_t position), "moves the cursor of the edited field (negative is 0)") \
  X(int32_t, EditGetMarkStart, (), "start of the selection, the smaller end; 0 without a context")      \
  X(int32_t, EditGetMarkEnd, (), "end of the selection, the larger end; 0 without a context")           \
  X(void, EditSetMarkStart, (int32_t position), "sets one end of the selection (negative is 0)")        \
  X(void, EditSetMarkEnd, (int32_t position), "sets the other end of the selection (negative is 0)")    \
  /* [SECTION] charts */                                                                                \
  X(int32_t, ChartBegin, (int32_t type, int32_t count, float min, float max), "line (0) or column (1) chart of count values in the chart style's colours; 1 when it began") \
  X(int32_t, ChartBeginColored, (int32_t type, int32_t color, int32_t highlight, int32_t count, float min, float max), "ChartBegin in these packed colours") \
  X(void, ChartAddSlot, (int32_t type, int32_t count, float min, float max), "adds a value series (up to 4) in the chart style's colours") \
  X(void, ChartAddSlotColored, (int32_t type, int32_t color, int32_t highlight, int32_t count, float min, float max), "ChartAddSlot in these packed colours") \
  X(int32_t, ChartPush, (float value), "pushes a value, held to the series' range, to series 0; 1 hovered, 2 clicked; 0 when nothing was drawn") \
  X(int32_t, ChartPushSlot, (float value, int32_t slot), "ChartPush to the series of that number")      \
  X(void, ChartEnd, (), "ends the chart of the current window")                                         \
  /* [SECTION] combos and menus */                                                                      \
  X(int32_t, ComboBeginLabel, (const char* label, float width, float height), "combo header showing the label; 1 while its popup of that size is open") \
  X(int32_t, ComboBeginText, (const char* text, int32_t length, float width, float height), "ComboBeginLabel of the text's first length bytes") \
  X(int32_t, ComboBeginColor0, (int32_t red, int32_t green, int32_t blue, int32_t alpha, float width, float height), "combo header showing a colour of four components (low byte of each); 1 while open") \
  X(int32_t, ComboBeginColor1, (int32_t color, float width, float height), "combo header showing a packed colour; 1 while open") \
  X(int32_t, ComboBeginSymbol, (int32_t symbol, float width, float height), "combo header showing a symbol; 1 while open") \
  X(int32_t, ComboBeginSymbolLabel, (const char* label, int32_t symbol, float width, float height), "combo header showing a symbol and a label; 1 while open") \
  X(int32_t, ComboBeginSymbolText, (const char* text, int32_t length, int32_t symbol, float width, float height), "ComboBeginSymbolLabel of the text's first length bytes") \
  X(int32_t, ComboBeginImage0, (int32_t slot, float width, float height), "combo header showing the image of a slot; 1 while open") \
  X(int32_t, ComboBeginImage1, (const char* name, float width, float height), "combo header showing a named image; 1 while open") \
  X(int32_t, ComboBeginImageLabel0, (const char* label, int32_t slot, float width, float height), "combo header showing a slot's image and a label; 1 while open") \
  X(int32_t, ComboBeginImageLabel1, (const char* label, const char* name, float width, float height), "combo header showing a named image and a label; 1 while open") \
  X(int32_t, ComboBeginImageText0, (const char* text, int32_t length, int32_t slot, float width, float height), "ComboBeginImageLabel0 of the text's first length bytes") \
  X(int32_t, ComboBeginImageText1, (const char* text, int32_t length, const char* name, float width, float height), "ComboBeginImageLabel1 of the text's first length bytes") \
  X(int32_t, ComboSeparator, (const char* items, int32_t separator, int32_t selected, int32_t count, int32_t item_height, float width, float height), "whole combo over the pieces of items between separator characters (at most count); the selected index") \
  X(int32_t, ComboItemLabel, (const char* label, int32_t alignment), "item of an open combo, menu or contextual menu; 1 when clicked, which closes the popup") \
  X(int32_t, ComboItemText, (const char* text, int32_t length, int32_t alignment), "ComboItemLabel of the text's first length bytes") \
  X(int32_t, ComboItemSymbolLabel, (int32_t symbol, const char* label, int32_t alignment), "item with a symbol; 1 when clicked") \
  X(int32_t, ComboItemSymbolText, (int32_t symbol, const char* text, int32_t length, int32_t alignment), "ComboItemSymbolLabel of the text's first length bytes") \
  X(int32_t, ComboItemImageLabel0, (int32_t slot, const char* label, int32_t alignment), "item with a slot's image; 1 when clicked") \
  X(int32_t, ComboItemImageLabel1, (const char* name, const char* label, int32_t alignment), "item with a named image; 1 when clicked") \
  X(int32_t, ComboItemImageText0, (int32_t slot, const char* text, int32_t length, int32_t alignment), "ComboItemImageLabel0 of the text's first length bytes") \
  X(int32_t, ComboItemImageText1, (const char* name, const char* text, int32_t length, int32_t alignment), "ComboItemImageLabel1 of the text's first length bytes") \
  X(void, ComboClose, (), "closes the current combo, menu or contextual menu at its end")               \
  X(void, ComboEnd, (), "ends the current combo, menu or contextual menu")                              \
  X(int32_t, MenuItemLabel, (const char* label, int32_t alignment), "ComboItemLabel under another name") \
  X(int32_t, MenuItemText, (const char* text, int32_t length, int32_t alignment), "ComboItemText under another name") \
  X(int32_t, MenuItemSymbolLabel, (int32_t symbol, const char* label, int32_t alignment), "ComboItemSymbolLabel under another name") \
  X(int32_t, MenuItemSymbolText, (int32_t symbol, const char* text, int32_t length, int32_t alignment), "ComboItemSymbolText under another name") \
  X(int32_t, MenuItemImageLabel0, (int32_t slot, const char* label, int32_t alignment), "ComboItemImageLabel0 under another name") \
  X(int32_t, MenuItemImageLabel1, (const char* name, const char* label, int32_t alignment), "ComboItemImageLabel1 under another name") \
  X(int32_t, MenuItemImageText0, (int32_t slot, const char* text, int32_t length, int32_t alignment), "ComboItemImageText0 under another name") \
  X(int32_t, MenuItemImageText1, (const char* name, const char* text, int32_t length, int32_t alignment), "ComboItemImageText1 under another name") \
  X(void, MenuClose, (), "ComboClose under another name")                                               \
  X(void, MenuEnd, (), "ComboEnd under another name")                                                   \
  X(int32_t, ContextualItemLabel, (const char* label, int32_t alignment), "ComboItemLabel under another name") \
  X(int32_t, ContextualItemText, (const char* text, int32_t length, int32_t alignment), "ComboItemText under another name") \
  X(int32_t, ContextualItemSymbolLabel, (int32_t symbol, const char* label, int32_t alignment), "ComboItemSymbolLabel under another name") \
  X(int32_t, ContextualItemSymbolText, (int32_t symbol, const char* text, int32_t length, int32_t alignment), "ComboItemSymbolText under another name") \
  X(int32_t, ContextualItemImageLabel0, (int32_t slot, const char* label, int32_t alignment), "ComboItemImageLabel0 under another name") \
  X(int32_t, ContextualItemImageLabel1, (const char* name, const char* label, int32_t alignment), "ComboItemImageLabel1 under another name") \
  X(int32_t, ContextualItemImageText0, (int32_t slot, const char* text, int32_t length, int32_t alignment), "item with a slot's image and the text's first length bytes; 1 when clicked") \
  X(int32_t, ContextualItemImageText1, (const char* name, const char* text, int32_t length, int32_t alignment), "item with a named image and the text's first length bytes; 1 when clicked") \
  X(void, MenubarBegin, (), "starts the menu bar; the first thing after WindowBegin")                   \
  X(void, MenubarEnd, (), "ends the menu bar begun in the current panel")                               \
  X(int32_t, MenuBeginLabel, (const char* label, int32_t alignment, float width, float height), "menu header showing the label; 1 while its popup of that size is open") \
  X(int32_t, MenuBeginText, (const char* text, int32_t length, int32_t alignment, float width, float height), "MenuBeginLabel of the text's first length bytes") \
  X(int32_t, MenuBeginSymbol, (const char* id, int32_t symbol, float width, float height), "menu header showing a symbol, named by id; 1 while open") \
  X(int32_t, MenuBeginSymbolLabel, (const char* label, int32_t alignment, int32_t symbol, float width, float height), "menu header showing a symbol and a label; 1 while open") \
  X(int32_t, MenuBeginSymbolText, (const char* text, int32_t length, int32_t alignment, int32_t symbol, float width, float height), "MenuBeginSymbolLabel of the text's first length bytes") \
  X(int32_t, MenuBeginImage0, (const char* id, int32_t slot, float width, float height), "menu header showing a slot's image, named by id; 1 while open") \
  X(int32_t, MenuBeginImage1, (const char* id, const char* name, float width, float height), "menu header showing a named image, named by id; 1 while open") \
  X(int32_t, MenuBeginImageLabel0, (const char* label, int32_t alignment, int32_t slot, float width, float height), "menu header showing a slot's image and a label; 1 while open") \
  X(int32_t, MenuBeginImageLabel1, (const char* label, int32_t alignment, const char* name, float width, float height), "menu header showing a named image and a label; 1 while open") \
  X(int32_t, MenuBeginImageText0, (const char* text, int32_t length, int32_t alignment, int32_t slot, float width, float height), "MenuBeginImageLabel0 of the text's first length bytes") \
  X(int32_t, MenuBeginImageText1, (const char* text, int32_t length, int32_t alignment, const char* name, float width, float height), "MenuBeginImageLabel1 of the text's first length bytes") \
  X(int32_t, DropDownImage, (const char* const* names, int32_t count, int32_t selected, int32_t visible_rows), "button showing the selected image of count named images, opening a column of them (native callers); the selected index, -1 without names") \
  X(int32_t, DropDownImageSeparator, (const char* names, int32_t separator, int32_t count, int32_t selected, int32_t visible_rows), "DropDownImage over the pieces of names between separator characters (at most count)") \
  /* [SECTION] trees */                                                                                 \
  X(int32_t, TreePush, (int32_t type, const char* title, int32_t state), "tree node keyed by title and the frame's push count; 1 while open (then TreeStatePop)") \
  X(int32_t, TreePushID, (int32_t type, const char* title, int32_t state, int32_t id), "TreePush seeded with id") \
  X(int32_t, TreePushHashed, (int32_t type, const char* title, int32_t state, const char* hash, int32_t length, int32_t seed), "tree node keyed by the caller's hash bytes and seed; 1 while open") \
  X(int32_t, TreeImagePush0, (int32_t type, int32_t slot, const char* title, int32_t state), "TreePush with a slot's image") \
  X(int32_t, TreeImagePush1, (int32_t type, const char* name, const char* title, int32_t state), "TreePush with a named image") \
  X(int32_t, TreeImagePushID0, (int32_t type, int32_t slot, const char* title, int32_t state, int32_t id), "TreePushID with a slot's image") \
  X(int32_t, TreeImagePushID1, (int32_t type, const char* name, const char* title, int32_t state, int32_t id), "TreePushID with a named image") \
  X(int32_t, TreeImagePushHashed0, (int32_t type, int32_t slot, const char* title, int32_t state, const char* hash, int32_t length, int32_t seed), "TreePushHashed with a slot's image") \
  X(int32_t, TreeImagePushHashed1, (int32_t type, const char* name, const char* title, int32_t state, const char* hash, int32_t length, int32_t seed), "TreePushHashed with a named image") \
  X(int32_t, TreeElementPush, (int32_t type, const char* title, int32_t state, int32_t selected), "selectable tree node keyed by title and the frame's push count; 1 while open; its new selected flag in TreeGetLastElementValue") \
  X(int32_t, TreeElementPushID, (int32_t type, const char* title, int32_t state, int32_t selected, int32_t id), "selectable tree node keyed by title and id (no counting)") \
  X(int32_t, TreeElementPushHashed, (int32_t type, const char* title, int32_t state, int32_t selected, const char* hash, int32_t length, int32_t seed), "selectable tree node keyed by the caller's hash bytes and seed") \
  X(int32_t, TreeElementImagePush0, (int32_t type, int32_t slot, const char* title, int32_t state, int32_t selected), "TreeElementPush with a slot's image") \
  X(int32_t, TreeElementImagePush1, (int32_t type, const char* name, const char* title, int32_t state, int32_t selected), "TreeElementPush with a named image") \
  X(int32_t, TreeElementImagePushID0, (int32_t type, int32_t slot, const char* title, int32_t state, int32_t selected, int32_t id), "selectable node with a slot's image keyed by title, push count and id") \
  X(int32_t, TreeElementImagePushID1, (int32_t type, const char* name, const char* title, int32_t state, int32_t selected, int32_t id), "selectable node with a named image keyed by title, push count and id") \
  X(int32_t, TreeElementImagePushHashed0, (int32_t type, int32_t slot, const char* title, int32_t state, int32_t selected, const char* hash, int32_t length, int32_t seed), "TreeElementPushHashed with a slot's image") \
  X(int32_t, TreeElementImagePushHashed1, (int32_t type, const char* name, const char* title, int32_t state, int32_t selected, const char* hash, int32_t length, int32_t seed), "TreeElementPushHashed with a named image") \
  X(int32_t, TreeStatePush, (int32_t type, const char* title, int32_t state), "tree node whose open state the script keeps; the state after a click on the header flips it") \
  X(int32_t, TreeStateImagePush0, (int32_t type, int32_t slot, const char* title, int32_t state), "TreeStatePush with a slot's image") \
  X(int32_t, TreeStateImagePush1, (int32_t type, const char* name, const char* title, int32_t state), "TreeStatePush with a named image") \
  X(void, TreeStatePop, (), "ends the content of the innermost open tree node")                         \
  X(int32_t, TreeGetLastElementValue, (), "the selected flag the last element push left")               \
  /* [SECTION] fonts */                                                                             \
  X(void, FontStashBegin, (), "opens a new font atlas for TrueType fonts")                          \
  X(void, FontStashEnd, (), "bakes the open atlas; with no font added the built-in font becomes the style font") \
  X(int32_t, FontAtlasAddFromFile, (const char* id, const char* path, float size), "adds a TrueType font read through the host to the open atlas; 1 when added") \
  X(int32_t, FontAtlasAddFromSystem, (const char* id, const char* file, float size), "FontAtlasAddFromFile with a file of the system font folder") \
  X(void, FontAddFromFile, (const char* id, const char* path, float size), "adds a TrueType font at an operating-system path to the open atlas; a taken id is skipped silently") \
  X(int32_t, FontAtlasAddQelFont0, (int32_t image, const char* id, const char* image_file), "bitmap font from a host image and its subimages file, loaded into that image id when above 0; the image id, or 0") \
  X(int32_t, FontAtlasAddQelFont1, (const char* id, const char* image_file), "FontAtlasAddQelFont0 into a new host image") \
  X(void, FontAddGlyphRange, (uint32_t first, uint32_t last), "adds a range of characters to what later TrueType fonts bake (up to 32)") \
  X(void, FontSetGlyphRange, (int32_t index), "later TrueType fonts bake built-in range table 0 to 5: Latin-1, Chinese, Cyrillic, Korean, Japanese, Greek") \
  X(float, FontGetHeight, (), "height of the style font; 0 without one")                             \
  X(float, FontGetLabelWidth, (const char* text), "width of the text in the style font; 0 without one") \
  X(float, FontGetTextWidth, (const char* text, int32_t length), "width of the first length bytes of the text in the style font; 0 without one") \
  /* [SECTION] style */                                                                             \
  X(void, StyleSetFont, (const char* id), "makes the font registered under the id the live style's font") \
  /* [SECTION] style tables and stack */                                                            \
  X(void, StyleMakeImage0, (const char* name, int32_t host_image), "names a whole host image for style items; a taken name is kept") \
  X(void, StyleMakeImage1, (const char* name, int32_t host_image, int32_t x, int32_t y, int32_t w, int32_t h), "names a region of a host image for style items; a taken name is kept") \
  X(void, StyleSetContext, (const char* name), "copies a named widget style over the live style of its widget; nothing to pop") \
  X(void, StylePush, (const char* name), "saves the live style of the named style's widget on the stack (1024 deep) and sets the named style over it") \
  X(void, StylePop, (), "restores the live style saved by the latest push, whatever its widget") \
  /* [SECTION] style items */                                                                       \
  X(int32_t, StyleMakeItem0, (const char* name, int32_t color), "names a colour item of a packed colour; 1 when made") \
  X(int32_t, StyleMakeItem2, (const char* name, const char* image, int32_t x, int32_t y, int32_t w, int32_t h), "names an item of a region of a named image (x, y < 0 and w, h < 1: the image's own region); 1 when made") \
  X(int32_t, StyleMakeItem3, (const char* name, const char* image, int32_t x, int32_t y, int32_t w, int32_t h, float left, float top, float right, float bottom), "StyleMakeItem2 drawn in nine slices with these borders; 1 when made") \
  X(int32_t, StyleGetItemSize, (), "36, the bytes of a style item in memory blocks")               \
  /* [SECTION] style properties */                                                                  \
  X(int32_t, StyleSetContextProperty, (const char* widget, const char* property, const char* value), "sets one field of the live style of a widget by property name from a text value; 1 when the widget name is known") \
  X(char*, StyleGetContextProperty, (const char* widget, const char* property), "one field of the live style of a widget as text (nested structures by paths such as button.rounding); empty when nothing matches") \
  /* [SECTION] style documents */                                                                       \
  X(void, StyleLoadFromFile, (const char* file), "applies the style document in a file of the media folder: its images, style items, widget styles and live style") \
  X(void, StyleLoadFromString, (const char* xml), "applies a style document given as text; its images are found in the media folder") \
  X(int32_t, StyleMake, (const char* name, const char* tag), "names a widget style made from one widget element over a copy of the live style; 1 when made") \
  X(int32_t, StyleMakeItem1, (const char* tag), "names a style item made from one styleitem element; 1 when made") \
  /* [SECTION] style memory blocks */                                                                   \
  X(int32_t, StyleCreateMemblock0, (int32_t widget, int32_t memblock), "copies the live style of widget type 1 to 20 (20: the window header) into memblock id, made (or remade) for it; the id, 0 when refused") \
  X(int32_t, StyleCreateMemblock1, (const char* name, int32_t widget, int32_t memblock), "StyleCreateMemblock0, and names the block; the id, 0 when refused") \
  X(int32_t, StyleCreateMemblock2, (int32_t widget), "StyleCreateMemblock0 into a new memblock; its id, 0 when refused") \
  X(int32_t, StyleCreateMemblock3, (const char* name, int32_t widget), "StyleCreateMemblock1 into a new memblock; its id, 0 when refused") \
  X(void, StyleDeleteMemblock0, (const char* name), "deletes the named style block and forgets its name") \
  X(void, StyleSetFromMemblock0, (const char* name), "copies the named style block over the live style of its widget type") \
  X(void, StyleSetFromMemblock1, (int32_t widget, int32_t memblock), "copies a style block over the live style of widget type 3 to 20") \
  X(void, StylePushMemblock0, (int32_t widget, int32_t memblock), "pushes the live style of the widget type on the style stack, then copies the block over it") \
  X(void, StylePushMemblock1, (const char* name), "StylePushMemblock0 with the named style block")      \
  /* [SECTION] colour table */                                                                          \
  X(void, StyleColorTableBegin, (int32_t start), "starts a colour table of 28 slots: 0 all zero, any other value the library's default colours") \
  X(void, StyleColorTablePush, (int32_t slot, int32_t color), "colour slot 0 to 27 of the begun table := a packed colour") \
  X(void, StyleColorTableEnd, (), "rebuilds the whole live style from the table's 28 colours; the table is kept") \
  X(char*, StyleGetColorTable, (), "the table's packed colours as unsigned decimals joined by ';'; empty before any begin") \
  X(char*, StyleGetColorTableTags, (), "the table as 28 styleitem lines named after the slots, colours as 0xRRGGBBAA; empty before any begin") \
  /* [SECTION] cursors */                                                                               \
  X(int32_t, StyleMakeCursor, (const char* name, const char* item, float size_x, float size_y, float offset_x, float offset_y), "names a cursor drawn from an image style item (size 0 or less: the image's); 1 when made") \
  X(void, StyleReplaceCursor, (int32_t kind, const char* name), "cursor kind 0 to 6 of the live style := the named cursor") \
  X(int32_t, StyleSetCursor, (int32_t kind), "makes the cursor of kind 0 to 6 the active one; 1 when that kind has a cursor") \
  X(void, StyleShowCursor, (), "draws the active cursor at the mouse")                                  \
  X(void, StyleHideCursor, (), "stops drawing the cursor")
