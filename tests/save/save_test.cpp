// The save file: where it lives, its exact text, and every kind of damaged file it may meet.
#include "game/save/save.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "game/save/save_json.hpp"
#include "tests/save/save_folder.hpp"

namespace korvedan {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using testing::read_bytes;
using testing::write_bytes;

EnvironmentLookup environment(std::map<std::string, std::string> variables) {
  return [variables](const char* name) -> std::optional<std::string> {
    const auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

Progress rich_progress() {
  Progress p;
  p.solved = 12;
  p.best = {100, 0, 4294967295u};
  p.music_off = true;
  p.two_players = true;
  p.difficulty = Difficulty::Hard;
  p.slot = 2;
  p.name = "ANN \"Ä\" \\7";  // ten characters: as long as a name may be
  p.others = {Profile{0, "BEN", 3, {1, 2, 3}}, Profile{5, "", 18446744073709551615u, {}}};
  p.all_open = true;
  return p;
}

class SaveFile : public testing::SaveFolder {
 protected:
  // Loads the given bytes as the save and returns what was said on standard error.
  std::string load_bytes(std::string_view bytes, Progress& loaded) {
    write_bytes(save, bytes);
    std::ostringstream errors;
    loaded = load_progress(save, errors);
    return errors.str();
  }

  // A file that cannot be used: one line, the default progress, the old bytes kept aside.
  void expect_kept_aside(std::string_view bytes, std::string_view reason_part) {
    Progress loaded = rich_progress();
    const std::string said = load_bytes(bytes, loaded);
    EXPECT_EQ(loaded, Progress{});
    EXPECT_THAT(said, StartsWith("save could not be read ("));
    EXPECT_THAT(said, HasSubstr(reason_part));
    EXPECT_THAT(said, HasSubstr("): starting over; the old save is kept as " +
                                (dir / "save.json.bad").string() + "\n"));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_FALSE(fs::exists(save));
    EXPECT_EQ(read_bytes(dir / "save.json.bad"), bytes);
  }
};

// ---- Where the save lives ----------------------------------------------------------------

TEST(SavePath, TheFirstVariableSetDecides) {
  EXPECT_EQ(save_path(environment({{"KORVEDAN_SAVE", "/a/b.json"}, {"XDG_DATA_HOME", "/x"},
                                   {"APPDATA", "/y"}, {"HOME", "/h"}})),
            fs::path("/a/b.json"));
  EXPECT_EQ(save_path(environment({{"XDG_DATA_HOME", "/x"}, {"APPDATA", "/y"}, {"HOME", "/h"}})),
            fs::path("/x/korvedan/save.json"));
  EXPECT_EQ(save_path(environment({{"APPDATA", "/y"}, {"HOME", "/h"}})),
            fs::path("/y/korvedan/save.json"));
  EXPECT_EQ(save_path(environment({{"HOME", "/h"}})), fs::path("/h/.local/share/korvedan/save.json"));
  EXPECT_EQ(save_path(environment({})), std::nullopt);
}

TEST(SavePath, AnEmptyVariableStillCounts) {
  EXPECT_EQ(save_path(environment({{"KORVEDAN_SAVE", ""}, {"HOME", "/h"}})), fs::path(""));
  EXPECT_EQ(save_path(environment({{"XDG_DATA_HOME", ""}, {"HOME", "/h"}})),
            fs::path("korvedan/save.json"));
}

TEST(SavePath, TemporaryAndBadFilesSitBesideTheSave) {
  EXPECT_EQ(temporary_save_path("/d/save.json"), fs::path("/d/save.json.tmp"));
  EXPECT_EQ(temporary_save_path("/d/save"), fs::path("/d/save.json.tmp"));
  EXPECT_EQ(temporary_save_path("/d/progress.txt"), fs::path("/d/progress.json.tmp"));
  EXPECT_EQ(bad_save_path("/d/save.json"), fs::path("/d/save.json.bad"));
}

// ---- The text ------------------------------------------------------------------------------

TEST(SaveText, AFirstRunAfterOneWonCave) {
  Progress p;
  p.record_win(0, 1234);
  EXPECT_EQ(progress_to_json(p),
            R"({"solved":1,"best":[1234],"music_off":false,"two_players":false,)"
            R"("difficulty":"Normal","slot":0,"name":"","others":[],"all_open":false})");
}

TEST(SaveText, ProfilesAndEscapesInMemberOrder) {
  EXPECT_EQ(progress_to_json(rich_progress()),
            R"({"solved":12,"best":[100,0,4294967295],"music_off":true,"two_players":true,)"
            R"("difficulty":"Hard","slot":2,"name":"ANN \"Ä\" \\7","others":[)"
            R"({"slot":0,"name":"BEN","solved":3,"best":[1,2,3]},)"
            R"({"slot":5,"name":"","solved":18446744073709551615,"best":[]}],"all_open":true})");
}

TEST(SaveText, RoundTrips) {
  for (const Progress& p : {Progress{}, rich_progress()}) {
    const Result<Progress> back = progress_from_json(progress_to_json(p));
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(back.value(), p);
  }
}

TEST(SaveText, OnlySolvedAndBestAreRequired) {
  const Result<Progress> p = progress_from_json(R"({"best":[5,6],"solved":2})");
  ASSERT_TRUE(p.ok()) << p.error();
  Progress expected;
  expected.solved = 2;
  expected.best = {5, 6};
  EXPECT_EQ(p.value(), expected);
}

TEST(SaveText, AnyOrderWhitespaceAndUnknownMembers) {
  const Result<Progress> p = progress_from_json(
      " \n{ \"all_open\" : true,\r\n\t\"colour\": {\"deep\": [1, {\"x\": null}]},\n"
      "  \"difficulty\": \"Easy\", \"others\": [{\"best\": [], \"solved\": 4, \"extra\": 1,"
      " \"name\": \"Q\", \"slot\": 7}],\n  \"best\": [], \"solved\": 0 }\n\n");
  ASSERT_TRUE(p.ok()) << p.error();
  EXPECT_TRUE(p.value().all_open);
  EXPECT_EQ(p.value().difficulty, Difficulty::Easy);
  ASSERT_EQ(p.value().others.size(), 1u);
  EXPECT_EQ(p.value().others[0], (Profile{7, "Q", 4, {}}));
  // Saving again drops what was not understood.
  EXPECT_EQ(progress_to_json(p.value()).find("colour"), std::string::npos);
  EXPECT_EQ(progress_to_json(p.value()).find("extra"), std::string::npos);
}

TEST(SaveText, TheNineValueArrayForm) {
  const Result<Progress> p = progress_from_json(
      R"([3,[1,2],true,false,"Hard",1,"ZOE",[{"slot":2,"name":"AL","solved":1,"best":[9]},{"slot":3,"name":"","solved":1,"best":[]}],true])");
  ASSERT_TRUE(p.ok()) << p.error();
  EXPECT_EQ(p.value().solved, 3u);
  EXPECT_EQ(p.value().difficulty, Difficulty::Hard);
  EXPECT_EQ(p.value().name, "ZOE");
  ASSERT_EQ(p.value().others.size(), 2u);
  EXPECT_EQ(p.value().others[0], (Profile{2, "AL", 1, {9}}));
  EXPECT_TRUE(p.value().all_open);

  const Result<Progress> eight = progress_from_json(R"([3,[1,2],true,false,"Hard",1,"ZOE",[]])");
  ASSERT_FALSE(eight.ok());
  EXPECT_THAT(eight.error(), HasSubstr("expected an array of 9 values, found 8"));
  EXPECT_FALSE(progress_from_json(R"([3,[],true,false,"Hard",1,"ZOE",[],true,0])").ok());
  EXPECT_FALSE(progress_from_json("[]").ok());
}

TEST(SaveText, AProfileIsNeverAnArray) {
  // The array form is for the whole record only, in either form of the record.
  const std::pair<const char*, const char*> cases[] = {
      {R"({"solved":1,"best":[],"others":[[1,"A",2,[3]]]})", "others[0]: an array is not a profile object"},
      {R"({"solved":1,"best":[],"others":[{"slot":1,"name":"A","solved":2,"best":[3]},[4,"B",5,[]]]})",
       "others[1]: an array is not a profile object"},
      {R"([3,[],false,false,"Easy",0,"",[[2,"AL",1,[9]]],false])", "others[0]: an array is not a profile object"},
  };
  for (const auto& [text, message] : cases) {
    const Result<Progress> p = progress_from_json(text);
    ASSERT_FALSE(p.ok()) << text;
    EXPECT_EQ(p.error(), message) << text;
  }
}

TEST(SaveText, MissingRequiredMembersAreNamed) {
  const Result<Progress> no_best = progress_from_json(R"({"solved":1,"music_off":true})");
  ASSERT_FALSE(no_best.ok());
  EXPECT_THAT(no_best.error(), HasSubstr("\"best\""));
  const Result<Progress> no_solved = progress_from_json(R"({"best":[]})");
  ASSERT_FALSE(no_solved.ok());
  EXPECT_THAT(no_solved.error(), HasSubstr("\"solved\""));
  const Result<Progress> no_slot =
      progress_from_json(R"({"solved":1,"best":[],"others":[{"name":"A","solved":1,"best":[]}]})");
  ASSERT_FALSE(no_slot.ok());
  EXPECT_EQ(no_slot.error(), "others[0]: missing member \"slot\"");
}

TEST(SaveText, NumbersOutsideTheirRange) {
  EXPECT_TRUE(progress_from_json(R"({"solved":18446744073709551615,"best":[4294967295]})").ok());
  const Result<Progress> wide = progress_from_json(R"({"solved":0,"best":[1,4294967296]})");
  ASSERT_FALSE(wide.ok());
  EXPECT_EQ(wide.error(), "best[1]: 4294967296 is not an unsigned 32-bit integer");
  const Result<Progress> huge = progress_from_json(R"({"solved":18446744073709551616,"best":[]})");
  ASSERT_FALSE(huge.ok());
  EXPECT_THAT(huge.error(), StartsWith("solved: "));
  EXPECT_THAT(huge.error(), HasSubstr("is not an unsigned 64-bit integer"));
  EXPECT_EQ(progress_from_json(R"({"solved":-1,"best":[]})").error(),
            "solved: -1 is not an unsigned 64-bit integer");
  EXPECT_FALSE(progress_from_json(R"({"solved":0,"best":[-5]})").ok());
  EXPECT_FALSE(progress_from_json(R"({"solved":1.0,"best":[]})").ok());
  EXPECT_FALSE(progress_from_json(R"({"solved":1e3,"best":[]})").ok());
  EXPECT_FALSE(progress_from_json(R"({"solved":0,"best":[],"others":[{"slot":-2,"name":"","solved":0,"best":[]}]})").ok());
  EXPECT_FALSE(progress_from_json(
      R"({"solved":0,"best":[],"others":[{"slot":0,"name":"","solved":0,"best":[99999999999]}]})").ok());
  // No range check beyond the number types: a slot of 99 is taken as it is.
  const Result<Progress> far = progress_from_json(R"({"solved":500,"best":[],"slot":99})");
  ASSERT_TRUE(far.ok());
  EXPECT_EQ(far.value().slot, 99u);
}

TEST(SaveText, WrongTypes) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({"solved":"3","best":[]})", "solved: \"3\" is not an unsigned 64-bit integer"},
      {R"({"solved":3,"best":{}})", "best: an object is not an array of scores"},
      {R"({"solved":3,"best":[true]})", "best[0]: true is not an unsigned 64-bit integer"},
      {R"({"solved":3,"best":[],"music_off":null})", "music_off: null is not true or false"},
      {R"({"solved":3,"best":[],"two_players":1})", "two_players: 1 is not true or false"},
      {R"({"solved":3,"best":[],"difficulty":"easy"})", "difficulty: \"easy\" is not \"Easy\", \"Normal\" or \"Hard\""},
      {R"({"solved":3,"best":[],"difficulty":1})", "difficulty: 1 is not \"Easy\", \"Normal\" or \"Hard\""},
      {R"({"solved":3,"best":[],"name":42})", "name: 42 is not a string"},
      {R"({"solved":3,"best":[],"others":{}})", "others: an object is not an array of profiles"},
      {R"({"solved":3,"best":[],"others":[5]})", "others[0]: 5 is not a profile object"},
      {R"({"solved":3,"best":[],"others":[{"slot":1,"name":[],"solved":0,"best":[]}]})",
       "others[0].name: an array is not a string"},
      {"42", "the save: 42 is not an object or an array of nine values"},
      {R"("save")", "the save: \"save\" is not an object or an array of nine values"},
      {"null", "the save: null is not an object or an array of nine values"},
      // A long text is shortened in the message, never inside a character.
      {R"({"solved":3,"best":[],"difficulty":"ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ"})",
       "difficulty: \"ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ...\" is not \"Easy\", \"Normal\" or \"Hard\""},
  };
  for (const auto& [text, message] : cases) {
    const Result<Progress> p = progress_from_json(text);
    ASSERT_FALSE(p.ok()) << text;
    EXPECT_EQ(p.error(), message) << text;
  }
}

TEST(SaveText, AMemberGivenTwiceIsPlaced) {
  const Result<Progress> top = progress_from_json("{\"solved\":1,\"best\":[],\n  \"solved\":2}");
  ASSERT_FALSE(top.ok());
  EXPECT_EQ(top.error(), "member \"solved\" given twice at line 2, column 10");
  const Result<Progress> inner = progress_from_json(
      R"({"solved":1,"best":[],"others":[{"slot":1,"name":"A","name":"B","solved":0,"best":[]}]})");
  ASSERT_FALSE(inner.ok());
  EXPECT_EQ(inner.error(), "member \"name\" given twice at line 1, column 59");
  // Keys are counted per object: the same name in two objects is fine.
  EXPECT_TRUE(progress_from_json(
      R"({"solved":1,"best":[],"x":{"solved":1},"y":[{"a":1},{"a":2}]})").ok());
  EXPECT_FALSE(progress_from_json(R"({"solved":1,"best":[],"x":{"a":1,"a":1}})").ok());
}

TEST(SaveText, SyntaxErrorsGiveLineAndColumn) {
  const Result<Progress> cut = progress_from_json("{\"solved\":1,\n\"best\":[1,2");
  ASSERT_FALSE(cut.ok());
  EXPECT_THAT(cut.error(), HasSubstr("line 2, column 12"));
  EXPECT_THAT(cut.error(), Not(HasSubstr("json.exception")));
  const Result<Progress> empty = progress_from_json("");
  ASSERT_FALSE(empty.ok());
  EXPECT_THAT(empty.error(), HasSubstr("line 1, column 1"));
  const Result<Progress> trailing = progress_from_json(R"({"solved":1,"best":[]} x)");
  ASSERT_FALSE(trailing.ok());
  EXPECT_THAT(trailing.error(), HasSubstr("column 24"));
  EXPECT_FALSE(progress_from_json(R"({"solved":1,"best":[],})").ok());
  EXPECT_FALSE(progress_from_json(R"({"solved":1,"best":[]}{})").ok());
  EXPECT_FALSE(progress_from_json(R"({"solved":1,"best":[],"name":"\ud800"})").ok());
}

TEST(SaveText, NothingButWhitespaceMayFollowTheRecordNotEvenAfterANul) {
  using namespace std::string_literals;
  const Result<Progress> garbage = progress_from_json("{\"solved\":5,\"best\":[1,2,3,4,5]}\0GARBAGE"s);
  ASSERT_FALSE(garbage.ok());
  EXPECT_EQ(garbage.error(), "syntax error at line 1, column 32: a NUL byte; expected end of input");
  const Result<Progress> on_line_two = progress_from_json("{\"solved\":5,\"best\":[]}\n \0"s);
  ASSERT_FALSE(on_line_two.ok());
  EXPECT_THAT(on_line_two.error(), HasSubstr("line 2, column 2"));
  EXPECT_FALSE(progress_from_json("[5,[],false,false,\"Easy\",0,\"\",[],false]\0"s).ok());
  EXPECT_TRUE(progress_from_json("{\"solved\":5,\"best\":[]} \n\t\r "s).ok());
}

TEST(SaveText, DeepNestingIsNoCrash) {
  const std::string deep(200000, '[');
  EXPECT_FALSE(progress_from_json(deep).ok());
  std::string member = R"({"solved":1,"best":[],"deep":)";
  member += std::string(100000, '[') + std::string(100000, ']') + "}";
  const Result<Progress> p = progress_from_json(member);
  ASSERT_TRUE(p.ok()) << p.error();
  EXPECT_EQ(p.value().solved, 1u);
}

// ---- Loading -------------------------------------------------------------------------------

TEST_F(SaveFile, MissingFileOrNoPlaceIsQuietlyAFirstRun) {
  std::ostringstream errors;
  EXPECT_EQ(load_progress(save, errors), Progress{});
  EXPECT_EQ(load_progress(std::nullopt, errors), Progress{});
  EXPECT_EQ(errors.str(), "");
  EXPECT_FALSE(fs::exists(dir / "save.json.bad"));
}

TEST_F(SaveFile, ADirectoryOrAFileAsParentIsUnreadableAndLeftAlone) {
  fs::create_directory(save);
  write_bytes(dir / "file", "x");
  std::ostringstream errors;
  EXPECT_EQ(load_progress(save, errors), Progress{});
  EXPECT_EQ(load_progress(dir / "file" / "save.json", errors), Progress{});
  EXPECT_EQ(errors.str(), "");
  EXPECT_TRUE(fs::is_directory(save));
  EXPECT_FALSE(fs::exists(dir / "save.json.bad"));
}

TEST_F(SaveFile, AGoodFileLoads) {
  write_bytes(save, progress_to_json(rich_progress()));
  std::ostringstream errors;
  EXPECT_EQ(load_progress(save, errors), rich_progress());
  EXPECT_EQ(errors.str(), "");
  EXPECT_TRUE(fs::exists(save));
}

TEST_F(SaveFile, AnInvalidSaveIsReportedAndKeptAside) {
  expect_kept_aside(R"({"solved":1})", "missing member \"best\"");
}

TEST_F(SaveFile, EveryKindOfDamageKeepsTheOldBytes) {
  const std::string good = progress_to_json(rich_progress());
  const std::pair<std::string, std::string> cases[] = {
      {good.substr(0, good.size() / 2), "line 1, column"},          // truncated
      {"", "line 1, column 1"},                                    // empty
      {std::string("\x01\x02\x03\x7f garbage", 12), "line 1"},     // binary but valid UTF-8
      {"{\"solved\":1,\"best\":[],\"best\":[]}", "given twice"},
      {"{\"solved\":1,\"best\":[4294967296]}", "best[0]"},
      {"[1,[],false]", "expected an array of 9 values, found 3"},
  };
  for (const auto& [bytes, reason] : cases) {
    SCOPED_TRACE(bytes);
    expect_kept_aside(bytes, reason);
  }
}

TEST_F(SaveFile, TextAfterANulIsKeptAsideToo) {
  using namespace std::string_literals;
  expect_kept_aside("{\"solved\":5,\"best\":[1,2,3,4,5]}\0GARBAGE"s, "a NUL byte");
}

TEST_F(SaveFile, InvalidUtf8IsKeptAsideToo) {
  const std::string latin1 = "{\"solved\":1,\"best\":[],\"name\":\"J\xF6rg\"}";
  expect_kept_aside(latin1, "the file is not UTF-8 text");
  expect_kept_aside(std::string("\xC0\xAF", 2), "not UTF-8");               // overlong
  expect_kept_aside(std::string("\xED\xA0\x80", 3), "not UTF-8");           // surrogate
  expect_kept_aside(std::string("\xF4\x90\x80\x80", 4), "not UTF-8");       // above U+10FFFF
  expect_kept_aside(std::string("\x00\xFF\xFE\x80", 4), "not UTF-8");
  // Real UTF-8 in a name is fine.
  Progress loaded;
  EXPECT_EQ(load_bytes("{\"solved\":1,\"best\":[],\"name\":\"J\xC3\xB6rg \xF0\x9F\x98\x80\"}", loaded), "");
  EXPECT_EQ(loaded.name, "J\xC3\xB6rg \xF0\x9F\x98\x80");
}

TEST_F(SaveFile, AnOlderBadCopyMovesOnForTheNewOne) {
  write_bytes(dir / "save.json.bad", "older");
  expect_kept_aside("not json", "line 1");
  EXPECT_EQ(read_bytes(dir / "save.json.1.bad"), "older");
}

TEST_F(SaveFile, WhenTheBadCopyCannotBeMadeTheMessageSaysSo) {
  fs::create_directories(dir / "save.json.bad" / "full");
  Progress loaded;
  const std::string said = load_bytes("{", loaded);
  EXPECT_EQ(loaded, Progress{});
  EXPECT_THAT(said, StartsWith("save could not be read ("));
  EXPECT_THAT(said, HasSubstr("): starting over; the old save could not be moved to "));
  EXPECT_EQ(read_bytes(save), "{");  // still where it was
}

// ---- Saving --------------------------------------------------------------------------------

TEST_F(SaveFile, SavingWritesExactlyThereAndLeavesNoTemporaryFile) {
  std::ostringstream errors;
  ASSERT_TRUE(save_progress(rich_progress(), save, errors));
  EXPECT_EQ(errors.str(), "");
  EXPECT_EQ(read_bytes(save), progress_to_json(rich_progress()));
  EXPECT_FALSE(fs::exists(dir / "save.json.tmp"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_EQ(load_progress(save, errors), rich_progress());
}

TEST_F(SaveFile, SavingReplacesTheOldSaveAndAStaleTemporaryFile) {
  write_bytes(save, "old");
  write_bytes(dir / "save.json.tmp", std::string(10000, 'x'));
  std::ostringstream errors;
  ASSERT_TRUE(save_progress(Progress{}, save, errors));
  EXPECT_EQ(read_bytes(save), progress_to_json(Progress{}));
  EXPECT_FALSE(fs::exists(dir / "save.json.tmp"));
}

TEST_F(SaveFile, MissingDirectoriesAreCreatedUnderHome) {
  const auto path = save_path(environment({{"HOME", dir.string()}}));
  ASSERT_TRUE(path);
  std::ostringstream errors;
  ASSERT_TRUE(save_progress(rich_progress(), path, errors)) << errors.str();
  EXPECT_TRUE(fs::is_regular_file(dir / ".local" / "share" / "korvedan" / "save.json"));
  EXPECT_EQ(load_progress(path, errors), rich_progress());
}

TEST_F(SaveFile, NoPlaceToSave) {
  std::ostringstream errors;
  EXPECT_FALSE(save_progress(rich_progress(), std::nullopt, errors));
  EXPECT_EQ(errors.str(), "could not save: no place to save\n");
}

TEST_F(SaveFile, AParentThatIsAFileFailsEvenForRoot) {
  write_bytes(dir / "file", "mine");
  const fs::path path = dir / "file" / "korvedan" / "save.json";
  std::ostringstream errors;
  EXPECT_FALSE(save_progress(rich_progress(), path, errors));
  const std::string said = errors.str();
  EXPECT_THAT(said, StartsWith("could not save: " + path.string() + ": "));
  EXPECT_GT(said.size(), ("could not save: " + path.string() + ": \n").size());
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
  EXPECT_EQ(read_bytes(dir / "file"), "mine");
}

TEST_F(SaveFile, ADirectoryWhereTheSaveShouldBe) {
  fs::create_directories(save / "inside");
  std::ostringstream errors;
  EXPECT_FALSE(save_progress(rich_progress(), save, errors));
  EXPECT_THAT(errors.str(), StartsWith("could not save: " + save.string() + ": "));
  EXPECT_TRUE(fs::is_directory(save / "inside"));
  EXPECT_FALSE(fs::exists(dir / "save.json.tmp"));
}

TEST_F(SaveFile, AnEmptySavePathFails) {
  std::ostringstream errors;
  EXPECT_FALSE(save_progress(rich_progress(), fs::path(""), errors));
  EXPECT_THAT(errors.str(), StartsWith("could not save: : "));
  EXPECT_FALSE(fs::exists(".json.tmp"));
}

TEST_F(SaveFile, AReadOnlyDirectory) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  write_bytes(save, "kept");
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  std::ostringstream errors;
  EXPECT_FALSE(save_progress(rich_progress(), save, errors));
  EXPECT_THAT(errors.str(), StartsWith("could not save: " + save.string() + ": "));
  EXPECT_EQ(read_bytes(save), "kept");
}

// ---- The process environment ---------------------------------------------------------------

// Sets one variable for the length of a test and puts the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
    else ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(SaveFile, TheWrappersUseTheEnvironmentAndStandardError) {
  const fs::path path = dir / "sub" / "mine.json";
  ScopedVariable variable("KORVEDAN_SAVE", path.string());
  EXPECT_EQ(save_path(), path);
  ASSERT_TRUE(save_progress(rich_progress()));
  EXPECT_EQ(load_progress(), rich_progress());

  write_bytes(path, "{}");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(load_progress(), Progress{});
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said, "save could not be read (missing member \"solved\"): starting over; "
                  "the old save is kept as " + path.string() + ".bad\n");
}

}  // namespace
}  // namespace korvedan
