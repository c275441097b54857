// The fixture's set-up, compiled once: it instantiates the export table's loader, which
// every test source would otherwise compile again.
#include "plugin_fixture.h"

#include <cstdlib>

namespace qel {

void PluginTest::SetUp() {
  host_ = std::make_unique<Host>(Config());
  ASSERT_TRUE(host_->ok());
  for (const std::string& name : RemovedCommands()) host_->RemoveCommand(name);
  // QEL_TEST_PLUGIN names another build of the plug-in: a long fuzz run works on a copy
  // while the tree it came from is rebuilt.
  const char* plugin = std::getenv("QEL_TEST_PLUGIN");
  ASSERT_TRUE(host_->LoadPlugin(plugin && *plugin ? plugin : QEL_PLUGIN_PATH));
  const std::vector<std::string> missing =
      LoadExportTable([this](const char* name) { return host_->Symbol(name); }, api_);
  ASSERT_TRUE(missing.empty()) << "first missing export: " << missing.front();
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  // Parameterised tests have "/" in their names; the log is one file in the temp folder.
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  log_path_ = ::testing::TempDir() + "qel_" + name + ".log";
}

}  // namespace qel
