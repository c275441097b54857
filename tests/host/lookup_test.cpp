// The command table as a plug-in meets it: lookup by name, missing commands, recording.
#include <string>

#include "host_fixture.h"

namespace qel {
namespace {

using Lookup = HostTest;

TEST_F(Lookup, UnknownAndRemovedNamesGiveNothing) {
  EXPECT_EQ(Host::Lookup("NOSUCHCOMMAND_0_0"), nullptr);
  EXPECT_EQ(Host::Lookup(nullptr), nullptr);
  EXPECT_EQ(Host::Lookup("createstring_s_l"), nullptr);  // names are exact
  ASSERT_NE(Host::Lookup("GETPOLYGONSDRAWN_L_0"), nullptr);
  host().RemoveCommand("GETPOLYGONSDRAWN_L_0");
  EXPECT_EQ(Host::Lookup("GETPOLYGONSDRAWN_L_0"), nullptr);
  EXPECT_NE(Host::Lookup("GETDEVICEWIDTH_L_0"), nullptr);
}

}  // namespace
}  // namespace qel
