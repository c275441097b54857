// Every export called with the arguments a buggy script could pass: null, empty, unterminated-
// looking and very long strings, negative, huge and boundary integers, NaN and infinite
// floats. Before start-up, outside any window and inside one. The plug-in must answer
// neutrally: no crash, and (under the sanitizer build of the test command) no read or write
// out of bounds. A few exports that change the test's own set-up are called once, by hand.
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <utility>

#include "plugin_fixture.h"

namespace qel {
namespace {

// Pools of hostile values; argument j of round r takes value (r + j) of its pool, so over the
// rounds every argument meets every value and neighbours differ.
const std::string& LongText() {
  static const std::string text(5000, 'x');
  return text;
}

template <class T>
T Pick(int index);

template <>
int32_t Pick<int32_t>(int index) {
  static const int32_t pool[] = {0, -1, 1, 31, 32, 37, 65535, 65536, std::numeric_limits<int32_t>::max(),
                                 std::numeric_limits<int32_t>::min(), 0x7F, 2};
  return pool[index % (sizeof pool / sizeof *pool)];
}

template <>
uint32_t Pick<uint32_t>(int index) {
  static const uint32_t pool[] = {0, 1, 0x20, 0x10FFFF, 0x110000, 0xFFFFFFFFu, 0xD800};
  return pool[index % (sizeof pool / sizeof *pool)];
}

template <>
float Pick<float>(int index) {
  static const float pool[] = {0.0f,
                               -1.0f,
                               1e30f,
                               -1e30f,
                               std::numeric_limits<float>::quiet_NaN(),
                               std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::infinity(),
                               1e-30f,
                               65536.0f,
                               0.5f};
  return pool[index % (sizeof pool / sizeof *pool)];
}

template <>
const char* Pick<const char*>(int index) {
  static const char* const pool[] = {nullptr,
                                     "",
                                     "[",
                                     LongText().c_str(),
                                     "[1e309,nan,-inf,0x1p99999,,]]",
                                     "\xff\xfe\x80\xc3",
                                     "sweep",
                                     "[0.5,0.5",
                                     "raw:/nonexistent/\\\\..//"};
  return pool[index % (sizeof pool / sizeof *pool)];
}

template <class R, class... A, size_t... I>
void CallWithIndices(R (*function)(A...), int round, std::index_sequence<I...>) {
  function(Pick<A>(round + static_cast<int>(I))...);
}

template <class R, class... A>
void CallRound(R (*function)(A...), int round) {
  CallWithIndices(function, round, std::index_sequence_for<A...>{});
}

constexpr int kRounds = 12;  // the largest pool's size

// Exports that would change what the test itself relies on: where the log goes and start-up.
const std::set<std::string>& CalledByHand() {
  static const std::set<std::string> names = {"Init0", "Init1", "LogSetLocation"};
  return names;
}

class HostileArguments : public PluginTest {
 protected:
  HostConfig Config() const override {
    HostConfig config = PluginTest::Config();
    config.capture_frames = false;  // thousands of frames; nothing here reads the screen
    return config;
  }

  // Calls every export (but those called by hand) for every round, `around` wrapping each call.
  template <class Around>
  void Sweep(Around&& around) {
    const ExportTable& x = api();
#define QEL_SWEEP_EXPORT(result, name, params, doc)                        \
  if (!CalledByHand().count(#name)) {                                      \
    for (int round = 0; round < kRounds; ++round) {                        \
      SCOPED_TRACE(std::string(#name) + " round " + std::to_string(round)); \
      around([&] { CallRound(x.name, round); });                           \
    }                                                                      \
  }
    QEL_EXPORT_LIST(QEL_SWEEP_EXPORT)
#undef QEL_SWEEP_EXPORT
  }
};

TEST_F(HostileArguments, EveryExportAnswersNeutrallyBeforeStartUp) {
  Sweep([](auto&& call) { call(); });
  // The plug-in still starts and draws afterwards.
  Start();
  Frame([&] {
    if (api().WindowBegin("after", 10, 10, 200, 100, 0)) {
      api().LayoutRowDynamic(30, 1);
      api().Label("still here", 17);
    }
    api().WindowEnd();
  });
}

TEST_F(HostileArguments, EveryExportAnswersNeutrallyOutsideAnyWindow) {
  Start();
  Sweep([&](auto&& call) {
    api().HandleInput0();
    call();
    api().Sync();
  });
  SUCCEED();
}

TEST_F(HostileArguments, EveryExportAnswersNeutrallyInsideAWindowRow) {
  Start();
  api().FontStashBegin();
  Sweep([&](auto&& call) {
    api().HandleInput0();
    if (api().WindowBegin("sweep", 10, 10, 400, 300, 2 | 4)) {
      api().LayoutRowDynamic(30, 2);
      call();
    }
    api().WindowEnd();
    api().Sync();
  });
  // The log survived too, and a normal frame still works.
  EXPECT_TRUE(LogHas("nuklearplugin"));
  Frame([&] {
    if (api().WindowBegin("after", 10, 10, 200, 100, 0)) {
      api().LayoutRowDynamic(30, 1);
      EXPECT_EQ(api().ButtonLabel("ok"), 0);
    }
    api().WindowEnd();
  });
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
