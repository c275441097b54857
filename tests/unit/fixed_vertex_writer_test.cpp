// The direct writer for our 20-byte vertex must produce exactly what Nuklear's layout-driven
// writer produces. The same frame is converted twice: once with our layout (direct writer)
// and once with the same layout listed in another order, which the direct writer does not
// recognise, so the layout-driven writer runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "nuklear_config.h"

namespace {

const nk_draw_vertex_layout_element kOurLayout[] = {{NK_VERTEX_POSITION, NK_FORMAT_FLOAT, 0},
                                                     {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, 8},
                                                     {NK_VERTEX_COLOR, NK_FORMAT_R8G8B8A8, 16},
                                                     {NK_VERTEX_LAYOUT_END}};
const nk_draw_vertex_layout_element kSameBytesOtherOrder[] = {{NK_VERTEX_COLOR, NK_FORMAT_R8G8B8A8, 16},
                                                              {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, 8},
                                                              {NK_VERTEX_POSITION, NK_FORMAT_FLOAT, 0},
                                                              {NK_VERTEX_LAYOUT_END}};

struct Converted {
  std::vector<unsigned char> vertices, elements, commands;
  unsigned vertex_count = 0;
  int direct_writer = 0;
  uint64_t digest = 0;  // of what a backend draws; see Digest
};

void Mix(uint64_t& digest, const void* data, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) digest = (digest ^ bytes[i]) * 0x100000001b3ull;  // FNV-1a
}

// What a backend draws from a conversion: the vertices, each index as a 32-bit value
// whatever the index type, and each draw command's count, clip rectangle and texture.
uint64_t Digest(nk_context* ctx, const nk_buffer* commands, const nk_buffer* vertices, const nk_buffer* elements) {
  uint64_t digest = 0xcbf29ce484222325ull;
  Mix(digest, vertices->memory.ptr, ctx->draw_list.vertex_count * 20u);
  const auto* indices = static_cast<const nk_draw_index*>(elements->memory.ptr);
  for (unsigned i = 0; i < ctx->draw_list.element_count; ++i) {
    const uint32_t index = indices[i];
    Mix(digest, &index, sizeof index);
  }
  const nk_draw_command* cmd;
  nk_draw_foreach(cmd, ctx, commands) {
    const uint32_t count = cmd->elem_count;
    const int texture = cmd->texture.id;
    Mix(digest, &count, sizeof count);
    Mix(digest, &cmd->clip_rect, sizeof cmd->clip_rect);
    Mix(digest, &texture, sizeof texture);
  }
  return digest;
}

class FixedVertexWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    nk_font_atlas_init_default(&atlas_);
    nk_font_atlas_begin(&atlas_);
    nk_font* font = nk_font_atlas_add_default(&atlas_, 14.0f, nullptr);
    int w = 0, h = 0;
    ASSERT_NE(nk_font_atlas_bake(&atlas_, &w, &h, NK_FONT_ATLAS_RGBA32), nullptr);
    nk_font_atlas_end(&atlas_, nk_handle_id(7), &null_);
    nk_init_default(&ctx_, &font->handle);
  }
  void TearDown() override {
    nk_free(&ctx_);
    nk_font_atlas_clear(&atlas_);
  }

  // One window of every kind of widget and canvas shape, so that each vertex-writing path
  // of the draw list (strokes thin and thick, convex fills, gradients, images, text) runs.
  void DescribeFrame() {
    if (nk_begin(&ctx_, "all", nk_rect(10, 10, 600, 900),
                 NK_WINDOW_BORDER | NK_WINDOW_MOVABLE | NK_WINDOW_SCALABLE | NK_WINDOW_TITLE | NK_WINDOW_CLOSABLE)) {
      nk_layout_row_dynamic(&ctx_, 24, 3);
      nk_label(&ctx_, "label", NK_TEXT_LEFT);
      nk_button_label(&ctx_, "button");
      nk_button_symbol(&ctx_, NK_SYMBOL_CIRCLE_SOLID);
      nk_button_symbol(&ctx_, NK_SYMBOL_TRIANGLE_DOWN);
      nk_button_color(&ctx_, nk_rgba(10, 200, 30, 128));
      nk_check_label(&ctx_, "check", nk_true);
      nk_option_label(&ctx_, "option", nk_true);
      nk_selectable_label(&ctx_, "select", NK_TEXT_LEFT, &selected_);
      nk_slider_float(&ctx_, 0.0f, &slider_, 1.0f, 0.1f);
      nk_progress(&ctx_, &progress_, 100, nk_true);
      nk_property_int(&ctx_, "#prop", 0, &property_, 100, 1, 1.0f);
      nk_edit_string_zero_terminated(&ctx_, NK_EDIT_FIELD, edit_, sizeof edit_, nk_filter_default);
      nk_layout_row_dynamic(&ctx_, 120, 1);
      nk_color_picker(&ctx_, picked_, NK_RGBA);
      nk_layout_row_dynamic(&ctx_, 80, 2);
      if (nk_chart_begin(&ctx_, NK_CHART_LINES, 8, 0.0f, 8.0f)) {
        for (int i = 0; i < 8; ++i) nk_chart_push(&ctx_, static_cast<float>((i * 5) % 8));
        nk_chart_end(&ctx_);
      }
      if (nk_chart_begin(&ctx_, NK_CHART_COLUMN, 8, 0.0f, 8.0f)) {
        for (int i = 0; i < 8; ++i) nk_chart_push(&ctx_, static_cast<float>(i));
        nk_chart_end(&ctx_);
      }
      nk_layout_row_dynamic(&ctx_, 24, 1);
      if (nk_tree_push(&ctx_, NK_TREE_TAB, "tree", NK_MAXIMIZED)) {
        nk_label(&ctx_, "inside", NK_TEXT_CENTERED);
        nk_tree_pop(&ctx_);
      }
      if (nk_combo_begin_label(&ctx_, "combo", nk_vec2(200, 100))) nk_combo_end(&ctx_);

      nk_layout_row_dynamic(&ctx_, 300, 1);
      struct nk_rect area;
      if (nk_widget(&area, &ctx_)) {
        nk_command_buffer* canvas = nk_window_get_canvas(&ctx_);
        const float x = area.x, y = area.y;
        nk_stroke_line(canvas, x, y, x + 100, y + 40, 1.0f, nk_rgb(255, 0, 0));
        nk_stroke_line(canvas, x, y + 10, x + 100, y + 70, 3.5f, nk_rgba(0, 255, 0, 90));
        nk_stroke_rect(canvas, nk_rect(x + 110, y, 60, 40), 6.0f, 2.0f, nk_rgb(1, 2, 3));
        nk_fill_rect(canvas, nk_rect(x + 180, y, 60, 40), 8.0f, nk_rgba(250, 128, 7, 200));
        nk_fill_rect_multi_color(canvas, nk_rect(x + 250, y, 60, 40), nk_rgb(255, 0, 0), nk_rgb(0, 255, 0),
                                 nk_rgba(0, 0, 255, 30), nk_rgba(255, 255, 255, 0));
        nk_stroke_circle(canvas, nk_rect(x, y + 80, 50, 50), 2.0f, nk_rgb(9, 99, 199));
        nk_fill_circle(canvas, nk_rect(x + 60, y + 80, 50, 30), nk_rgb(201, 3, 77));
        nk_stroke_arc(canvas, x + 150, y + 100, 25, 0.3f, 2.5f, 1.0f, nk_rgb(1, 1, 1));
        nk_fill_arc(canvas, x + 210, y + 100, 25, 0.3f, 4.0f, nk_rgb(100, 1, 1));
        nk_stroke_curve(canvas, x, y + 150, x + 40, y + 120, x + 80, y + 200, x + 120, y + 150, 2.0f,
                        nk_rgb(17, 34, 51));
        nk_stroke_triangle(canvas, x + 130, y + 150, x + 170, y + 150, x + 150, y + 190, 1.5f, nk_rgb(5, 6, 7));
        nk_fill_triangle(canvas, x + 180, y + 150, x + 220, y + 150, x + 200, y + 190, nk_rgba(70, 80, 90, 100));
        float polygon[] = {x + 230, y + 150, x + 280, y + 160, x + 270, y + 200, x + 240, y + 190};
        nk_fill_polygon(canvas, polygon, 4, nk_rgb(33, 44, 55));
        nk_stroke_polyline(canvas, polygon, 4, 2.0f, nk_rgb(66, 77, 88));
        nk_draw_image(canvas, nk_rect(x, y + 220, 64, 64), &image_, nk_rgba(255, 255, 255, 180));
        nk_draw_text(canvas, nk_rect(x + 80, y + 220, 200, 20), "canvas text", 11, ctx_.style.font,
                     nk_rgb(0, 0, 0), nk_rgb(250, 250, 0));
      }
    }
    nk_end(&ctx_);
  }

  Converted Convert(const nk_draw_vertex_layout_element* layout, nk_anti_aliasing aa) {
    nk_convert_config config{};
    config.vertex_layout = layout;
    config.vertex_size = 20;
    config.vertex_alignment = 4;
    config.null = null_;
    config.circle_segment_count = 22;
    config.curve_segment_count = 22;
    config.arc_segment_count = 22;
    config.global_alpha = 1.0f;
    config.shape_AA = aa;
    config.line_AA = aa;
    nk_buffer commands, vertices, elements;
    nk_buffer_init_default(&commands);
    nk_buffer_init_default(&vertices);
    nk_buffer_init_default(&elements);
    const nk_flags result = nk_convert(&ctx_, &commands, &vertices, &elements, &config);
    EXPECT_EQ(result, static_cast<nk_flags>(NK_CONVERT_SUCCESS));
    Converted out;
    const auto* v = static_cast<const unsigned char*>(vertices.memory.ptr);
    const auto* e = static_cast<const unsigned char*>(elements.memory.ptr);
    const auto* c = static_cast<const unsigned char*>(commands.memory.ptr);
    out.vertices.assign(v, v + vertices.allocated);
    out.elements.assign(e, e + elements.allocated);
    out.commands.assign(c, c + commands.allocated);
    out.vertex_count = ctx_.draw_list.vertex_count;
    out.direct_writer = ctx_.draw_list.fixed_vertex_layout;
    out.digest = Digest(&ctx_, &commands, &vertices, &elements);
    nk_buffer_free(&commands);
    nk_buffer_free(&vertices);
    nk_buffer_free(&elements);
    return out;
  }

  nk_font_atlas atlas_{};
  nk_draw_null_texture null_{};
  nk_context ctx_{};
  struct nk_image image_ = nk_image_id(3);
  int selected_ = nk_true;
  float slider_ = 0.4f;
  nk_size progress_ = 40;
  int property_ = 7;
  char edit_[32] = "edit text";
  nk_colorf picked_{0.2f, 0.6f, 0.9f, 0.5f};
};

TEST_F(FixedVertexWriter, WritesTheSameBytesAsTheLayoutDrivenWriter) {
  for (const nk_anti_aliasing aa : {NK_ANTI_ALIASING_OFF, NK_ANTI_ALIASING_ON}) {
    SCOPED_TRACE(aa == NK_ANTI_ALIASING_ON ? "anti-aliased" : "aliased");
    DescribeFrame();
    const Converted direct = Convert(kOurLayout, aa);
    const Converted described = Convert(kSameBytesOtherOrder, aa);
    nk_clear(&ctx_);

    EXPECT_EQ(direct.direct_writer, 1);
    EXPECT_EQ(described.direct_writer, 0);
    EXPECT_GT(direct.vertex_count, 1000u);  // the frame really drew a lot
    EXPECT_EQ(direct.vertex_count, described.vertex_count);
    ASSERT_EQ(direct.vertices.size(), described.vertices.size());
    EXPECT_TRUE(direct.vertices == described.vertices);
    EXPECT_TRUE(direct.elements == described.elements);
    EXPECT_TRUE(direct.commands == described.commands);
  }
}

// The frame as the layout-driven writer converted it before any of the faster paths, recorded
// once: the faster paths (the direct writer inlined, glyphs sharing their string's colour)
// must draw exactly the same, whichever writer runs.
TEST_F(FixedVertexWriter, DrawsWhatTheLayoutDrivenWriterDrewBeforeTheFasterPaths) {
  struct Recorded {
    nk_anti_aliasing aa;
    uint64_t digest;
  } const recorded[] = {
      {NK_ANTI_ALIASING_OFF, 0xd250f7cd640abc4eull},
      {NK_ANTI_ALIASING_ON, 0x2525c1864e060951ull},
  };
  for (const Recorded& r : recorded) {
    SCOPED_TRACE(r.aa == NK_ANTI_ALIASING_ON ? "anti-aliased" : "aliased");
    for (const nk_draw_vertex_layout_element* layout : {kOurLayout, kSameBytesOtherOrder}) {
      DescribeFrame();
      const Converted converted = Convert(layout, r.aa);
      nk_clear(&ctx_);
      EXPECT_EQ(converted.digest, r.digest);
    }
  }
}

// Only the exact layout is written directly; anything that differs in size, format, offset
// or length goes through the layout description.
TEST(FixedVertexLayout, IsRecognisedOnlyWhenExact) {
  const nk_draw_vertex_layout_element colour_float[] = {{NK_VERTEX_POSITION, NK_FORMAT_FLOAT, 0},
                                                        {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, 8},
                                                        {NK_VERTEX_COLOR, NK_FORMAT_R32G32B32A32_FLOAT, 16},
                                                        {NK_VERTEX_LAYOUT_END}};
  const nk_draw_vertex_layout_element bgra[] = {{NK_VERTEX_POSITION, NK_FORMAT_FLOAT, 0},
                                                {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, 8},
                                                {NK_VERTEX_COLOR, NK_FORMAT_B8G8R8A8, 16},
                                                {NK_VERTEX_LAYOUT_END}};
  const nk_draw_vertex_layout_element shifted_uv[] = {{NK_VERTEX_POSITION, NK_FORMAT_FLOAT, 0},
                                                      {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, 12},
                                                      {NK_VERTEX_COLOR, NK_FORMAT_R8G8B8A8, 16},
                                                      {NK_VERTEX_LAYOUT_END}};
  const nk_draw_vertex_layout_element no_colour[] = {{NK_VERTEX_POSITION, NK_FORMAT_FLOAT, 0},
                                                     {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, 8},
                                                     {NK_VERTEX_LAYOUT_END}};
  const nk_draw_vertex_layout_element extra[] = {{NK_VERTEX_POSITION, NK_FORMAT_FLOAT, 0},
                                                 {NK_VERTEX_TEXCOORD, NK_FORMAT_FLOAT, 8},
                                                 {NK_VERTEX_COLOR, NK_FORMAT_R8G8B8A8, 16},
                                                 {NK_VERTEX_COLOR, NK_FORMAT_R8G8B8A8, 20},
                                                 {NK_VERTEX_LAYOUT_END}};
  struct Case {
    const char* name;
    const nk_draw_vertex_layout_element* layout;
    nk_size vertex_size;
    int direct;
  } const cases[] = {
      {"ours", kOurLayout, 20, 1},
      {"ours in a wider vertex", kOurLayout, 24, 0},
      {"other order", kSameBytesOtherOrder, 20, 0},
      {"float colour", colour_float, 32, 0},
      {"bgra colour", bgra, 20, 0},
      {"uv elsewhere", shifted_uv, 20, 0},
      {"no colour", no_colour, 20, 0},
      {"one more element", extra, 24, 0},
  };
  nk_context ctx;
  nk_init_default(&ctx, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    nk_convert_config config{};
    config.vertex_layout = c.layout;
    config.vertex_size = c.vertex_size;
    config.vertex_alignment = 4;
    config.global_alpha = 1.0f;
    nk_buffer commands, vertices, elements;
    nk_buffer_init_default(&commands);
    nk_buffer_init_default(&vertices);
    nk_buffer_init_default(&elements);
    nk_convert(&ctx, &commands, &vertices, &elements, &config);
    EXPECT_EQ(ctx.draw_list.fixed_vertex_layout, c.direct);
    nk_buffer_free(&commands);
    nk_buffer_free(&vertices);
    nk_buffer_free(&elements);
  }
  nk_free(&ctx);
}

}  // namespace
