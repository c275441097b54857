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

#include "frame/export_signature.h"
#include "plugin_fixture.h"

namespace qel {
namespace {

// Pools of hostile values; argument j of round r takes value (r + j) of its pool, so over the
// rounds every argument meets every value and neighbours differ.
const std::string& LongText() {
  static const std::string text(5000, 'x');
  return text;
}

// The hostile values for one argument type. Only the boundary's types have pools; a new
// type must get one here.
template <class T>
T Pick(int index) {
  static_assert(sizeof(T) == 0, "give this argument type a pool of hostile values");
  return T{};
}

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

// A native array of strings carries no length: its count is the caller's promise, which a
// sweep pairing it with huge counts cannot keep. Only the null array is swept; arrays with
// bad entries are tested with the drop-down itself.
template <>
const char* const* Pick<const char* const*>(int) {
  return nullptr;
}

template <class R, class... A, size_t... I>
void CallWithIndices(R (*function)(A...), int round, std::index_sequence<I...>) {
  function(Pick<A>(round + static_cast<int>(I))...);
}

// How to call one signature with a round of hostile values. One instance per distinct
// signature, however many exports share it, so adding exports adds no code here.
template <class F>
struct CallShape;

template <class R, class... A>
struct CallShape<R (*)(A...)> {
  static void Call(void (*function)(), int round) {
    CallWithIndices(reinterpret_cast<R (*)(A...)>(function), round, std::index_sequence_for<A...>{});
  }
  // The host's letters for the signature, e.g. "L_SFF".
  static std::string Kinds() { return std::string(SignatureOf<R (*)(A...)>()); }
};

// Exports that would change what the test itself relies on: where the log goes and start-up.
const std::set<std::string>& CalledByHand() {
  static const std::set<std::string> names = {"Init0", "Init1", "LogSetLocation"};
  return names;
}

// What the export list says of one export: its name and result type, and how to call it.
// Pure data, one row per export, so more exports cost no more code.
struct ExportShape {
  const char* name;
  const char* result;                          // the result type as the export list spells it
  std::string (*kinds)();                      // result and argument kinds, host letters
  void (*call)(void (*function)(), int round);  // the call shape of its signature
};

constexpr ExportShape kExportShapes[] = {
#define QEL_SWEEP_SHAPE(result, name, params, doc) \
  {#name, #result, &CallShape<decltype(&::name)>::Kinds, &CallShape<decltype(&::name)>::Call},
    QEL_EXPORT_LIST(QEL_SWEEP_SHAPE)
#undef QEL_SWEEP_SHAPE
};

// One export as the sweep walks it: its shape and its address in the loaded library.
struct SweepEntry {
  const ExportShape* shape;
  std::string kinds;
  void (*function)();
};

// The runtime table of every export but those called by hand, looked up by name through `find`.
std::vector<SweepEntry> SweepTable(const std::function<void*(const char* name)>& find) {
  std::vector<SweepEntry> table;
  for (const ExportShape& shape : kExportShapes) {
    if (CalledByHand().count(shape.name)) continue;
    table.push_back({&shape, shape.kinds(), reinterpret_cast<void (*)()>(find(shape.name))});
  }
  return table;
}

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
