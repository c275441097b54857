// Canvas drawing through the real exports, checked on the presented frame: each primitive
// where it should be and in its colour, what Nuklear leaves out, and canvases that must not
// be drawn into (emptied, of another kind, or of a window that has ended).
#include <cmath>
#include <functional>

#include "widget_fixture.h"

namespace qel {
namespace {

class Canvas : public WidgetTest {
 protected:
  // One frame of a bare window over the whole screen with canvas 0 stored, `draw` called in it.
  void DrawFrame(const std::function<void()>& draw) {
    Frame([&] {
      if (api().WindowBegin("canvas", 0, 0, 640, 480, kNoScrollbar)) {
        api().WindowStoreCanvas(0);
        draw();
      }
      api().WindowEnd();
    });
  }
  uint32_t At(int x, int y) { return host().Screen().At(x, y); }
};

constexpr int32_t C(uint32_t packed) { return static_cast<int32_t>(packed); }
constexpr uint32_t kRed = Rgba(255, 0, 0), kGreen = Rgba(0, 255, 0), kBlue = Rgba(0, 0, 255),
                   kWhite = Rgba(255, 255, 255), kYellow = Rgba(255, 255, 0);

TEST_F(Canvas, PrimitivesLandWhereAndAsTheyShould) {
  StartWidgets();
  struct Probe {
    int x, y;
    uint32_t rgb;
    bool present;
  };
  const struct {
    const char* what;
    std::function<void(const ExportTable&)> draw;
    std::vector<Probe> probes;
  } kCases[] = {
      {"filled rectangle", [](const ExportTable& a) { a.FillRect(0, 20, 40, 60, 30, 0, C(kRed)); },
       {{50, 55, kRed, true}, {19, 55, kRed, false}, {81, 55, kRed, false}}},
      {"alpha 0 rectangle draws nothing",
       [](const ExportTable& a) { a.FillRect(0, 20, 40, 60, 30, 0, C(Rgba(255, 0, 0, 0))); },
       {{50, 55, kRed, false}}},
      {"quarter disc below and right of its centre",
       [](const ExportTable& a) { a.FillArc(0, 200, 100, 40, 0.0f, 1.5708f, C(kGreen)); },
       {{215, 115, kGreen, true}, {185, 115, kGreen, false}, {215, 85, kGreen, false}}},
      {"corner colours of a blended rectangle",
       [](const ExportTable& a) {
         a.FillRectMultiColor(0, 300, 40, 100, 100, C(kRed), C(kGreen), C(kBlue), C(kWhite));
       },
       {{301, 41, kRed, true}, {398, 41, kGreen, true}, {398, 138, kBlue, true}, {301, 138, kWhite, true}}},
      {"filled circle", [](const ExportTable& a) { a.FillCircle(0, 450, 40, 60, 60, C(kBlue)); },
       {{480, 70, kBlue, true}, {452, 42, kBlue, false}}},
      {"filled triangle", [](const ExportTable& a) { a.FillTriangle(0, 20, 200, 120, 200, 20, 300, C(kYellow)); },
       {{40, 220, kYellow, true}, {110, 290, kYellow, false}}},
      {"stroked rectangle: outline only",
       [](const ExportTable& a) { a.StrokeRect(0, 200, 200, 80, 60, 0, 4, C(kRed)); },
       {{201, 230, kRed, true}, {240, 230, kRed, false}}},
      {"line", [](const ExportTable& a) { a.StrokeLine(0, 300, 250, 400, 250, 6, C(kGreen)); },
       {{350, 250, kGreen, true}, {350, 260, kGreen, false}}},
      {"line of thickness 0 draws nothing",
       [](const ExportTable& a) { a.StrokeLine(0, 300, 250, 400, 250, 0, C(kGreen)); },
       {{350, 250, kGreen, false}}},
      {"stroked circle: ring only", [](const ExportTable& a) { a.StrokeCircle(0, 450, 200, 80, 80, 4, C(kBlue)); },
       {{451, 240, kBlue, true}, {490, 240, kBlue, false}}},
      {"stroked triangle", [](const ExportTable& a) { a.StrokeTriangle(0, 20, 350, 120, 350, 70, 450, 4, C(kRed)); },
       {{70, 350, kRed, true}, {70, 390, kRed, false}}},
      {"stroked arc", [](const ExportTable& a) { a.StrokeArc(0, 250, 400, 40, 0.0f, 3.1416f, 4, C(kYellow)); },
       {{250, 439, kYellow, true}, {250, 361, kYellow, false}}},
      {"curve", [](const ExportTable& a) { a.StrokeCurve(0, 350, 350, 380, 350, 420, 350, 450, 350, 6, C(kGreen)); },
       {{400, 350, kGreen, true}, {400, 365, kGreen, false}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    DrawFrame([&] { c.draw(api()); });
    for (const Probe& p : c.probes) {
      SCOPED_TRACE(testing::Message() << "at " << p.x << "," << p.y);
      EXPECT_EQ(Near(At(p.x, p.y), p.rgb, 40), p.present) << std::hex << At(p.x, p.y);
    }
  }
}

TEST_F(Canvas, ImagesAndTextAreDrawnAndMissingOnesLogged) {
  Start(1);
  api().FontStashBegin();
  api().FontAddFromFile("sans", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 20);
  api().FontStashEnd();
  const int32_t image = ColorImage(0, 255, 0);
  ASSERT_GT(image, 0);
  ASSERT_GT(api().ImageCreate1("green", image), 0);
  DrawFrame([&] {
    api().DrawImage1(0, 20, 20, 40, 40, "green", C(kWhite));
    api().DrawImage1(0, 100, 20, 40, 40, "green", C(Rgba(255, 0, 0)));  // tinted: green times red is black
    api().DrawText(0, 200, 20, 200, 30, "canvas text", "no such font", C(Rgba(0, 0, 0, 0)), C(kYellow));
    api().DrawImage1(0, 300, 20, 40, 40, "no such image", C(kWhite));
  });
  EXPECT_TRUE(Near(At(40, 40), kGreen, 10));
  EXPECT_FALSE(Near(At(120, 40), kGreen, 60));
  EXPECT_EQ(LogCount(msg::CanvasFontMissing), 1);
  EXPECT_TRUE(LogHas(LogText(msg::CanvasFontMissing, "no such font")));
  EXPECT_TRUE(LogHas(LogText(msg::ImageMissing, "no such image")));
  EXPECT_EQ(FindColor(host().Screen(), kYellow, 40, 200, 20, 400, 50).count, 0);

  // In a registered font the text shows in its foreground colour inside its rectangle; an
  // empty text draws nothing.
  DrawFrame([&] {
    api().DrawText(0, 200, 100, 200, 30, "canvas text", "sans", C(Rgba(0, 0, 0, 0)), C(kYellow));
    api().DrawText(0, 200, 200, 200, 30, "", "sans", C(kRed), C(kYellow));
  });
  const ColorBox text = FindColor(host().Screen(), kYellow, 40);
  ASSERT_GT(text.count, 0);
  EXPECT_GE(text.left, 200);
  EXPECT_GE(text.top, 100);
  EXPECT_LT(text.bottom, 130);
  EXPECT_EQ(LogCount(msg::CanvasFontMissing), 1);
}

TEST_F(Canvas, OnlyALiveCanvasOfTheWindowBeingFilledIsDrawnInto) {
  StartWidgets();
  const struct {
    const char* what;
    std::function<void(const ExportTable&)> frame;
  } kCases[] = {
      {"stored with no current window: emptied",
       [](const ExportTable& a) {
         a.WindowStoreCanvas(1);
         if (a.WindowBegin("w", 0, 0, 640, 480, kNoScrollbar)) a.FillRect(1, 20, 20, 100, 100, 0, C(kRed));
         a.WindowEnd();
       }},
      {"a stored panel is no canvas",
       [](const ExportTable& a) {
         if (a.WindowBegin("w", 0, 0, 640, 480, kNoScrollbar)) {
           a.WindowStorePanel(1);
           a.FillRect(1, 20, 20, 100, 100, 0, C(kRed));
         }
         a.WindowEnd();
       }},
      {"the canvas of a window that has ended",
       [](const ExportTable& a) {
         if (a.WindowBegin("first", 0, 0, 300, 300, kNoScrollbar)) a.WindowStoreCanvas(1);
         a.WindowEnd();
         if (a.WindowBegin("second", 300, 0, 300, 300, kNoScrollbar)) a.FillRect(1, 20, 20, 100, 100, 0, C(kRed));
         a.WindowEnd();
         a.FillRect(1, 20, 20, 100, 100, 0, C(kRed));
       }},
      {"out of range indices",
       [](const ExportTable& a) {
         if (a.WindowBegin("w", 0, 0, 640, 480, kNoScrollbar)) {
           a.WindowStoreCanvas(32);
           a.FillRect(32, 20, 20, 100, 100, 0, C(kRed));
           a.FillRect(-1, 20, 20, 100, 100, 0, C(kRed));
         }
         a.WindowEnd();
       }},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    Frame([&] { c.frame(api()); });
    EXPECT_EQ(FindColor(host().Screen(), kRed, 30).count, 0);
  }
  // A canvas stored in an earlier frame still draws while its window is being filled again.
  Frame([&] {
    if (api().WindowBegin("w", 0, 0, 640, 480, kNoScrollbar)) api().WindowStoreCanvas(2);
    api().WindowEnd();
  });
  Frame([&] {
    if (api().WindowBegin("w", 0, 0, 640, 480, kNoScrollbar)) api().FillRect(2, 20, 20, 100, 100, 0, C(kRed));
    api().WindowEnd();
  });
  EXPECT_GT(FindColor(host().Screen(), kRed, 30).count, 0);
}

}  // namespace
}  // namespace qel
