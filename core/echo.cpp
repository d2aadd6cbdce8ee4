// Decoding and encoding UTF-8, and quoting outside text for messages so that it stays one line.
#include "core/echo.hpp"

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
    constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    for (char32_t v = c; v != 0; v >>= 4) hex.insert(hex.begin(), digits[v & 15]);
    out += "\\u{" + hex + "}";
  } else {
    append_utf8(out, c);
  }
}

}  // namespace

char32_t next_char(std::string_view& text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  int length = 1;
  char32_t value = lead;
  if (lead >= 0xF0 && lead < 0xF8) {
    length = 4;
    value = lead & 0x07;
  } else if (lead >= 0xE0) {
    length = lead < 0xF0 ? 3 : 0;
    value = lead & 0x0F;
  } else if (lead >= 0xC2) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0x80) {
    length = 0;
  }
  if (length == 0 || static_cast<std::size_t>(length) > text.size()) {
    text.remove_prefix(1);
    return lead < 0x80 ? lead : 0xFFFD;
  }
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) {
      text.remove_prefix(1);
      return 0xFFFD;
    }
    value = value << 6 | (next & 0x3F);
  }
  const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
  if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    text.remove_prefix(1);
    return 0xFFFD;
  }
  text.remove_prefix(static_cast<std::size_t>(length));
  return value;
}

void append_utf8(std::string& out, char32_t c) {
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
