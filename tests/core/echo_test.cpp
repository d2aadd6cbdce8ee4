// Outside text in messages: quoted so that it stays one line without escapes, and cut short.
#include "core/echo.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/input_tokens.hpp"

namespace korvedan {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(Echo, ControlCharactersQuotesAndBackslashesAreWrittenOut) {
  EXPECT_EQ(echoed("R/."), "\"R/.\"");
  EXPECT_EQ(echoed("a\nb\x1b[31m\t\r"), "\"a\\nb\\u{1b}[31m\\t\\r\"");
  EXPECT_EQ(echoed(std::string_view("x\0y", 3)), "\"x\\0y\"");
  EXPECT_EQ(echoed("say \"hi\" \\ 'there'"), "\"say \\\"hi\\\" \\\\ 'there'\"");
  EXPECT_EQ(echoed("\xC2\x85"), "\"\\u{85}\"") << "a C1 control character";
  EXPECT_EQ(echoed("J\xC3\xB6rg"), "\"J\xC3\xB6rg\"");
  EXPECT_EQ(echoed("\xFF"), "\"\xEF\xBF\xBD\"") << "a broken byte shows as the replacement character";
}

TEST(Echo, LongTextIsCutAfterFortyCharactersNeverInsideOne) {
  EXPECT_EQ(echoed(std::string(40, 'a')), "\"" + std::string(40, 'a') + "\"");
  EXPECT_EQ(echoed(std::string(41, 'a')), "\"" + std::string(40, 'a') + "\xE2\x80\xA6\"");
  std::string umlauts;
  for (int i = 0; i < 100; ++i) umlauts += "\xC3\x84";
  std::string forty;
  for (int i = 0; i < 40; ++i) forty += "\xC3\x84";
  EXPECT_EQ(echoed(umlauts), "\"" + forty + "\xE2\x80\xA6\"");
  EXPECT_EQ(first_chars(umlauts, 3), "\xC3\x84\xC3\x84\xC3\x84");
  EXPECT_EQ(first_chars("ab", 5), "ab");
}

TEST(Echo, ABadInputTokenIsShownShortAndOnOneLine) {
  const auto long_token = parse_input_tokens("R R\n  " + std::string(100000, 'Z') + " L", 1);
  ASSERT_FALSE(long_token.ok());
  EXPECT_EQ(long_token.error(), "line 2, column 3: \"" + std::string(40, 'Z') +
                                    "\xE2\x80\xA6\" is not an input token (like R, FR, GU or F.)");
  const auto escape = parse_input_tokens("R/. \x1b[2J/.", 2);
  ASSERT_FALSE(escape.ok());
  EXPECT_THAT(escape.error(), HasSubstr("\"\\u{1b}[2J/.\" is not an input token"));
  EXPECT_THAT(escape.error(), Not(HasSubstr("\x1b")));
}

}  // namespace
}  // namespace korvedan
