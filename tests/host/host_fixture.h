// A live host for one test, and typed access to its commands by name, as a plug-in has.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "qelhost.h"

namespace qel {

// The command `name` as the plug-in would resolve it; fails the test when it is missing.
template <class Sig>
Sig* Command(const char* name) {
  void* entry = Host::Lookup(name);
  EXPECT_NE(entry, nullptr) << name;
  return reinterpret_cast<Sig*>(entry);
}

class HostTest : public ::testing::Test {
 protected:
  virtual HostConfig Config() const {
    HostConfig config;
    config.width = 64;
    config.height = 48;
    config.media_folder = QEL_HOST_TEST_DATA;
    return config;
  }
  void SetUp() override {
    host_ = std::make_unique<Host>(Config());
    ASSERT_TRUE(host_->ok());
  }
  Host& host() { return *host_; }

  std::unique_ptr<Host> host_;
};

constexpr uint32_t Rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 255) {
  return r | (g << 8) | (b << 16) | (a << 24);
}

}  // namespace qel
