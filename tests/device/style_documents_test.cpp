// Style documents, StyleMake and StyleMakeItem1 through the exports, watched in the plug-in's
// own tables and live style, and on the screen where a document changes what is drawn.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "device_fixture.h"
#include "frame/plugin_state.h"
#include "style/field_tables.h"
#include "style/style_items.h"

namespace qel {
namespace {

constexpr uint32_t kRed = 0xFF0000FFu, kGreen = 0xFF00FF00u, kMagenta = 0xFFFF00FFu, kWhite = 0xFFFFFFFFu;
constexpr int kImageW = 64, kImageH = 32, kBorder = 8;

// 64 x 32: red 8 x 8 corners, magenta edges, a white centre.
Pixels SliceImage() {
  Pixels image;
  image.width = kImageW;
  image.height = kImageH;
  image.rgba.resize(static_cast<size_t>(kImageW * kImageH * 4));
  for (int y = 0; y < kImageH; ++y)
    for (int x = 0; x < kImageW; ++x) {
      const bool edge_x = x < kBorder || x >= kImageW - kBorder, edge_y = y < kBorder || y >= kImageH - kBorder;
      const uint32_t c = edge_x && edge_y ? kRed : edge_x || edge_y ? kMagenta : kWhite;
      for (int k = 0; k < 4; ++k)
        image.rgba[static_cast<size_t>(4 * (y * kImageW + x) + k)] = static_cast<uint8_t>(c >> (8 * k));
    }
  return image;
}

// The example theme, its children in the order given.
std::string ExampleDocument(bool style_first) {
  const std::string image =
      R"(<image name="btn_img" file="ui/buttons.png" filter_min="linear" filter_mag="linear"/>)";
  const std::string items = R"(<styleitem name="red" color="0xFF0000FF"/>)"
                            R"(<styleitem name="btn_normal" image="btn_img" region="0,0,64,32" border="8,8,8,8"/>)";
  const std::string control =
      R"(<stylecontrol name="danger"><button normal="red" hover="btn_normal" rounding="4" text_alignment="text_centered"/></stylecontrol>)";
  const std::string style =
      R"(<style><window fixed_background="red" padding="6,6"><header align="header_right"><close_button normal="red"/></header></window></style>)";
  return "<theme>" + (style_first ? style + control + items + image : image + items + control + style) + "</theme>";
}

bool SameBytes(const void* a, const void* b, size_t size) { return std::memcmp(a, b, size) == 0; }

std::string ColorText(const nk_color& c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," + std::to_string(c.a);
}

// A host serving a media folder of this test's own, with ui/buttons.png in it, and the
// plug-in started with the built-in font.
class StyleDocuments : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::string folder_name = "style_documents_" + test;
    for (char& c : folder_name)
      if (c == '/') c = '_';
    media_ = ::testing::TempDir() + folder_name + "/media";
    std::filesystem::create_directories(media_ + "/ui");
    host_ = StartBoundHost(400, 300, media_);
    ASSERT_TRUE(host_->ok());
    ASSERT_TRUE(ReferenceHost::SavePng(SliceImage(), media_ + "/ui/buttons.png"));
    log_ = folder_name + ".log";
    ASSERT_EQ(StartPlugin(log_), 1);
    FontStashBegin();
    FontStashEnd();
    ctx_ = Context();
  }

  void WriteMedia(const std::string& name, const std::string& text) { std::ofstream(media_ + "/" + name) << text; }

  template <LogItem I, class... A>
  int Logged(LogTag<I> entry, A... args) {
    return LogCount(log_, LogText(entry, args...));
  }
  template <LogItem I>
  int Lines(LogTag<I> entry) {
    return LogCount(log_, entry);
  }

  const WidgetStyleRecord* Record(const char* name) { return State().style.widget_styles.Find(name); }
  const struct nk_style_item* Item(const char* name) { return FindStyleItem(name); }

  std::string media_, log_;
  std::unique_ptr<ReferenceHost> host_;
  nk_context* ctx_ = nullptr;
};

// ---- the example theme, from a file and from strings in either order ----

enum class Load { kFile, kString, kStringStyleFirst };

class ExampleTheme : public StyleDocuments, public ::testing::WithParamInterface<Load> {};

TEST_P(ExampleTheme, MakesItsImageItemsWidgetStyleAndLiveChanges) {
  const nk_style_button live_button = ctx_->style.button;
  GLuint engine_texture = 0;
  glGenTextures(1, &engine_texture);
  glBindTexture(GL_TEXTURE_2D, engine_texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 8);  // the engine's own pixel-store state, left as it is
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
  const int complaints = LogCount(log_, ": ERROR: ") + LogCount(log_, ": WARN: ");

  if (GetParam() == Load::kFile) {
    WriteMedia("theme.xml", ExampleDocument(false));
    StyleLoadFromFile("theme.xml");
    EXPECT_EQ(Lines(msg::StyleLoadFile), 1);
  } else {
    StyleLoadFromString(ExampleDocument(GetParam() == Load::kStringStyleFirst).c_str());
  }

  GLint bound = 0, alignment = 0, row_length = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glGetIntegerv(GL_UNPACK_ROW_LENGTH, &row_length);
  EXPECT_EQ(static_cast<GLuint>(bound), engine_texture);
  EXPECT_EQ(alignment, 8);
  EXPECT_EQ(row_length, 3);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);

  // The image: a texture of its own, its filters, the whole image.
  const struct nk_image* image = Images().named.Find("btn_img");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->w, kImageW);
  EXPECT_EQ(image->h, kImageH);
  EXPECT_EQ(image->region[2], 0);
  const GLuint texture = static_cast<GLuint>(image->handle.id);
  ASSERT_TRUE(glIsTexture(texture));
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint min_filter = 0, mag_filter = 0, width = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag_filter);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  EXPECT_EQ(min_filter, GL_LINEAR);
  EXPECT_EQ(mag_filter, GL_LINEAR);
  EXPECT_EQ(width, kImageW);
  glBindTexture(GL_TEXTURE_2D, 0);

  // The items.
  const struct nk_style_item* red = Item("red");
  ASSERT_NE(red, nullptr);
  EXPECT_EQ(red->type, NK_STYLE_ITEM_COLOR);
  EXPECT_EQ(ColorText(red->data.color), "255,0,0,255");
  const struct nk_style_item* slice = Item("btn_normal");
  ASSERT_NE(slice, nullptr);
  EXPECT_EQ(slice->type, NK_STYLE_ITEM_NINE_SLICE);
  EXPECT_EQ(slice->data.slice.img.handle.id, image->handle.id);
  const nk_ushort* region = slice->data.slice.img.region;
  EXPECT_EQ(std::vector<int>({region[0], region[1], region[2], region[3]}), std::vector<int>({0, 0, 64, 32}));
  EXPECT_EQ(slice->data.slice.l + slice->data.slice.t + slice->data.slice.r + slice->data.slice.b, 32.0f);

  // The widget style: the live button of the moment with three items and two fields changed.
  const WidgetStyleRecord* danger = Record("danger");
  ASSERT_NE(danger, nullptr);
  ASSERT_NE(danger->Button(), nullptr);
  const nk_style_button& button = *danger->Button();
  EXPECT_EQ(danger->widget, 4);
  EXPECT_TRUE(SameBytes(&button.normal, red, sizeof *red));
  EXPECT_TRUE(SameBytes(&button.hover, slice, sizeof *slice));
  EXPECT_EQ(button.rounding, 4.0f);
  EXPECT_EQ(button.text_alignment, static_cast<nk_flags>(NK_TEXT_CENTERED));
  EXPECT_TRUE(SameBytes(&button.active, &live_button.active, sizeof button.active));
  EXPECT_EQ(button.padding.x, live_button.padding.x);
  EXPECT_TRUE(SameBytes(&ctx_->style.button, &live_button, sizeof live_button));  // the live one untouched

  // The live window.
  const nk_style_window& window = ctx_->style.window;
  EXPECT_TRUE(SameBytes(&window.fixed_background, red, sizeof *red));
  EXPECT_EQ(window.padding.x, 6.0f);
  EXPECT_EQ(window.padding.y, 6.0f);
  EXPECT_EQ(window.header.align, NK_HEADER_RIGHT);
  EXPECT_TRUE(SameBytes(&window.header.close_button.normal, red, sizeof *red));
  EXPECT_TRUE(SameBytes(&window.header.minimize_button, &live_button, sizeof live_button));

  EXPECT_EQ(LogCount(log_, ": ERROR: ") + LogCount(log_, ": WARN: "), complaints);
}

INSTANTIATE_TEST_SUITE_P(Loads, ExampleTheme, ::testing::Values(Load::kFile, Load::kString, Load::kStringStyleFirst),
                         [](const ::testing::TestParamInfo<Load>& info) {
                           return info.param == Load::kFile ? "File" : info.param == Load::kString ? "String"
                                                                                                   : "StringStyleFirst";
                         });

// ---- what a document draws ----

class DrawnTheme : public StyleDocuments, public ::testing::WithParamInterface<const char*> {};

TEST_P(DrawnTheme, NineSliceButtonAndHeaderButtonsOnTheirSide) {
  const std::string align = GetParam();
  StyleLoadFromString((R"(<theme>
      <style>
        <button normal="slice" hover="slice" active="slice" border="0" rounding="0"/>
        <window><header align=")" + align + R"("><close_button normal="green" hover="green"/></header></window>
      </style>
      <styleitem name="slice" image="sheet" border="8,8,8,8"/>
      <styleitem name="green" color="0,255,0"/>
      <image name="sheet" file="ui/buttons.png"/>
    </theme>)").c_str());
  host_->MoveMouse(399, 299);
  HandleInput0();
  ASSERT_TRUE(WindowBegin("themed", 0, 0, 400, 300, 8 /* closable */ | 64 /* title */));
  LayoutRowStatic(40, 100, 1);
  ButtonLabel("");
  WindowEnd();
  Sync();
  const Pixels screen = host_->Screen();

  // The button: red corners that keep 8 pixels, magenta edges, a white centre.
  int bx = -1, by = -1;
  for (int y = 0; y < screen.height && bx < 0; ++y)
    for (int x = 0; x < screen.width; ++x)
      if (screen.At(x, y) == kRed) {
        bx = x, by = y;
        break;
      }
  ASSERT_GE(bx, 0);
  EXPECT_EQ(screen.At(bx + kBorder - 1, by + kBorder - 1), kRed);
  EXPECT_EQ(screen.At(bx + 99, by + 39), kRed);
  EXPECT_EQ(screen.At(bx + 50, by + 1), kMagenta);
  EXPECT_EQ(screen.At(bx + 50, by + 20), kWhite);
  EXPECT_EQ(screen.At(bx + 20, by + 20), kWhite);

  // The close button, green, on the header's side the document chose.
  int green_left = screen.width, green_right = -1;
  for (int y = 0; y < by; ++y)
    for (int x = 0; x < screen.width; ++x)
      if (screen.At(x, y) == kGreen) green_left = std::min(green_left, x), green_right = std::max(green_right, x);
  ASSERT_GE(green_right, 0);
  if (align == "header_left") {
    EXPECT_LT(green_right, 100);
  } else {
    EXPECT_GT(green_left, 300);
  }
}

INSTANTIATE_TEST_SUITE_P(Sides, DrawnTheme, ::testing::Values("header_left", "header_right"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// ---- value syntaxes ----

TEST_F(StyleDocuments, ColourSyntaxes) {
  struct Case {
    const char* color;
    const char* rgba;  // null: refused
  };
  const Case cases[] = {
      {"0xFF0000FF", "255,0,0,255"}, {"0x#00ff0080", "0,255,0,128"}, {"255,0,0", "255,0,0,255"},
      {"1.0,0,0", "255,0,0,255"},    {",255,,0,0,", "255,0,0,255"},  {"300,-5,0,7", "255,0,0,7"},
      {"0.5,1,0,0.5", "128,255,0,128"}, {"2.0,-1.0,0", "255,0,0,255"}, {"1,2,3,4,5", "1,2,3,4"},
      {"0xFF0000", nullptr},         {"0xFF0000FF00", nullptr},      {"0xFF0000F", nullptr},
      {"0xGG0000FF", nullptr},       {"0x", nullptr},                {"255,0", nullptr},
      {"1.0", nullptr},              {",,,", nullptr},
  };
  ASSERT_EQ(StyleMakeItem0("probe", 0x11223344), 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.color);
    const std::string tag = std::string(R"(<styleitem name="probe" color=")") + c.color + R"("/>)";
    const int before = Lines(msg::StyleColorRefused);
    const nk_style_item kept = *Item("probe");
    EXPECT_EQ(StyleMakeItem1(tag.c_str()), c.rgba ? 1 : 0);
    if (c.rgba) {
      EXPECT_EQ(Item("probe")->type, NK_STYLE_ITEM_COLOR);
      EXPECT_EQ(ColorText(Item("probe")->data.color), c.rgba);
    } else {
      EXPECT_EQ(Logged(msg::StyleColorRefused, c.color, "probe"), 1);
      EXPECT_TRUE(SameBytes(Item("probe"), &kept, sizeof kept));  // nothing set from it
    }
    EXPECT_EQ(Lines(msg::StyleColorRefused), before + (c.rgba ? 0 : 1));
  }
}

TEST_F(StyleDocuments, RegionsBordersAndVec2NumberLists) {
  const int errors = LogCount(log_, ": ERROR: ");
  StyleLoadFromString(R"(<t><image name="sheet" file="ui/buttons.png"/></t>)");
  struct Case {
    const char* attributes;
    int type;
    std::vector<int> region;  // x, y, w, h
    std::vector<float> borders;
  };
  const Case cases[] = {
      {R"(image="sheet")", NK_STYLE_ITEM_IMAGE, {0, 0, 64, 32}, {}},
      {R"(image="sheet" region=",4,,5,")", NK_STYLE_ITEM_IMAGE, {4, 5, 60, 27}, {}},
      {R"(image="sheet" region="8,4,16")", NK_STYLE_ITEM_IMAGE, {8, 4, 16, 28}, {}},
      {R"(image="sheet" region="0,0,1000,-7")", NK_STYLE_ITEM_IMAGE, {0, 0, 64, 0}, {}},
      {R"(image="sheet" region="abc,2")", NK_STYLE_ITEM_IMAGE, {0, 2, 64, 30}, {}},
      {R"(image="sheet" border="1,,2,3")", NK_STYLE_ITEM_NINE_SLICE, {0, 0, 64, 32}, {1, 2, 3, 0}},
      {R"(image="sheet" region="0,0,16,16" border="4,99,nan,-1")", NK_STYLE_ITEM_NINE_SLICE, {0, 0, 16, 16}, {4, 0, 0, 0}},
      {R"(image="Sheet" border="1,1,1,1")", NK_STYLE_ITEM_COLOR, {}, {}},  // no such image
      {R"(color="" image="sheet")", NK_STYLE_ITEM_IMAGE, {0, 0, 64, 32}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.attributes);
    ASSERT_EQ(StyleMakeItem1((std::string(R"(<styleitem name="probe" )") + c.attributes + "/>").c_str()), 1);
    const struct nk_style_item& item = *Item("probe");
    EXPECT_EQ(item.type, c.type);
    if (c.type == NK_STYLE_ITEM_COLOR) {
      EXPECT_EQ(ColorText(item.data.color), "0,0,0,0");
      continue;
    }
    const struct nk_image& image = c.type == NK_STYLE_ITEM_IMAGE ? item.data.image : item.data.slice.img;
    EXPECT_EQ(std::vector<int>({image.region[0], image.region[1], image.region[2], image.region[3]}), c.region);
    if (c.type == NK_STYLE_ITEM_NINE_SLICE) {
      EXPECT_EQ(std::vector<float>({item.data.slice.l, item.data.slice.t, item.data.slice.r, item.data.slice.b}),
                c.borders);
    }
  }
  EXPECT_EQ(LogCount(log_, ": ERROR: "), errors);  // a missing image is no error here
  EXPECT_EQ(Lines(msg::StyleItemOverwritten), static_cast<int>(std::size(cases)) - 1);

  StyleLoadFromString(R"(<t><style><window padding=",4,,5,"/><text padding="3"/></style></t>)");
  EXPECT_EQ(ctx_->style.window.padding.x, 4.0f);
  EXPECT_EQ(ctx_->style.window.padding.y, 5.0f);
  EXPECT_EQ(Logged(msg::StyleWrongVec2, "3"), 1);
}

// ---- broken documents and tags ----

TEST_F(StyleDocuments, AMalformedStringAppliesWhatCameBeforeTheErrorWithOneWarning) {
  struct Case {
    const char* text;
    std::vector<const char*> made;  // items that exist afterwards
    std::vector<const char*> not_made;
  };
  const Case cases[] = {
      {R"(<t><styleitem name="a" color="255,0,0"/><styleitem name="b" col)", {"a"}, {}},
      {R"(<t><styleitem name="c" color="1,2,3"/><style><button rounding="7"/></style>)", {"c"}, {}},
      {"plain words", {}, {}},
      {R"(<t><styleitem name="d" color="1,2,3"/></u>)", {"d"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    pugi::xml_document expected;
    const pugi::xml_parse_result result = expected.load_string(c.text);
    ASSERT_FALSE(result);
    const int before = Lines(msg::StyleDocumentMalformed);
    StyleLoadFromString(c.text);
    EXPECT_EQ(Lines(msg::StyleDocumentMalformed), before + 1);
    EXPECT_EQ(Logged(msg::StyleDocumentMalformed, result.description(), static_cast<long long>(result.offset)), 1);
    for (const char* name : c.made) EXPECT_NE(Item(name), nullptr) << name;
    for (const char* name : c.not_made) EXPECT_EQ(Item(name), nullptr) << name;
  }
  EXPECT_EQ(ctx_->style.button.rounding, 7.0f);
}

TEST_F(StyleDocuments, RefusedCallsLogTheirMessagesAndChangeNothing) {
  WriteMedia("broken.xml", "<t><style><button rounding=\"9\"/></style>");
  WriteMedia("not_an_image.png", "text");
  const std::string missing_png = "raw:" + media_ + "/missing.png", text_png = "raw:" + media_ + "/not_an_image.png";
  const float rounding = ctx_->style.button.rounding;
  struct Case {
    std::function<int32_t()> call;
    std::vector<std::string> lines;
  };
  pugi::xml_document parse;
  const std::string cut_tag = parse.load_string("<styleitem name='a'").description();
  const std::string cut_button = parse.load_string("<button rounding='1'").description();
  const std::string broken_file = parse.load_file((media_ + "/broken.xml").c_str()).description();
  const Case cases[] = {
      {[] { StyleLoadFromFile(""); return 0; }, {LogText(msg::StyleNoFileSpecified)}},
      {[] { StyleLoadFromFile(nullptr); return 0; }, {LogText(msg::StyleNoFileSpecified)}},
      {[] { StyleLoadFromFile("missing.xml"); return 0; },
       {LogText(msg::StyleFileMissing, "missing.xml"), LogText(msg::StyleUnexpectedErrorOccurred)}},
      {[] { StyleLoadFromFile("broken.xml"); return 0; },
       {LogText(msg::StyleFileUnexpectedError, broken_file.c_str()), LogText(msg::StyleUnexpectedErrorOccurred)}},
      {[] { StyleLoadFromString(""); return 0; }, {LogText(msg::StyleNoXmlString)}},
      {[] { StyleLoadFromString("<t><image name='gone' file='missing.png'/></t>"); return 0; },
       {LogText(msg::StyleImageFileMissing, missing_png.c_str())}},
      {[] { StyleLoadFromString("<t><image name='gone' file='not_an_image.png'/></t>"); return 0; },
       {LogText(msg::StyleImageFileUnreadable, text_png.c_str())}},
      {[] { return StyleMake("x", ""); }, {LogText(msg::StyleTagEmpty)}},
      {[] { return StyleMake(nullptr, nullptr); }, {LogText(msg::StyleTagEmpty)}},
      {[] { return StyleMake("", "<button/>"); }, {LogText(msg::StyleNameEmpty)}},
      {[] { return StyleMake("x", "<button rounding='1'"); }, {LogText(msg::StyleTagUnparsable, cut_button.c_str())}},
      {[] { return StyleMakeItem1(nullptr); }, {LogText(msg::StyleTagEmpty)}},
      {[] { return StyleMakeItem1("<styleitem name='a'"); }, {LogText(msg::StyleTagUnparsable, cut_tag.c_str())}},
      {[] { return StyleMakeItem1("<styleitem color='1,2,3'/>"); }, {LogText(msg::StyleItemNameEmpty)}},
  };
  for (const Case& c : cases) {
    const std::string first = c.lines.front();
    SCOPED_TRACE(first);
    std::vector<int> before;
    for (const std::string& line : c.lines) before.push_back(LogCount(log_, line));
    EXPECT_EQ(c.call(), 0);
    for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(LogCount(log_, c.lines[i]), before[i] + 1) << c.lines[i];
  }
  EXPECT_EQ(ctx_->style.button.rounding, rounding);  // the broken file applied nothing
  EXPECT_EQ(Record("x"), nullptr);
  EXPECT_EQ(Item("a"), nullptr);
  EXPECT_EQ(Images().named.Find("gone"), nullptr);
  EXPECT_EQ(Lines(msg::StyleLoadFile), 1);  // only the file that was found
}

// ---- widget styles ----

TEST_F(StyleDocuments, StyleMakeReplacesAndRefusesWithoutLosingTheOldStyle) {
  ASSERT_EQ(StyleMake("big", R"(<button rounding="9"/>)"), 1);
  ASSERT_NE(Record("big"), nullptr);
  EXPECT_EQ(Record("big")->Button()->rounding, 9.0f);
  EXPECT_EQ(Lines(msg::StyleWidgetStyleOverwritten), 0);

  ASSERT_EQ(StyleMake("big", R"(<menu_button rounding="3" padding="1,2"/>)"), 1);
  EXPECT_EQ(Logged(msg::StyleWidgetStyleOverwritten, "big"), 1);
  EXPECT_EQ(Record("big")->widget, 6);
  EXPECT_EQ(Record("big")->Button()->rounding, 3.0f);
  EXPECT_EQ(Record("big")->Button()->padding.y, 2.0f);
  EXPECT_EQ(Record("big")->Button()->border, ctx_->style.menu_button.border);

  struct Refusal {
    const char* tag;
    std::string line;
  };
  const Refusal refusals[] = {
      {R"(<knob rounding="1"/>)", LogText(msg::StyleNodeNameNotValid, "knob")},
      {R"(<Button rounding="1"/>)", LogText(msg::StyleNodeNameNotValid, "Button")},
      {R"(<font/>)", LogText(msg::StyleNodeWithoutStyle, "font")},
      {R"(<cursors/>)", LogText(msg::StyleNodeWithoutStyle, "cursors")},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.tag);
    EXPECT_EQ(StyleMake("big", r.tag), 0);
    EXPECT_EQ(LogCount(log_, r.line), 1);
    ASSERT_NE(Record("big"), nullptr);
    EXPECT_EQ(Record("big")->Button()->rounding, 3.0f);  // the old style stays
  }
  EXPECT_EQ(Logged(msg::StyleWidgetStyleOverwritten, "big"), 1);
}

TEST_F(StyleDocuments, StyleControlsStoreOnlyWhatTheyCouldMake) {
  StyleLoadFromString(R"(<t>
      <stylecontrol name="knobby"><knob rounding="2"/></stylecontrol>
      <stylecontrol name="cursor"><cursors/></stylecontrol>
      <stylecontrol name="empty"/>
      <stylecontrol name="good"><!-- c --><chart rounding="2"/><button rounding="5"/></stylecontrol>
    </t>)");
  EXPECT_EQ(Logged(msg::StyleNodeNameNotValid, "knob"), 1);
  EXPECT_EQ(Logged(msg::StyleNodeWithoutStyle, "cursors"), 1);
  EXPECT_EQ(Record("knobby"), nullptr);
  EXPECT_EQ(Record("cursor"), nullptr);
  EXPECT_EQ(Record("empty"), nullptr);
  ASSERT_NE(Record("good"), nullptr);
  EXPECT_EQ(Record("good")->widget, 14);  // the first child element only
  EXPECT_EQ(Record("good")->block->chart.rounding, 2.0f);
}

// Sub-widgets an element does not describe take the live look named for them; those it does
// describe keep what they held, changed by the child's attributes.
TEST_F(StyleDocuments, SubWidgetsWithoutAChildAreResetToTheLiveStyle) {
  nk_style& live = ctx_->style;
  struct Case {
    const char* element;
    std::function<void*(nk_style&)> sub;
    std::function<const void*(nk_style&)> source;  // null: kept as it was
    size_t size;
  };
  const auto button = [](nk_style& s) -> const void* { return &s.button; };
  const Case cases[] = {
      {"<slider/>", [](nk_style& s) { return &s.slider.inc_button; }, button, sizeof(nk_style_button)},
      {"<slider/>", [](nk_style& s) { return &s.slider.dec_button; }, button, sizeof(nk_style_button)},
      {"<property/>", [](nk_style& s) { return &s.property.edit; }, [](nk_style& s) -> const void* { return &s.edit; },
       sizeof(nk_style_edit)},
      {"<property/>", [](nk_style& s) { return &s.property.dec_button; }, button, sizeof(nk_style_button)},
      {"<edit/>", [](nk_style& s) { return &s.edit.scrollbar; }, [](nk_style& s) -> const void* { return &s.scrollv; },
       sizeof(nk_style_scrollbar)},
      {"<scrollh/>", [](nk_style& s) { return &s.scrollh.inc_button; }, button, sizeof(nk_style_button)},
      {"<tab/>", [](nk_style& s) { return &s.tab.node_minimize_button; }, button, sizeof(nk_style_button)},
      {"<combo/>", [](nk_style& s) { return &s.combo.button; }, button, sizeof(nk_style_button)},
      {"<window/>", [](nk_style& s) { return &s.window.header; }, nullptr, sizeof(nk_style_window_header)},
      {"<window><header/></window>", [](nk_style& s) { return &s.window.header.close_button; }, button,
       sizeof(nk_style_button)},
      {"<window><header/></window>", [](nk_style& s) { return &s.window.header.label_padding; }, nullptr,
       sizeof(struct nk_vec2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.element);
    std::memset(c.sub(live), 0x5A, c.size);  // a look no live style has
    std::vector<unsigned char> scribbled(c.size, 0x5A);
    const std::vector<unsigned char> expected =
        c.source ? std::vector<unsigned char>(static_cast<const unsigned char*>(c.source(live)),
                                              static_cast<const unsigned char*>(c.source(live)) + c.size)
                 : scribbled;
    // A widget style made now starts from the scribbled live look, then takes the reset.
    ASSERT_EQ(StyleMake("probe", c.element), 1);
    nk_style record_style = live;
    const int32_t widget = Record("probe")->widget;
    std::memcpy(LiveWidgetStyle(record_style, widget), Record("probe")->block.get(), FieldTableOfWidget(widget)->native_size);
    EXPECT_TRUE(SameBytes(c.sub(record_style), expected.data(), c.size)) << "widget style";

    StyleLoadFromString((std::string("<t><style>") + c.element + "</style></t>").c_str());
    EXPECT_TRUE(SameBytes(c.sub(live), expected.data(), c.size)) << "live style";
  }
}

TEST_F(StyleDocuments, ChildElementsSetTheirSubWidgetAndOnlyTheFirstOfANameCounts) {
  ctx_->style.slider.inc_button.rounding = 77.0f;
  StyleLoadFromString(R"(<t><style>
      <slider bar_height="5"><dec_button rounding="3"/><dec_button rounding="4"/></slider>
      <property><edit rounding="6"><scrollbar border="2"><inc_button rounding="8"/></scrollbar></edit></property>
      <window><header colour="x" align="header_left" label_padding="2,3"/></window>
      <button colour="x"/>
    </style></t>)");
  const nk_style& s = ctx_->style;
  EXPECT_EQ(s.slider.bar_height, 5.0f);
  EXPECT_EQ(s.slider.dec_button.rounding, 3.0f);
  EXPECT_EQ(s.slider.inc_button.rounding, s.button.rounding);
  EXPECT_EQ(s.property.edit.rounding, 6.0f);
  EXPECT_EQ(s.property.edit.scrollbar.border, 2.0f);
  EXPECT_EQ(s.property.edit.scrollbar.inc_button.rounding, 8.0f);
  EXPECT_TRUE(SameBytes(&s.property.edit.scrollbar.dec_button, &s.button, sizeof s.button));
  EXPECT_EQ(s.window.header.align, NK_HEADER_LEFT);
  EXPECT_EQ(s.window.header.label_padding.y, 3.0f);
  // The header passes over names it lacks without a word; a widget element does not.
  EXPECT_EQ(Lines(msg::StylePropertyValueNotValid), 1);
}

}  // namespace
}  // namespace qel
