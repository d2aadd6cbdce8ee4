// Turning progress into the save file's JSON text and back, rejecting anything doubtful.
#include "game/save/save_json.hpp"

#include <array>
#include <cstddef>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "core/echo.hpp"

namespace korvedan {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

const char* difficulty_text(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy: return "Easy";
    case Difficulty::Normal: return "Normal";
    case Difficulty::Hard: return "Hard";
  }
  return "Normal";
}

// The library quotes the text it stopped at, a million-digit number as much as a comma: each
// quoted part, and the message as a whole, is cut to a readable length.
std::string shorten_quotes(std::string_view message) {
  std::string out;
  for (std::size_t open = message.find('\''); open != std::string_view::npos; open = message.find('\'')) {
    const std::size_t close = message.find('\'', open + 1);
    if (close == std::string_view::npos) break;
    const std::string_view inside = message.substr(open + 1, close - open - 1);
    const std::string_view kept = first_chars(inside, echo_length);
    out += message.substr(0, open + 1);
    out += kept;
    if (kept.size() < inside.size()) out += ellipsis;
    out += '\'';
    message.remove_prefix(close + 1);
  }
  out += message;
  const std::string_view whole = first_chars(out, 4 * echo_length);
  return whole.size() < out.size() ? std::string(whole) + std::string(ellipsis) : out;
}

// ---- Repeated members ------------------------------------------------------------------

// Walks the text character by character and counts how far the parser has read, so that a
// repeated member can be placed by line and column.
class CountingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CountingIterator(const char* at, std::size_t* read) : at_(at), read_(read) {}
  reference operator*() const { return *at_; }
  CountingIterator& operator++() {
    ++at_;
    ++*read_;
    return *this;
  }
  CountingIterator operator++(int) {
    CountingIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const CountingIterator& other) const { return at_ == other.at_; }

 private:
  const char* at_;
  std::size_t* read_;
};

std::string line_and_column(std::string_view text, std::size_t offset) {
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The JSON library keeps the last of two equal members without a word; this pass finds them,
// and reports syntax errors with the library's own message.
class MemberChecker {
 public:
  MemberChecker(std::string_view text, const std::size_t* read) : text_(text), read_(read) {}

  const std::string& error() const { return error_; }

  bool null() { return true; }
  bool boolean(bool) { return true; }
  bool number_integer(Json::number_integer_t) { return true; }
  bool number_unsigned(Json::number_unsigned_t) { return true; }
  bool number_float(Json::number_float_t, const Json::string_t&) { return true; }
  bool string(Json::string_t&) { return true; }
  bool binary(Json::binary_t&) { return true; }
  bool start_object(std::size_t) {
    open_objects_.emplace_back();
    return true;
  }
  bool key(Json::string_t& name) {
    if (open_objects_.back().insert(name).second) return true;
    // The parser has just read the member name's closing quote.
    error_ = "member " + echoed(name) + " given twice at " + line_and_column(text_, *read_ - 1);
    return false;
  }
  bool end_object() {
    open_objects_.pop_back();
    return true;
  }
  bool start_array(std::size_t) { return true; }
  bool end_array() { return true; }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
    error_ = e.what();
    // Drop the library's "[json.exception.parse_error.101] " tag; keep its words.
    if (!error_.empty() && error_.front() == '[') {
      const std::size_t end = error_.find("] ");
      if (end != std::string::npos) error_.erase(0, end + 2);
    }
    error_ = shorten_quotes(error_);
    return false;
  }

 private:
  std::string_view text_;
  const std::size_t* read_;
  std::vector<std::set<std::string>> open_objects_;
  std::string error_;
};

// ---- Reading values --------------------------------------------------------------------

// Thrown inside this file only and turned into the result's message.
struct Invalid {
  std::string message;
};

std::string describe(const Json& value) {
  switch (value.type()) {
    case Json::value_t::array: return "an array";
    case Json::value_t::object: return "an object";
    case Json::value_t::string: {
      std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
      if (text.size() > 40) {
        std::size_t cut = 36;
        // Never cut a character of a longer UTF-8 sequence in two.
        while ((static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text = text.substr(0, cut) + "...\"";
      }
      return text;
    }
    default: return value.dump();
  }
}

[[noreturn]] void wrong(const std::string& where, const Json& value, const char* expected) {
  throw Invalid{where + ": " + describe(value) + " is not " + expected};
}

std::uint64_t read_u64(const Json& value, const std::string& where) {
  if (value.is_number_unsigned()) return value.get<std::uint64_t>();
  // "-0" arrives as a signed zero, which is still a fine count.
  if (value.is_number_integer() && value.get<std::int64_t>() == 0) return 0;
  wrong(where, value, "an unsigned 64-bit integer");
}

std::uint32_t read_u32(const Json& value, const std::string& where) {
  const std::uint64_t wide = read_u64(value, where);
  if (wide > std::numeric_limits<std::uint32_t>::max()) {
    wrong(where, value, "an unsigned 32-bit integer");
  }
  return static_cast<std::uint32_t>(wide);
}

bool read_bool(const Json& value, const std::string& where) {
  if (!value.is_boolean()) wrong(where, value, "true or false");
  return value.get<bool>();
}

std::string read_string(const Json& value, const std::string& where) {
  if (!value.is_string()) wrong(where, value, "a string");
  return value.get<std::string>();
}

Difficulty read_difficulty(const Json& value, const std::string& where) {
  if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    if (text == "Easy") return Difficulty::Easy;
    if (text == "Normal") return Difficulty::Normal;
    if (text == "Hard") return Difficulty::Hard;
  }
  wrong(where, value, "\"Easy\", \"Normal\" or \"Hard\"");
}

std::vector<std::uint32_t> read_best(const Json& value, const std::string& where) {
  if (!value.is_array()) wrong(where, value, "an array of scores");
  std::vector<std::uint32_t> best;
  best.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    best.push_back(read_u32(value[i], where + "[" + std::to_string(i) + "]"));
  }
  return best;
}

// A record's members, given either by name in an object or by place in an array.
class Members {
 public:
  // An array may leave out the optional members after the first `array_length` ones.
  Members(const Json& record, const std::string& where, const char* what,
          std::span<const char* const> names, std::size_t array_length = 0)
      : record_(record), where_(where), names_(names) {
    if (record.is_array()) {
      const std::size_t shortest = array_length == 0 ? names.size() : array_length;
      if (record.size() != shortest && record.size() != names.size()) {
        throw Invalid{prefix() + "expected an array of " + std::to_string(shortest) +
                      " values, found " + std::to_string(record.size())};
      }
    } else if (!record.is_object()) {
      wrong(where.empty() ? std::string("the save") : where, record, what);
    }
  }

  // The member, or nullptr when an object lacks it.
  const Json* find(std::size_t index) const {
    if (record_.is_array()) return index < record_.size() ? &record_[index] : nullptr;
    const auto member = record_.find(names_[index]);
    return member == record_.end() ? nullptr : &*member;
  }

  const Json& require(std::size_t index) const {
    const Json* value = find(index);
    if (value == nullptr) throw Invalid{prefix() + "missing member \"" + names_[index] + "\""};
    return *value;
  }

  std::string path(std::size_t index) const {
    return where_.empty() ? std::string(names_[index]) : where_ + "." + names_[index];
  }

 private:
  std::string prefix() const { return where_.empty() ? std::string() : where_ + ": "; }

  const Json& record_;
  std::string where_;
  std::span<const char* const> names_;
};

constexpr std::array<const char*, 4> profile_members{"slot", "name", "solved", "best"};
constexpr std::size_t first_progress_members = 9;  // what every save has had from the start
constexpr std::array<const char*, 14> progress_members{
    "solved", "best", "music_off", "two_players", "difficulty", "slot", "name", "others",
    "all_open", "fullscreen", "language", "music_volume", "effects_volume", "keys"};

Language read_language(const Json& value, const std::string& where) {
  if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    if (text == "de") return Language::German;
    if (text == "en") return Language::English;
  }
  wrong(where, value, "\"de\" or \"en\"");
}

std::uint8_t read_volume(const Json& value, const std::string& where) {
  if (value.is_number_unsigned() && value.get<std::uint64_t>() <= volume_steps) {
    return static_cast<std::uint8_t>(value.get<std::uint64_t>());
  }
  wrong(where, value, "a volume from 0 to 10");
}

// Two players' keys, each a list of six key names; which names the game knows is the input
// code's business.
std::array<KeyNames, 2> read_keys(const Json& value, const std::string& where) {
  if (!value.is_array() || value.size() != 2) wrong(where, value, "an array of two players' keys");
  std::array<KeyNames, 2> keys;
  for (std::size_t p = 0; p < 2; ++p) {
    const std::string at = where + "[" + std::to_string(p) + "]";
    const Json& names = value[p];
    if (!names.is_array() || names.size() != bound_actions) wrong(at, names, "an array of six key names");
    for (std::size_t a = 0; a < bound_actions; ++a) {
      keys[p][a] = read_string(names[a], at + "[" + std::to_string(a) + "]");
    }
  }
  return keys;
}

Profile read_profile(const Json& value, const std::string& where) {
  // Only the whole record may come as an array of values; a profile is always an object.
  if (!value.is_object()) wrong(where, value, "a profile object");
  const Members m(value, where, "a profile object", profile_members);
  Profile profile;
  profile.slot = read_u64(m.require(0), m.path(0));
  profile.name = read_string(m.require(1), m.path(1));
  profile.solved = read_u64(m.require(2), m.path(2));
  profile.best = read_best(m.require(3), m.path(3));
  return profile;
}

Progress read_progress(const Json& value) {
  const Members m(value, "", "an object or an array of nine values", progress_members, first_progress_members);
  Progress progress;
  progress.solved = read_u64(m.require(0), m.path(0));
  progress.best = read_best(m.require(1), m.path(1));
  if (const Json* v = m.find(2)) progress.music_off = read_bool(*v, m.path(2));
  if (const Json* v = m.find(3)) progress.two_players = read_bool(*v, m.path(3));
  if (const Json* v = m.find(4)) progress.difficulty = read_difficulty(*v, m.path(4));
  if (const Json* v = m.find(5)) progress.slot = read_u64(*v, m.path(5));
  if (const Json* v = m.find(6)) progress.name = read_string(*v, m.path(6));
  if (const Json* v = m.find(7)) {
    if (!v->is_array()) wrong(m.path(7), *v, "an array of profiles");
    for (std::size_t i = 0; i < v->size(); ++i) {
      progress.others.push_back(read_profile((*v)[i], "others[" + std::to_string(i) + "]"));
    }
  }
  if (const Json* v = m.find(8)) progress.all_open = read_bool(*v, m.path(8));
  Settings& settings = progress.settings;
  if (const Json* v = m.find(9)) settings.fullscreen = read_bool(*v, m.path(9));
  if (const Json* v = m.find(10)) settings.language = read_language(*v, m.path(10));
  if (const Json* v = m.find(11)) settings.music_volume = read_volume(*v, m.path(11));
  if (const Json* v = m.find(12)) settings.effects_volume = read_volume(*v, m.path(12));
  if (const Json* v = m.find(13)) settings.keys = read_keys(*v, m.path(13));
  return progress;
}

OrderedJson best_to_json(const std::vector<std::uint32_t>& best) {
  OrderedJson list = OrderedJson::array();
  for (std::uint32_t score : best) list.push_back(score);
  return list;
}

}  // namespace

std::string progress_to_json(const Progress& progress) {
  OrderedJson others = OrderedJson::array();
  for (const Profile& profile : progress.others) {
    OrderedJson entry = OrderedJson::object();
    entry["slot"] = profile.slot;
    entry["name"] = profile.name;
    entry["solved"] = profile.solved;
    entry["best"] = best_to_json(profile.best);
    others.push_back(std::move(entry));
  }
  OrderedJson record = OrderedJson::object();
  record["solved"] = progress.solved;
  record["best"] = best_to_json(progress.best);
  record["music_off"] = progress.music_off;
  record["two_players"] = progress.two_players;
  record["difficulty"] = difficulty_text(progress.difficulty);
  record["slot"] = progress.slot;
  record["name"] = progress.name;
  record["others"] = std::move(others);
  record["all_open"] = progress.all_open;
  // The options come after, and only once they were changed: a player who never touched them
  // keeps a save just like the ones written before there were options.
  const Settings& settings = progress.settings;
  if (settings != Settings{}) {
    record["fullscreen"] = settings.fullscreen;
    record["language"] = settings.language == Language::English ? "en" : "de";
    record["music_volume"] = settings.music_volume;
    record["effects_volume"] = settings.effects_volume;
    OrderedJson keys = OrderedJson::array();
    for (const KeyNames& names : settings.keys) keys.push_back(names);
    record["keys"] = std::move(keys);
  }
  // A name that is not valid UTF-8 can only come from a bug; write it mended rather than fail.
  return record.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

Result<Progress> progress_from_json(std::string_view text) {
  std::size_t read = 0;
  MemberChecker checker(text, &read);
  if (!Json::sax_parse(CountingIterator(text.data(), &read),
                       CountingIterator(text.data() + text.size(), &read), &checker)) {
    return Failure{checker.error().empty() ? std::string("the save could not be parsed")
                                           : checker.error()};
  }
  // The parser takes a NUL byte for the end of its input and would not look at what follows
  // it; a NUL is never valid JSON, so the save is not either.
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
    return Failure{"syntax error at " + line_and_column(text, nul) +
                   ": a NUL byte; expected end of input"};
  }
  try {
    return read_progress(Json::parse(text));
  } catch (const Invalid& invalid) {
    return Failure{invalid.message};
  } catch (const Json::exception& e) {
    return Failure{e.what()};
  }
}

}  // namespace korvedan
