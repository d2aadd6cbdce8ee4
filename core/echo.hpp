// Showing text that came from outside (a file, a save, a command line) safely in a message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/utf8.hpp"

namespace korvedan {

// Decodes one UTF-8 character from the front of `text`; a broken sequence counts as one
// replacement character per byte, so every byte is still accounted for.
char32_t next_char(std::string_view& text);

// The first `count` characters of the text (all of it when shorter), never ending inside one.
std::string_view first_chars(std::string_view text, std::size_t count);

// The character as a char literal is written: '\t', '\'', '\u{1b}', or itself.
std::string quoted(char32_t c);

inline constexpr std::string_view ellipsis = "\xE2\x80\xA6";  // …, where a text was cut

// How much of an echoed text a message shows, in characters.
inline constexpr std::size_t echo_length = 40;

// The text in double quotes, control characters, quotes and backslashes written as in
// quoted(), cut after echo_length characters with "…": one short line whatever came in.
std::string echoed(std::string_view text);

}  // namespace korvedan
