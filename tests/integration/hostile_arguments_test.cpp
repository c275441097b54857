// Every export called with the arguments a buggy script could pass: null, empty, unterminated-
// looking and very long strings, negative, huge and boundary integers, NaN and infinite
// floats. Before start-up, outside any window and inside one. The plug-in must answer
// neutrally: no crash, and (under the sanitizer build of the test command) no read or write
// out of bounds. A few exports that change the test's own set-up are called once, by hand.
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "export_shapes.h"
#include "plugin_fixture.h"

namespace qel {
namespace {

constexpr int kRounds = 12;  // the largest pool's size

class HostileArguments : public PluginTest {
 protected:
  HostConfig Config() const override {
    HostConfig config = PluginTest::Config();
    config.capture_frames = false;  // thousands of frames; nothing here reads the screen
    return config;
  }

  void SetUp() override {
    PluginTest::SetUp();
    if (HasFatalFailure()) return;
    table_ = SweepTable([this](const char* name) { return host().Symbol(name); });
  }

  // Calls every export of the table for every round, `around` wrapping each call.
  void Sweep(const std::function<void(const std::function<void()>& call)>& around) {
    ASSERT_FALSE(table_.empty());
    for (const SweepEntry& entry : table_) {
      ASSERT_NE(entry.function, nullptr) << entry.shape->name;
      for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(std::string(entry.shape->name) + " (" + entry.shape->result + ", " + entry.kinds +
                     ") round " + std::to_string(round));
        around([&] { entry.shape->call(entry.function, round); });
      }
    }
  }

  // A plain window with a button after the sweep: the plug-in still describes and answers.
  // The sweep may leave a font stash open (windows wait for its end), so it is ended first.
  void ExpectANormalFrame() {
    api().FontStashEnd();
    Frame([&] {
      EXPECT_NE(api().WindowBegin("after", 10, 10, 200, 100, 0), 0);
      api().LayoutRowDynamic(30, 1);
      api().Label("still here", 17);
      EXPECT_EQ(api().ButtonLabel("ok"), 0);
      EXPECT_EQ(api().WindowGetWidth(), 200.0f);
      api().WindowEnd();
    });
  }

  std::vector<SweepEntry> table_;
};

TEST_F(HostileArguments, TheTableHoldsEveryExportButThoseCalledByHand) {
  std::set<std::string> listed, swept;
#define QEL_SWEEP_NAME(result, name, params, doc) listed.insert(#name);
  QEL_EXPORT_LIST(QEL_SWEEP_NAME)
#undef QEL_SWEEP_NAME
  for (const SweepEntry& entry : table_)
    EXPECT_TRUE(swept.insert(entry.shape->name).second) << "twice: " << entry.shape->name;
  for (const std::string& name : CalledByHand()) EXPECT_EQ(listed.erase(name), 1u) << name;
  EXPECT_EQ(swept, listed);
}

TEST_F(HostileArguments, EveryExportAnswersNeutrallyBeforeStartUp) {
  // Without a logger, the complaints go to standard error, never into a log of their own.
  ::testing::internal::CaptureStderr();
  Sweep([](const std::function<void()>& call) { call(); });
  const std::string complaints = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(complaints.find("No such logger: 0\n"), std::string::npos);
  // The plug-in still starts and draws afterwards.
  Start();
  ExpectANormalFrame();
}

TEST_F(HostileArguments, EveryExportAnswersNeutrallyOutsideAnyWindow) {
  Start();
  Sweep([&](const std::function<void()>& call) {
    api().HandleInput0();
    call();
    api().Sync();
  });
  // The log survived, and a normal frame still works.
  EXPECT_TRUE(LogHas(": ERROR: "));
  ExpectANormalFrame();
}

TEST_F(HostileArguments, EveryExportAnswersNeutrallyInsideAWindowRow) {
  Start();
  api().FontStashBegin();
  Sweep([&](const std::function<void()>& call) {
    api().HandleInput0();
    if (api().WindowBegin("sweep", 10, 10, 400, 300, 2 | 4)) {
      api().LayoutRowDynamic(30, 2);
      call();
    }
    api().WindowEnd();
    api().Sync();
  });
  EXPECT_TRUE(LogHas("nuklearplugin"));
  ExpectANormalFrame();
}

TEST_F(HostileArguments, StartUpAndLogExportsTakeOddValues) {
  api().LogSetLocation(nullptr);
  api().LogSetLocation("");
  Start(std::numeric_limits<int32_t>::min());
  EXPECT_EQ(api().Init1(std::numeric_limits<int32_t>::max()), 1);
  EXPECT_EQ(api().Init0(), 1);
  api().LogSetLocation(nullptr);
  EXPECT_EQ(api().Init1(1), 1);
  Frame();
}

}  // namespace
}  // namespace qel
