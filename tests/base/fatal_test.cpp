// A programming error must stop the program with its message and where it was raised.
#include "base/fatal.hpp"

#include <gtest/gtest.h>

namespace korvedan {
namespace {

TEST(Fatal, PrintsMessageAndLocationThenAborts) {
  EXPECT_DEATH(fatal("no entry found for key"), "panicked at .*fatal_test\\.cpp:[0-9]+:[0-9]+:\nno entry found for key");
}

TEST(Fatal, TheFileIsNamedFromTheCheckoutsTopOnEveryMachine) {
  // Not the build machine's folder: the same report wherever the game was built.
  EXPECT_DEATH(fatal("somewhere"), "panicked at tests/base/fatal_test\\.cpp:[0-9]+:[0-9]+:\nsomewhere");
}

void shouting_hook(std::string_view message, const std::source_location&) {
  std::fprintf(stderr, "HOOK %.*s\n", static_cast<int>(message.size()), message.data());
}

TEST(Fatal, InstalledHookSeesTheMessage) {
  EXPECT_DEATH(
      {
        set_fatal_hook(shouting_hook);
        fatal("level X: no hatch");
      },
      "HOOK level X: no hatch");
}

}  // namespace
}  // namespace korvedan
