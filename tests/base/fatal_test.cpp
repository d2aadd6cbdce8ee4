// A programming error must stop the program with its message and where it was raised.
#include "base/fatal.hpp"

#include <gtest/gtest.h>

namespace korvedan {
namespace {

// A line or column number: GoogleTest's own regular expressions on Windows have no brackets.
#if defined(_WIN32)
#define KV_NUMBER "\\d+"
#else
#define KV_NUMBER "[0-9]+"
#endif

TEST(Fatal, PrintsMessageAndLocationThenAborts) {
  EXPECT_DEATH(fatal("no entry found for key"),
               "panicked at .*fatal_test\\.cpp:" KV_NUMBER ":" KV_NUMBER ":\nno entry found for key");
}

TEST(Fatal, TheFileIsNamedFromTheCheckoutsTopOnEveryMachine) {
  // Not the build machine's folder: the same report wherever the game was built.
  EXPECT_DEATH(fatal("somewhere"),
               "panicked at tests/base/fatal_test\\.cpp:" KV_NUMBER ":" KV_NUMBER ":\nsomewhere");
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
