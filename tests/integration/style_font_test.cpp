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
  EXPECT_EQ(LogCount(": ERROR: font id:'missing' not found."), 1);
  EXPECT_EQ(LogCount(": ERROR: font id:'' not found."), 1);
  const float wide = api().FontGetLabelWidth("HIH");
  api().StyleSetFont("default");
  EXPECT_LT(api().FontGetLabelWidth("HIH"), wide);
}

TEST_F(StyleFont, BeforeStartUpAnUnknownIdIsOnlyLogged) {
  api().StyleSetFont("none");  // no context, no logger: must not crash
  SUCCEED();
}

}  // namespace
}  // namespace qel
