// Reading UTF-8 a character at a time, and quoting outside text for messages so that it stays one line.
#include "core/echo.hpp"

#include "base/hex_text.hpp"

namespace korvedan {

namespace {

// Control characters become \t, \r, \n, \0 or \u{hex}; the quote and the backslash get a
// backslash; everything else is itself.
void append_escaped(std::string& out, char32_t c, char32_t quote) {
  switch (c) {
    case U'\t': out += "\\t"; return;
    case U'\r': out += "\\r"; return;
    case U'\n': out += "\\n"; return;
    case U'\0': out += "\\0"; return;
    case U'\\': out += "\\\\"; return;
    default: break;
  }
  if (c == quote) {
    out += '\\';
    append_utf8(out, c);
  } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
    out += "\\u{";
    append_hex(out, c);
    out += '}';
  } else {
    append_utf8(out, c);
  }
}

}  // namespace

char32_t next_char(std::string_view& text) {
  const Utf8Step step = decode_utf8(text);
  const bool whole = step.error == Utf8Error::None;
  text.remove_prefix(whole ? step.length : 1);
  return whole ? step.code : replacement_char;
}

std::string_view first_chars(std::string_view text, std::size_t count) {
  std::string_view rest = text;
  for (std::size_t kept = 0; kept < count && !rest.empty(); ++kept) next_char(rest);
  return text.substr(0, text.size() - rest.size());
}

std::string quoted(char32_t c) {
  std::string out = "'";
  append_escaped(out, c, U'\'');
  return out + "'";
}

std::string echoed(std::string_view text) {
  std::string out = "\"";
  for (std::size_t shown = 0; !text.empty(); ++shown) {
    if (shown == echo_length) {
      out += ellipsis;
      break;
    }
    append_escaped(out, next_char(text), U'"');
  }
  return out + "\"";
}

}  // namespace korvedan
