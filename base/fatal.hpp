// The one way a programming error stops the program: a message and where it was raised.
#pragma once

#include <source_location>
#include <string_view>

namespace korvedan {

// Called with the message and its source location before the process aborts. The
// crash report installs one; without it the message goes to standard error.
using FatalHook = void (*)(std::string_view message, const std::source_location& where);

void set_fatal_hook(FatalHook hook) noexcept;

[[noreturn]] void fatal(std::string_view message,
                        std::source_location where = std::source_location::current());

}  // namespace korvedan
