// A steady-state frame describes its interface without touching the heap: once windows,
// fonts and images exist, describing the same interface again must allocate nothing.
//
// Only the describing is counted. Render hands the frame to the GL driver, whose allocations
// are not ours and cannot be told apart from the plug-in's there.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <utility>

#include "counting_allocator.h"
#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"
#include "style/widget_styles.h"
#include "qelhost.h"

namespace qel {
namespace {

using ReferenceHost = class qel::Host;

constexpr int32_t kBorder = 1, kMovable = 2, kScalable = 4, kTitle = 64;
constexpr int32_t kLeft = 17, kCentered = 18;
constexpr int32_t kGold = static_cast<int32_t>(0xFF60C0FFu);
constexpr int kRows = 20;

void LabelsWindow() {
  if (WindowBegin("labels", 10, 10, 400, 600, kBorder | kTitle)) {
    char value[32];
    for (int row = 0; row < kRows; ++row) {
      LayoutRowDynamic(22, 3);
      Label("Inventory slot", kLeft);
      std::snprintf(value, sizeof value, "%d coins", row * 7);
      LabelColored(value, kCentered, kGold);
      Text("a longer text cut short", 8, kLeft);
    }
    LayoutRowDynamic(60, 1);
    LabelWrap("Each frame the script describes the whole interface again, and each widget answers at once.");
    LayoutRowDynamic(60, 1);
    TextWrapColored("Wrapped and coloured, the first part only of this text.", 40, kGold);
  }
  WindowEnd();
}

void ButtonsWindow() {
  if (WindowBeginTitled("buttons", "Buttons", 420, 10, 300, 600, kBorder | kMovable | kScalable | kTitle)) {
    for (int row = 0; row < kRows; ++row) {
      LayoutRowStatic(24, 90, 3);
      ButtonLabel("Use");
      ButtonSymbolLabel(11, "Buy", kLeft);
      ButtonColor(kGold);
    }
  }
  WindowEnd();
}

void ImagesWindow() {
  if (WindowBegin("images", 10, 620, 700, 140, kBorder)) {
    for (int row = 0; row < kRows; ++row) {
      LayoutRow(1, 24, "[24,24,120]");
      Image1("quadrants");
      ImageColor1("quadrants", kGold);
      Label("an image", kLeft);
    }
  }
  WindowEnd();
}

// Rows laid out every way a script lays them out, in a window of its own.
void LayoutsWindow() {
  if (WindowBegin("layouts", 730, 10, 280, 600, kBorder)) {
    for (int row = 0; row < kRows; ++row) {
      LayoutRow(0, 20, "[0.25,0.5,0.25]");
      Label("a", kLeft);
      Label("b", kLeft);
      Label("c", kLeft);
      LayoutRowBegin(0, 20, 2);
      LayoutRowPush(0.3f);
      Label("pushed", kLeft);
      LayoutRowPush(0.7f);
      ButtonLabel("row");
      LayoutRowEnd();
    }
  }
  WindowEnd();
}

// Named styles pushed and popped around rows, and buttons drawn with a named style.
void StyledWindow() {
  if (WindowBegin("styled", 10, 10, 300, 600, kBorder)) {
    for (int row = 0; row < kRows; ++row) {
      StylePush("big");
      StylePush("slim");
      LayoutRowDynamic(24, 2);
      ButtonLabel("pushed");
      ButtonLabelStyled("big", "styled");
      StylePop();
      StylePop();
    }
  }
  WindowEnd();
}

void WholeInterface() {
  LabelsWindow();
  ButtonsWindow();
  ImagesWindow();
  LayoutsWindow();
}

struct FrameCase {
  const char* name;
  void (*describe)();
};

const FrameCase kFrames[] = {
    {"Labels", LabelsWindow},   {"Buttons", ButtonsWindow},       {"Images", ImagesWindow},
    {"Layouts", LayoutsWindow}, {"WholeInterface", WholeInterface}, {"Styled", StyledWindow},
};

// Names the case in test output instead of printing its bytes.
void PrintTo(const FrameCase& frame, std::ostream* out) { *out << frame.name; }

class SteadyFrame : public ::testing::TestWithParam<FrameCase> {
 protected:
  void SetUp() override {
    HostConfig config;
    config.width = 1024;
    config.height = 768;
    config.media_folder = QEL_TEST_DATA_DIR;
    host_ = std::make_unique<ReferenceHost>(config);
    ASSERT_TRUE(host_->ok());
    ResolveHostCommands(&ReferenceHost::Lookup);
    LogSetLocation((::testing::TempDir() + "qel_steady_frame.log").c_str());
    ASSERT_EQ(Init1(1), 1);
    auto* load = reinterpret_cast<int32_t (*)(const char*)>(ReferenceHost::Lookup("LOADIMAGE_L_S"));
    ASSERT_NE(load, nullptr);
    ASSERT_GT(ImageCreate1("quadrants", load("quadrants.png")), 0);
    EnsureStyleFont();
    for (const auto& [name, widget] : {std::pair<const char*, int32_t>{"big", 4}, {"slim", 10}})
      State().style.widget_styles.Put(name, CopyLiveWidgetStyle(Context(), widget));
  }

  // One frame as a script drives it; returns the allocations made while describing.
  long Frame() {
    HandleInput0();
    StartCounting();
    GetParam().describe();
    const long allocations = StopCounting();
    Render(1);
    return allocations;
  }

  std::unique_ptr<ReferenceHost> host_;
};

TEST_P(SteadyFrame, DescribingAllocatesNothing) {
  // The first frames make the windows and grow the command buffers to their size.
  for (int frame = 0; frame < 3; ++frame) Frame();
  for (int frame = 0; frame < 5; ++frame) EXPECT_EQ(Frame(), 0) << "steady frame " << frame;
}

// The counter itself, without which a frame would pass by counting nothing: an allocation on
// the counting thread is seen, a free is not, and another thread's allocations are not.
TEST(CountingAllocator, CountsOnlyTheCountingThreadsAllocations) {
  StartCounting();
  std::unique_ptr<std::string> text(new std::string(100, 'x'));
  EXPECT_EQ(StopCounting(), 2);
  StartCounting();
  text.reset();
  EXPECT_EQ(StopCounting(), 0);

  std::atomic<bool> go{false};
  std::thread other([&] {
    while (!go) std::this_thread::yield();
    for (int i = 0; i < 10; ++i) delete new std::string(100, 'y');
  });
  StartCounting();
  go = true;
  other.join();
  EXPECT_EQ(StopCounting(), 0);
}

INSTANTIATE_TEST_SUITE_P(Frames, SteadyFrame, ::testing::ValuesIn(kFrames),
                         [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qel
