// Programming errors end here: the installed hook reports them, then the process aborts.
#include "base/fatal.hpp"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace korvedan {

namespace {
std::atomic<FatalHook> installed_hook{nullptr};
}

void set_fatal_hook(FatalHook hook) noexcept { installed_hook.store(hook); }

void fatal(std::string_view message, std::source_location where) {
  if (FatalHook hook = installed_hook.load()) {
    hook(message, where);
  } else {
    std::fprintf(stderr, "panicked at %s:%u:%u:\n%.*s\n", where.file_name(),
                 static_cast<unsigned>(where.line()), static_cast<unsigned>(where.column()),
                 static_cast<int>(message.size()), message.data());
  }
  std::abort();
}

}  // namespace korvedan
