// A seeded random script: export calls drawn from the export list with hostile-but-typed
// arguments, in plausible and implausible orders (inside and outside windows, unbalanced
// begins and ends, windows hidden while being filled, the interface memblock and other
// memblocks deleted), over many frames with random mouse input. After every frame no window
// may still be open and the interface memblock must be live. Under the sanitizer build any
// out-of-bounds access fails at once.
//
// Budget: QEL_FUZZ_SEEDS seeds (default 4) from QEL_FUZZ_SEED (default 1), QEL_FUZZ_CALLS
// steps each (default 5000); scripts/fuzz.sh runs it longer. A finding is replayed on a fresh
// plug-in and cut down to a minimal sequence of steps, which the failure prints. Set
// QEL_FUZZ_TRACE to a file to have every step written there before it runs (for a crash).
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
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
  }

  // The plug-in started with the built-in font, and the export table of this load.
  void Ready() {
    Start();
    api().FontStashBegin();
    api().FontStashEnd();
    table_ = SweepTable([this](const char* name) { return host().Symbol(name); });
  }

  // A new host with the plug-in loaded afresh: no state of an earlier replay is left.
  void Fresh() {
    host_.reset();
    host_ = std::make_unique<Host>(Config());
    ASSERT_TRUE(host_->ok());
    ASSERT_TRUE(host_->LoadPlugin(QEL_PLUGIN_PATH));
    ASSERT_TRUE(LoadExportTable([this](const char* name) { return host_->Symbol(name); }, api_).empty());
    Ready();
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
        text << table_[static_cast<size_t>(step.index)].shape->name << " picks";
        const size_t arguments = table_[static_cast<size_t>(step.index)].kinds.size() / 2;
        for (size_t j = 0; j < arguments; ++j) text << ' ' << step.picks[j];
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
    return {};
  }

  // Runs the steps on the plug-in as it is; the index of the step after which a check failed
  // (and why), or -1.
  int Run(const std::vector<Step>& steps, std::string* why) {
    auto* delete_block = reinterpret_cast<void (*)(int32_t)>(Host::Lookup("DELETEMEMBLOCK_0_L"));
    std::FILE* trace = nullptr;
    if (const char* path = std::getenv("QEL_FUZZ_TRACE")) trace = std::fopen(path, "w");
    int failed = -1;
    for (size_t i = 0; i < steps.size() && failed < 0; ++i) {
      const Step& step = steps[i];
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
    if (trace) std::fclose(trace);
    return failed;
  }

  // Cuts a failing sequence down: drops chunks, halving their size, while it still fails.
  std::vector<Step> Minimize(std::vector<Step> steps) {
    for (size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
      for (size_t at = 0; at + chunk <= steps.size();) {
        std::vector<Step> shorter(steps.begin(), steps.begin() + static_cast<long>(at));
        shorter.insert(shorter.end(), steps.begin() + static_cast<long>(at + chunk), steps.end());
        Fresh();
        std::string why;
        const int failed = Run(shorter, &why);
        if (failed >= 0) {
          shorter.resize(static_cast<size_t>(failed) + 1);
          steps = shorter;
        } else {
          at += chunk;
        }
      }
    }
    return steps;
  }

  std::vector<SweepEntry> table_;
};

TEST_F(RandomScript, ManyFramesOfRandomCallsLeaveEveryFrameSound) {
  const int seeds = EnvInt("QEL_FUZZ_SEEDS", 4);
  const int first = EnvInt("QEL_FUZZ_SEED", 1);
  const int calls = EnvInt("QEL_FUZZ_CALLS", 5000);
  for (int seed = first; seed < first + seeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    if (seed != first) Fresh();
    const std::vector<Step> steps = Generate(static_cast<uint32_t>(seed), calls);
    std::string why;
    const int failed = Run(steps, &why);
    if (failed < 0) continue;
    std::vector<Step> failing(steps.begin(), steps.begin() + failed + 1);
    const std::vector<Step> minimal = Minimize(failing);
    std::string listing;
    for (const Step& step : minimal) listing += "  " + Describe(step) + "\n";
    ADD_FAILURE() << why << " (seed " << seed << ", step " << failed << "); minimal sequence of " << minimal.size()
                  << " steps on a started plug-in:\n"
                  << listing;
    return;
  }
}

}  // namespace
}  // namespace qel
