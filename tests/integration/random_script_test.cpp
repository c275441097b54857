// A seeded random script: export calls drawn from the export list with hostile-but-typed
// arguments, in plausible and implausible orders (inside and outside windows, unbalanced
// begins and ends, windows hidden while being filled, the interface memblock and other
// memblocks deleted), over many frames with random mouse input. After every frame no window
// may still be open and the interface memblock must be live. Under the sanitizer build any
// out-of-bounds access fails at once.
//
// Budget: QEL_FUZZ_SEEDS seeds (default 4) from QEL_FUZZ_SEED (default 1), QEL_FUZZ_CALLS
// steps each (default 5000); scripts/fuzz.sh runs it longer. Each seed runs in a process of
// its own (the plug-in cannot be unloaded); a finding, a crash included, is replayed in new
// processes and cut down to a minimal sequence of steps, which the failure prints. Set
// QEL_FUZZ_TRACE to a file to have every step written there before it runs.
// A step that has not returned after QEL_FUZZ_STEP_SECONDS (default 120) is a hang: the
// watchdog prints the seed, the step and the steps before it, and aborts the run.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#ifndef _WIN32
#include <unistd.h>
#endif
#include <vector>

#include "export_shapes.h"
#include "plugin_fixture.h"

namespace qel {
namespace {

int EnvInt(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

struct Step {
  enum Kind { kExport, kBegin, kEnd, kHide, kRow, kFrame, kDeleteMemblock, kInput } kind = kExport;
  int index = 0;  // kExport: row of the table; kBegin: which name; kDeleteMemblock: which block
  int picks[kMaxExportArguments] = {};
  float x = 0, y = 0, w = 0, h = 0;
  int flags = 0;
};

const char* const kNames[] = {"sweep", "tools", ""};

// Aborts the process with a report when the step in progress does not return in time; a
// hang would otherwise leave the run silent until something outside kills it.
class Watchdog {
 public:
  Watchdog(std::chrono::seconds limit, std::function<void(long step)> report)
      : limit_(limit), report_(std::move(report)), thread_([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // Step `step` starts now; -1 when no step runs.
  void Started(long step) {
    step_.store(step);
    ticks_.fetch_add(1);
  }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    uint64_t seen = ticks_.load();
    while (!wake_.wait_for(lock, limit_, [this] { return stop_; })) {
      const uint64_t now = ticks_.load();
      const long step = step_.load();
      if (now == seen && step >= 0) {
        report_(step);
        std::abort();
      }
      seen = now;
    }
  }

  const std::chrono::seconds limit_;
  const std::function<void(long)> report_;
  std::atomic<long> step_{-1};
  std::atomic<uint64_t> ticks_{0};
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;  // last: starts once the members it reads exist
};

class RandomScript : public PluginTest {
 protected:
  HostConfig Config() const override {
    HostConfig config = PluginTest::Config();
    config.capture_frames = false;
    return config;
  }

  void SetUp() override {
    PluginTest::SetUp();
    if (HasFatalFailure()) return;
    Ready();
    watchdog_ = std::make_unique<Watchdog>(std::chrono::seconds(EnvInt("QEL_FUZZ_STEP_SECONDS", 120)),
                                           [this](long step) { ReportHang(step); });
  }

  void TearDown() override {
    watchdog_.reset();
    PluginTest::TearDown();
  }

  // The watchdog's report, from its own thread while the step is stuck: the steps are not
  // changed while one runs, so reading them is safe.
  void ReportHang(long step) const {
    const std::vector<Step>* steps = running_.load();
    if (!steps) return;
    std::fprintf(stderr, "step %ld of seed %d has not returned; the steps up to it:\n", step, seed_.load());
    for (long i = std::max(0L, step - 40); i <= step && i < static_cast<long>(steps->size()); ++i)
      std::fprintf(stderr, "  %ld: %s\n", i, Describe((*steps)[static_cast<size_t>(i)]).c_str());
    std::fflush(stderr);
  }

  // The plug-in started with the built-in font, and the export table of this load.
  void Ready() {
    Start();
    api().FontStashBegin();
    api().FontStashEnd();
    table_ = SweepTable([this](const char* name) { return host().Symbol(name); });
    log_seen_ = 0;
  }

  // What the log gained since the last look.
  std::string NewLog() {
    std::ifstream in(log_path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(log_seen_));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    log_seen_ += text.size();
    return text;
  }

  std::vector<Step> Generate(uint32_t seed, int count) const {
    std::mt19937 rng(seed);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    auto coordinate = [&] { return static_cast<float>(below(700)) - 30.0f; };
    std::vector<Step> steps(static_cast<size_t>(count));
    for (Step& step : steps) {
      const int roll = below(100);
      if (roll < 10) {
        step.kind = Step::kBegin;
        step.index = below(3);
        step.x = coordinate();
        step.y = coordinate();
        step.w = static_cast<float>(below(400));
        step.h = static_cast<float>(below(300));
        step.flags = below(2048);
      } else if (roll < 18) {
        step.kind = Step::kEnd;
      } else if (roll < 21) {
        step.kind = Step::kHide;
        step.index = below(3);
        step.flags = below(2);
      } else if (roll < 26) {
        step.kind = Step::kRow;
        step.flags = 1 + below(3);
      } else if (roll < 30) {
        step.kind = Step::kFrame;
        step.flags = below(3);  // Sync, Render without and with anti-aliasing
      } else if (roll < 31) {
        step.kind = Step::kDeleteMemblock;
        step.index = below(8);  // 0: the interface memblock, else a block by id
      } else if (roll < 35) {
        step.kind = Step::kInput;
        step.x = coordinate();
        step.y = coordinate();
        step.flags = below(3);  // move, press, release
      } else {
        step.kind = Step::kExport;
        step.index = below(static_cast<int>(table_.size()));
        for (int& pick : step.picks) pick = below(64);
      }
    }
    return steps;
  }

  std::string Describe(const Step& step) const {
    std::ostringstream text;
    switch (step.kind) {
      case Step::kExport: {
        const ExportShape& shape = *table_[static_cast<size_t>(step.index)].shape;
        text << shape.name << "(" << shape.spell_picked(step.picks) << ")";
        break;
      }
      case Step::kBegin:
        text << "WindowBegin(\"" << kNames[step.index] << "\", " << step.x << ", " << step.y << ", " << step.w << ", "
             << step.h << ", " << step.flags << ")";
        break;
      case Step::kEnd: text << "WindowEnd()"; break;
      case Step::kHide: text << "WindowShow(\"" << kNames[step.index] << "\", " << step.flags << ")"; break;
      case Step::kRow: text << "LayoutRowDynamic(30, " << step.flags << ")"; break;
      case Step::kFrame: text << (step.flags == 0 ? "Sync()" : step.flags == 1 ? "Render(0)" : "Render(1)"); break;
      case Step::kDeleteMemblock: text << "delete memblock " << (step.index ? "#" : "interface ") << step.index; break;
      case Step::kInput: text << "mouse " << (step.flags == 1 ? "press" : step.flags == 2 ? "release" : "move") << " at "
                             << step.x << ", " << step.y; break;
    }
    return text.str();
  }

  // What must hold once a frame is drawn; empty when it does.
  std::string FrameFault() {
    if (api().WindowGetFlags() != 0 || api().WindowGetWidth() != 0.0f) return "a window is still open after the frame";
    const int32_t block = api().GetMemblockInterface();
    if (host().MemblockSize(block) < 2048) return "the interface memblock is not live";
    // The plug-in's own safety net caught a broken command list: a fault of ours, not the script's.
    if (NewLog().find(LogText(msg::FrameCommandsLoop)) != std::string::npos)
      return "the frame's commands linked back on themselves";
    return {};
  }

  // Runs the steps on the plug-in as it is; the index of the step after which a check failed
  // (and why), or -1.
  int Run(const std::vector<Step>& steps, std::string* why) {
    auto* delete_block = reinterpret_cast<void (*)(int32_t)>(Host::Lookup("DELETEMEMBLOCK_0_L"));
    std::FILE* trace = nullptr;
    if (const char* path = std::getenv("QEL_FUZZ_TRACE")) trace = std::fopen(path, "w");
    int failed = -1;
    running_.store(&steps);
    for (size_t i = 0; i < steps.size() && failed < 0; ++i) {
      const Step& step = steps[i];
      watchdog_->Started(static_cast<long>(i));
      if (trace) {
        std::fprintf(trace, "%s\n", Describe(step).c_str());
        std::fflush(trace);
      }
      bool frame_ended = false;
      switch (step.kind) {
        case Step::kExport: {
          const SweepEntry& entry = table_[static_cast<size_t>(step.index)];
          entry.shape->call_picked(entry.function, step.picks);
          const std::string name = entry.shape->name;
          frame_ended = name == "Sync" || name == "Render";
          break;
        }
        case Step::kBegin:
          api().WindowBegin(kNames[step.index], step.x, step.y, step.w, step.h, step.flags);
          break;
        case Step::kEnd: api().WindowEnd(); break;
        case Step::kHide: api().WindowShow(kNames[step.index], step.flags); break;
        case Step::kRow: api().LayoutRowDynamic(30, step.flags); break;
        case Step::kFrame:
          if (step.flags == 0) api().Sync();
          else api().Render(step.flags - 1);
          api().HandleInput0();
          frame_ended = true;
          break;
        case Step::kDeleteMemblock:
          delete_block(step.index ? step.index : api().GetMemblockInterface());
          break;
        case Step::kInput:
          host().MoveMouse(step.x, step.y);
          if (step.flags == 1) host().MouseDown(0);
          if (step.flags == 2) host().MouseUp(0);
          break;
      }
      if (frame_ended) {
        *why = FrameFault();
        if (!why->empty()) failed = static_cast<int>(i);
      }
    }
    watchdog_->Started(-1);
    running_.store(nullptr);
    if (trace) std::fclose(trace);
    return failed;
  }

#ifndef _WIN32
  // A run of some of a seed's steps in a process of its own. The plug-in stays loaded for the
  // life of a process, with its context, windows and tables, so only a new process starts it
  // from nothing; a crash or a hang (the watchdog aborts) of the run fails it too. True when
  // the run failed; `*failed_at` is then the position in `kept` of the step after which a
  // check failed, or kept.size() when the process died.
  bool FailsAlone(uint32_t seed, int calls, const std::vector<int>& kept, bool quiet, size_t* failed_at) const {
    const std::string path = ::testing::TempDir() + "qel_random_script_replay_" + std::to_string(::getpid());
    {
      std::ofstream out(path);
      out << seed << ' ' << calls << '\n';
      for (int index : kept) out << index << '\n';
    }
    std::remove((path + ".failed").c_str());
    char self[4096] = {};
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return false;
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // A quiet replay leaves the trace of the run it cuts down alone.
    const std::string command = std::string(quiet ? "QEL_FUZZ_TRACE= " : "") + "QEL_FUZZ_REPLAY='" + path + "' '" +
                                self + "' --gtest_filter='" + info->test_suite_name() + "." + info->name() + "'" +
                                (quiet ? " >/dev/null 2>&1" : "");
    const int status = std::system(command.c_str());
    size_t at = kept.size(), written = 0;
    if (std::ifstream(path + ".failed") >> written) at = written;  // none when the process died
    std::remove(path.c_str());
    std::remove((path + ".failed").c_str());
    if (status == 0) return false;
    *failed_at = std::min(at, kept.size());
    return true;
  }
#endif

  // The replay side: runs the steps the file names, and writes where a check failed.
  void Replay(const char* path) {
    std::ifstream in(path);
    uint32_t seed = 0;
    int calls = 0;
    ASSERT_TRUE(in >> seed >> calls) << path;
    seed_.store(static_cast<int>(seed));
    const std::vector<Step> all = Generate(seed, calls);
    std::vector<Step> steps;
    for (int index = 0; in >> index;)
      if (index >= 0 && index < calls) steps.push_back(all[static_cast<size_t>(index)]);
    std::string why;
    const int failed = Run(steps, &why);
    if (failed < 0) return;
    std::ofstream(std::string(path) + ".failed") << failed << '\n';
    ADD_FAILURE() << why << " (step " << failed << " of the replay)";
  }

#ifndef _WIN32
  // Cuts a failing sequence of step indices down: drops chunks, halving their size, while a
  // run of what is left still fails.
  std::vector<int> Minimize(uint32_t seed, int calls, std::vector<int> kept) const {
    for (size_t chunk = kept.size() / 2; chunk >= 1; chunk /= 2) {
      for (size_t at = 0; at + chunk <= kept.size();) {
        std::vector<int> shorter(kept.begin(), kept.begin() + static_cast<long>(at));
        shorter.insert(shorter.end(), kept.begin() + static_cast<long>(at + chunk), kept.end());
        size_t failed_at = 0;
        if (FailsAlone(seed, calls, shorter, true, &failed_at)) {
          shorter.resize(std::min(shorter.size(), failed_at + 1));
          kept = shorter;
        } else {
          at += chunk;
        }
      }
    }
    return kept;
  }
#endif

  std::vector<SweepEntry> table_;
  size_t log_seen_ = 0;
  std::atomic<const std::vector<Step>*> running_{nullptr};
  std::atomic<int> seed_{0};
  std::unique_ptr<Watchdog> watchdog_;
};

TEST_F(RandomScript, ManyFramesOfRandomCallsLeaveEveryFrameSound) {
  if (const char* replay = std::getenv("QEL_FUZZ_REPLAY")) {
    Replay(replay);
    return;
  }
  const int seeds = EnvInt("QEL_FUZZ_SEEDS", 4);
  const int first = EnvInt("QEL_FUZZ_SEED", 1);
  const int calls = EnvInt("QEL_FUZZ_CALLS", 5000);
  for (int seed = first; seed < first + seeds; ++seed) {
    std::vector<int> all(static_cast<size_t>(calls));
    for (int i = 0; i < calls; ++i) all[static_cast<size_t>(i)] = i;
#ifdef _WIN32
    // The Windows build runs its seeds in this process, one after another, and reports a
    // finding with the step it failed at; seeds are run alone and cut down on Linux.
    std::string why;
    const int failed_step = Run(Generate(static_cast<uint32_t>(seed), calls), &why);
    if (failed_step < 0) continue;
    ADD_FAILURE() << "seed " << seed << " fails after step " << failed_step << ": " << why;
    return;
#else
    // Each seed in a process of its own, so that a seed fails or passes the same whatever ran
    // before it; its sanitizer or watchdog report goes to this run's output.
    size_t failed = 0;
    if (!FailsAlone(static_cast<uint32_t>(seed), calls, all, false, &failed)) continue;
    all.resize(std::min(all.size(), failed + 1));
    const std::vector<int> minimal = Minimize(static_cast<uint32_t>(seed), calls, all);
    const std::vector<Step> steps = Generate(static_cast<uint32_t>(seed), calls);
    std::string listing;
    for (int index : minimal) listing += "  " + Describe(steps[static_cast<size_t>(index)]) + "\n";
    const std::string where = failed < static_cast<size_t>(calls) ? "a check after step " + std::to_string(failed)
                                                                   : "the process dying (crash or hang)";
    ADD_FAILURE() << "seed " << seed << " fails by " << where << "; minimal sequence of " << minimal.size()
                  << " steps on a started plug-in:\n"
                  << listing;
    return;
#endif
  }
}

}  // namespace
}  // namespace qel
