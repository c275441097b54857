#include "demo.h"

#include <cstdint>

bool DemoSelect(const std::string& name) { return name.empty() || name == "default"; }

void DemoStart(qel::Host& host) {
  if (auto* init = host.Export<int32_t(int32_t)>("Init1")) init(1);
}

void DemoFrame(qel::Host& host, int /*frame*/) {
  if (auto* handle_input = host.Export<void()>("HandleInput0")) handle_input();
  if (auto* sync = host.Export<void()>("Sync"))
    sync();
  else
    host.Sync();  // a plug-in without Sync still gets its frames presented
}
