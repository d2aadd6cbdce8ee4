// UTF-8 one code point at a time: decoding with a reason for every broken sequence, and encoding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvedan {

enum class Utf8Error : std::uint8_t {
  None,
  BadLead,          // a continuation byte, or a byte no sequence starts with (F8–FF)
  Truncated,        // the text ends inside the sequence
  BadContinuation,  // a byte inside the sequence is not 10xxxxxx
  Overlong,         // a longer form than the code point needs (C0 and C1 leads included)
  Surrogate,        // U+D800–U+DFFF, which only UTF-16 uses
  TooLarge,         // above U+10FFFF (F4 90 and up, F5–F7 leads)
};

// One decoded step. For None, Overlong, Surrogate and TooLarge the sequence is whole: `code`
// is its value and `length` its bytes, so a lenient reader may still take it. For the other
// errors `code` is U+FFFD and `length` is 1: the first byte is all that can be skipped.
struct Utf8Step {
  char32_t code;
  std::uint8_t length;
  Utf8Error error;
};

inline constexpr char32_t replacement_char = U'\uFFFD';

// Decodes the code point at the front of `text`, which must not be empty.
constexpr Utf8Step decode_utf8(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return {lead, 1, Utf8Error::None};
  std::uint8_t length = 0;
  char32_t value = 0;
  if (lead >= 0xC0 && lead < 0xE0) {
    length = 2, value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead < 0xF0) {
    length = 3, value = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead < 0xF8) {
    length = 4, value = lead & 0x07u;
  } else {
    return {replacement_char, 1, Utf8Error::BadLead};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= text.size()) return {replacement_char, 1, Utf8Error::Truncated};
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return {replacement_char, 1, Utf8Error::BadContinuation};
    value = value << 6 | (next & 0x3Fu);
  }
  constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  Utf8Error error = Utf8Error::None;
  if (value < least[length]) {
    error = Utf8Error::Overlong;
  } else if (value >= 0xD800 && value <= 0xDFFF) {
    error = Utf8Error::Surrogate;
  } else if (value > 0x10FFFF) {
    error = Utf8Error::TooLarge;
  }
  return {value, length, error};
}

// Whether the whole text is strict UTF-8: no broken, overlong or surrogate sequence, nothing
// above U+10FFFF.
constexpr bool is_utf8(std::string_view text) {
  while (!text.empty()) {
    const Utf8Step step = decode_utf8(text);
    if (step.error != Utf8Error::None) return false;
    text.remove_prefix(step.length);
  }
  return true;
}

// Appends the UTF-8 form of a code point; the caller keeps to U+10FFFF.
inline void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace korvedan
