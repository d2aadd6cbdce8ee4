// The options' members of the save: written after the others, read back, defaults when
// missing, and wrong values refused like every other member.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/save/save_json.hpp"

namespace korvedan {
namespace {

using ::testing::HasSubstr;

constexpr const char* today_members =
    R"({"solved":1,"best":[1234],"music_off":false,"two_players":false,)"
    R"("difficulty":"Normal","slot":0,"name":"","others":[],"all_open":false)";

Settings changed_settings() {
  Settings s;
  s.fullscreen = true;
  s.language = Language::English;
  s.music_volume = 0;
  s.effects_volume = 7;
  s.keys[0][4] = "KeyK";
  s.keys[1][5] = "Digit1";
  return s;
}

TEST(SaveOptions, UntouchedOptionsLeaveTheSaveAsItAlwaysWas) {
  Progress p;
  p.record_win(0, 1234);
  EXPECT_EQ(progress_to_json(p), std::string(today_members) + "}");
}

TEST(SaveOptions, ChangedOptionsComeAfterTheOtherMembersAndReadBack) {
  Progress p;
  p.record_win(0, 1234);
  p.settings = changed_settings();
  const std::string text = progress_to_json(p);
  EXPECT_EQ(text, std::string(today_members) +
                      R"(,"fullscreen":true,"language":"en","music_volume":0,"effects_volume":7,"keys":[)"
                      R"(["ArrowUp","ArrowRight","ArrowDown","ArrowLeft","KeyK","ControlRight"],)"
                      R"(["KeyW","KeyD","KeyS","KeyA","ShiftLeft","Digit1"]]})");
  const Result<Progress> back = progress_from_json(text);
  ASSERT_TRUE(back) << back.error();
  EXPECT_EQ(back.value(), p);
}

TEST(SaveOptions, EachMissingOptionReadsAsItsDefault) {
  const Result<Progress> none = progress_from_json(R"({"solved":0,"best":[]})");
  ASSERT_TRUE(none) << none.error();
  EXPECT_EQ(none.value().settings, Settings{});

  const Result<Progress> some = progress_from_json(R"({"solved":0,"best":[],"language":"en","effects_volume":3})");
  ASSERT_TRUE(some) << some.error();
  Settings expected;
  expected.language = Language::English;
  expected.effects_volume = 3;
  EXPECT_EQ(some.value().settings, expected);

  // Today's nine-value array still loads; so does one with the five options after.
  const Result<Progress> nine = progress_from_json(R"([2,[5,6],true,false,"Easy",0,"",[],false])");
  ASSERT_TRUE(nine) << nine.error();
  EXPECT_EQ(nine.value().settings, Settings{});
  const Result<Progress> fourteen = progress_from_json(
      R"([2,[5,6],true,false,"Easy",0,"",[],false,true,"de",10,10,)"
      R"([["ArrowUp","ArrowRight","ArrowDown","ArrowLeft","ShiftRight","ControlRight"],)"
      R"(["KeyW","KeyD","KeyS","KeyA","ShiftLeft","KeyQ"]]])");
  ASSERT_TRUE(fourteen) << fourteen.error();
  EXPECT_TRUE(fourteen.value().settings.fullscreen);
  const Result<Progress> twelve = progress_from_json(R"([2,[5,6],true,false,"Easy",0,"",[],false,true,"de",10])");
  ASSERT_FALSE(twelve);
  EXPECT_THAT(twelve.error(), HasSubstr("expected an array of 9 values, found 12"));
}

TEST(SaveOptions, WrongValuesMakeTheSaveInvalid) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {R"("fullscreen":1)", "fullscreen: 1 is not true or false"},
      {R"("language":"fr")", "language: \"fr\" is not \"de\" or \"en\""},
      {R"("language":true)", "language: true is not \"de\" or \"en\""},
      {R"("music_volume":11)", "music_volume: 11 is not a volume from 0 to 10"},
      {R"("effects_volume":-1)", "effects_volume: -1 is not a volume from 0 to 10"},
      {R"("effects_volume":2.5)", "effects_volume: 2.5 is not a volume from 0 to 10"},
      {R"("keys":{})", "keys: an object is not an array of two players' keys"},
      {R"("keys":[[]])", "keys: an array is not an array of two players' keys"},
      {R"("keys":[["KeyW"],[]])", "keys[0]: an array is not an array of six key names"},
      {R"("keys":[["a","b","c","d","e",6],["a","b","c","d","e","f"]])", "keys[0][5]: 6 is not a string"},
      {R"("fullscreen":true,"fullscreen":false)", "member \"fullscreen\" given twice"},
  };
  for (const auto& [member, message] : cases) {
    const Result<Progress> p = progress_from_json(R"({"solved":0,"best":[],)" + member + "}");
    ASSERT_FALSE(p) << member;
    EXPECT_THAT(p.error(), HasSubstr(message)) << member;
  }
}

}  // namespace
}  // namespace korvedan
