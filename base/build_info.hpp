// Which build this is: the number the title screen ("BUILD 21") and the controller log show.
#pragma once

#include <string_view>

// KV_BUILD is given by the build from set(KV_BUILD ...) in the top CMakeLists.txt, the one
// place the number is written.
#ifndef KV_BUILD
#error "KV_BUILD comes from set(KV_BUILD ...) in the top CMakeLists.txt"
#endif

namespace korvedan {

inline constexpr std::string_view build_number = KV_BUILD;

}  // namespace korvedan
