// kvtool's commands: each file registers one with KV_COMMAND and kvtool's main finds it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvedan::tool {

using Args = std::vector<std::string>;

struct Command {
  std::string_view name;
  std::string_view usage;  // one line: the arguments after the name
  int (*run)(const Args& args);
};

std::vector<Command>& commands();

struct Registrar {
  explicit Registrar(Command command) { commands().push_back(command); }
};

// A wrong use of a command: print the message and its usage to standard error, return 2.
int usage_error(std::string_view command, std::string_view message);

}  // namespace korvedan::tool

#define KV_COMMAND(ident, name, usage, fn) \
  static const ::korvedan::tool::Registrar kv_command_##ident{{name, usage, fn}}
