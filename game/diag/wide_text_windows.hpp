// UTF-8 to UTF-16 and back, for the calls Windows takes in wide characters.
#pragma once

#include <string>
#include <string_view>

namespace korvedan {

// Invalid sequences become U+FFFD on the way in either direction.
std::wstring utf16_from_utf8(std::string_view text);
std::string utf8_from_utf16(std::wstring_view text);

}  // namespace korvedan
