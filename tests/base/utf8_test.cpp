// The one UTF-8 decoder: whole sequences, and the reason for each kind of broken one.
#include "base/utf8.hpp"

#include <gtest/gtest.h>

#include <string>

namespace korvedan {
namespace {

// The decoder is usable at compile time.
static_assert(decode_utf8("\xE2\x80\xA6").code == U'\u2026');
static_assert(is_utf8("caf\xC3\xA9") && !is_utf8("\xC0\x80"));

struct Case {
  std::string bytes;
  char32_t code;
  int length;
  Utf8Error error;
};

void expect_step(const Case& c) {
  const Utf8Step step = decode_utf8(c.bytes);
  EXPECT_EQ(static_cast<std::uint32_t>(step.code), static_cast<std::uint32_t>(c.code)) << testing::PrintToString(c.bytes);
  EXPECT_EQ(step.length, c.length) << testing::PrintToString(c.bytes);
  EXPECT_EQ(step.error, c.error) << testing::PrintToString(c.bytes);
}

// Every form the decoder tells apart, with what it gives back.
const Case cases[] = {
    // Whole sequences of every length, at their bounds; only the front is decoded.
    Case{"A", U'A', 1, Utf8Error::None},
    Case{std::string(1, '\0'), U'\0', 1, Utf8Error::None},
    Case{"\x7F", 0x7F, 1, Utf8Error::None},
    Case{"\xC2\x80", 0x80, 2, Utf8Error::None},
    Case{"\xDF\xBF", 0x7FF, 2, Utf8Error::None},
    Case{"\xE0\xA0\x80", 0x800, 3, Utf8Error::None},
    Case{"\xED\x9F\xBF", 0xD7FF, 3, Utf8Error::None},
    Case{"\xEE\x80\x80", 0xE000, 3, Utf8Error::None},
    Case{"\xEF\xBF\xBF", 0xFFFF, 3, Utf8Error::None},
    Case{"\xF0\x90\x80\x80", 0x10000, 4, Utf8Error::None},
    Case{"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, Utf8Error::None},
    Case{"\xC3\xA9rest", 0xE9, 2, Utf8Error::None},  // only the front is decoded
    // Overlong, surrogate and too large forms keep their value and length.
    Case{"\xC0\x80", 0x00, 2, Utf8Error::Overlong},
    Case{"\xC1\xBF", 0x7F, 2, Utf8Error::Overlong},
    Case{"\xE0\x9F\xBF", 0x7FF, 3, Utf8Error::Overlong},
    Case{"\xF0\x8F\xBF\xBF", 0xFFFF, 4, Utf8Error::Overlong},
    Case{"\xED\xA0\x80", 0xD800, 3, Utf8Error::Surrogate},
    Case{"\xED\xBF\xBF", 0xDFFF, 3, Utf8Error::Surrogate},
    Case{"\xF4\x90\x80\x80", 0x110000, 4, Utf8Error::TooLarge},
    Case{"\xF7\xBF\xBF\xBF", 0x1FFFFF, 4, Utf8Error::TooLarge},
    // Broken sequences give the replacement for their first byte only.
    Case{"\x80", replacement_char, 1, Utf8Error::BadLead},
    Case{"\xBF\x80", replacement_char, 1, Utf8Error::BadLead},
    Case{"\xF8\x88\x80\x80\x80", replacement_char, 1, Utf8Error::BadLead},
    Case{"\xFF", replacement_char, 1, Utf8Error::BadLead},
    Case{"\xC3", replacement_char, 1, Utf8Error::Truncated},
    Case{"\xE2\x80", replacement_char, 1, Utf8Error::Truncated},
    Case{"\xF0\x90\x80", replacement_char, 1, Utf8Error::Truncated},
    Case{"\xC3(", replacement_char, 1, Utf8Error::BadContinuation},
    Case{"\xE2\x80(", replacement_char, 1, Utf8Error::BadContinuation},
    Case{"\xF0\x90\xC3\xA9", replacement_char, 1, Utf8Error::BadContinuation},
};

TEST(Utf8, EachFormDecodesToItsValueLengthAndReason) {
  for (const Case& c : cases) expect_step(c);
}

TEST(Utf8, StrictTextAcceptsOnlyWholeShortestFormsUpToTheLastCodePoint) {
  EXPECT_TRUE(is_utf8(""));
  EXPECT_TRUE(is_utf8("plain ascii"));
  EXPECT_TRUE(is_utf8("Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\xA6 \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF"));
  for (const char* bad : {"ok\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",
                          "end\xE2\x80", "\x80", "\xFE", "\xC3(x"}) {
    EXPECT_FALSE(is_utf8(bad)) << testing::PrintToString(std::string(bad));
  }
}

TEST(Utf8, EncodingRoundTripsEveryLength) {
  for (char32_t c : {U'\0', U'A', char32_t{0x7F}, char32_t{0x80}, char32_t{0x7FF}, char32_t{0x800}, char32_t{0xD7FF},
                     char32_t{0xE000}, char32_t{0xFFFF}, char32_t{0x10000}, char32_t{0x10FFFF}}) {
    std::string out;
    append_utf8(out, c);
    const Utf8Step step = decode_utf8(out);
    EXPECT_EQ(step.error, Utf8Error::None);
    EXPECT_EQ(static_cast<std::uint32_t>(step.code), static_cast<std::uint32_t>(c));
    EXPECT_EQ(step.length, out.size());
  }
}

}  // namespace
}  // namespace korvedan
