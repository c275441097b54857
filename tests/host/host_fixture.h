// A live host for one test, a media folder of its own, and typed access to the engine's
// commands by name, as a plug-in has it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <type_traits>

#include "qelhost.h"

namespace qel {

// The command `name` as the plug-in would resolve it; fails the test when it is missing.
template <class Sig>
Sig* Command(const char* name) {
  void* entry = Host::Lookup(name);
  EXPECT_NE(entry, nullptr) << name;
  return reinterpret_cast<Sig*>(entry);
}

// A command resolved by name at each call, so a fixture can name its commands before the
// host that serves them exists.
template <class Sig>
class CommandByName;
template <class R, class... A>
class CommandByName<R(A...)> {
 public:
  explicit CommandByName(const char* name) : name_(name) {}
  R operator()(A... args) const {
    auto* command = Command<R(A...)>(name_);
    if constexpr (std::is_void_v<R>) {
      if (command) command(args...);
    } else {
      return command ? command(args...) : R{};
    }
  }

 private:
  const char* name_;
};

class HostTest : public ::testing::Test {
 protected:
  virtual HostConfig Config() const {
    HostConfig config;
    config.width = 64;
    config.height = 48;
    config.media_folder = MediaFolder();
    return config;
  }
  void SetUp() override {
    std::filesystem::remove_all(MediaFolder());
    std::filesystem::create_directories(MediaFolder());
    host_ = std::make_unique<Host>(Config());
    ASSERT_TRUE(host_->ok());
  }
  void TearDown() override {
    host_.reset();
    std::filesystem::remove_all(Root());
  }

  // <temp>/qelhost_<suite>_<test>/ holds the media folder "media".
  static std::string Root() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return ::testing::TempDir() + "qelhost_" + info->test_suite_name() + "_" + info->name();
  }
  static std::string MediaFolder() { return Root() + "/media"; }
  static void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

  Host& host() { return *host_; }
  std::unique_ptr<Host> host_;
};

constexpr uint32_t Rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 255) {
  return r | (g << 8) | (b << 16) | (a << 24);
}

}  // namespace qel
