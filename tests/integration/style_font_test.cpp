// Choosing the style font by id, between labels of one frame.
#include "font_fixture.h"
#include "widget_fixture.h"

namespace qel {
namespace {

using StyleFont = FontTest;

TEST_F(StyleFont, FontIsChosenByIdAndAnUnknownIdChangesNothing) {
  Start();
  api().FontStashBegin();
  api().FontStashEnd();  // the built-in font, as "default"
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("big", ("raw:" + kDejaVuSans).c_str(), 40.0f), 1);
  api().FontStashEnd();
  EXPECT_EQ(api().FontGetHeight(), 13.0f);
  api().StyleSetFont("big");
  EXPECT_EQ(api().FontGetHeight(), 40.0f);
  api().StyleSetFont("missing");
  api().StyleSetFont(nullptr);
  EXPECT_EQ(api().FontGetHeight(), 40.0f);
  EXPECT_EQ(LogCount(": " + LogLevelAndText(msg::StyleFontMissing, "missing")), 1);
  EXPECT_EQ(LogCount(": " + LogLevelAndText(msg::StyleFontMissing, "")), 1);
  const float wide = api().FontGetLabelWidth("HIH");
  api().StyleSetFont("default");
  EXPECT_LT(api().FontGetLabelWidth("HIH"), wide);
}

TEST_F(StyleFont, AddedFontsLeaveTheStyleFontUnsetUntilAWindowTakesTheFirstRegistered) {
  Start();
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("zeta", ("raw:" + kDejaVuSans).c_str(), 20.0f), 1);
  ASSERT_EQ(api().FontAtlasAddFromFile("alpha", ("raw:" + kDejaVuSans).c_str(), 30.0f), 1);
  api().FontStashEnd();
  EXPECT_EQ(api().FontGetHeight(), 0.0f);
  EXPECT_EQ(api().FontGetLabelWidth("abc"), 0.0f);
  EXPECT_EQ(api().FontGetTextWidth("abc", 3), 0.0f);

  // Registered first, though "alpha" comes first by name.
  Frame([&] {
    api().WindowBegin("w", 0, 0, 200, 100, 0);
    api().WindowEnd();
  });
  EXPECT_EQ(api().FontGetHeight(), 20.0f);
  EXPECT_GT(api().FontGetLabelWidth("abc"), 20.0f);

  // A later stash of fonts leaves the chosen font alone.
  api().FontStashBegin();
  ASSERT_EQ(api().FontAtlasAddFromFile("beta", ("raw:" + kDejaVuSans).c_str(), 40.0f), 1);
  api().FontStashEnd();
  EXPECT_EQ(api().FontGetHeight(), 20.0f);
}

TEST_F(StyleFont, BeforeStartUpAnUnknownIdIsOnlyLogged) {
  // No logger exists yet: the complaint goes to standard error, and nothing else happens.
  ::testing::internal::CaptureStderr();
  api().StyleSetFont("none");
  api().StyleSetFont(nullptr);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "No such logger: 0\nNo such logger: 0\n");
  EXPECT_EQ(api().FontGetHeight(), 0.0f);

  // Start-up begins from its own state: the built-in font, and a log without the early calls.
  Start();
  api().FontStashBegin();
  api().FontStashEnd();
  EXPECT_EQ(api().FontGetHeight(), 13.0f);
  EXPECT_FALSE(LogHas("font id:"));
  api().StyleSetFont("none");
  EXPECT_EQ(LogCount(": ERROR: font id:'none' not found."), 1);
}

}  // namespace
}  // namespace qel
