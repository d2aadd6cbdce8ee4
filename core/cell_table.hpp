// Everything the game knows about a cell kind in one row each: its letters, whether it is
// heavy or a creature, and how the bot codes it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/cell.hpp"

namespace korvedan {

// How the bot's state code takes a cell's parameter in: not at all, added to the code,
// or-ed into it, or worked out by the bot itself (dirt near heavy things, blasts, diggers).
enum class BotParam : std::uint8_t { None, Added, Ored, Own };

struct CellInfo {
  CellKind kind;
  // The letter of each parameter value, as a cave is written back (parameter modulo the
  // count): keys and doors by colour, diggers by player, lamps unlit then lit.
  std::string_view letters;
  // How many of the letters a cave's rows may use; the others only play makes.
  std::uint8_t level_letters;
  // The parameter a cell read from the rows starts with: a creature's first heading.
  std::uint8_t start_param;
  bool heavy;     // falls when nothing holds it up (the tick's heavy rule)
  bool creature;  // moves only when creatures act, and is drawn sliding over their period
  std::uint8_t bot_code;
  BotParam bot_param;
};

namespace cell_table_detail {
constexpr auto left = static_cast<std::uint8_t>(Dir::Left);
constexpr auto right = static_cast<std::uint8_t>(Dir::Right);
using K = CellKind;
using B = BotParam;
}  // namespace cell_table_detail

// In CellKind's order (checked below), so a kind is its own index.
inline constexpr std::array<CellInfo, cell_kind_count> cell_table = [] {
  using namespace cell_table_detail;
  return std::array<CellInfo, cell_kind_count>{{
      // kind           letters level start heavy  creature bot  how
      {K::Empty,        " ",    1, 0,     false, false,   0,   B::None},
      {K::Dirt,         ".",    1, 0,     false, false,   0,   B::Own},
      {K::Brick,        "%",    1, 0,     false, false,   1,   B::None},
      {K::Steel,        "#",    1, 0,     false, false,   2,   B::None},
      {K::Boulder,      "o",    1, 0,     true,  false,   3,   B::Added},
      {K::Crystal,      "*",    1, 0,     true,  false,   5,   B::Added},
      {K::Star,         "+",    1, 0,     true,  false,   40,  B::Ored},
      {K::Nut,          "n",    1, 0,     true,  false,   42,  B::Ored},
      {K::Bomb,         "q",    1, 0,     true,  false,   44,  B::Ored},
      {K::Digger,       "@2",   1, 0,     false, false,   7,   B::Own},
      {K::Hatch,        "X",    1, 0,     false, false,   8,   B::None},
      {K::Mite,         "b",    1, left,  false, true,    10,  B::Added},
      {K::Wisp,         "m",    1, right, false, true,    14,  B::Added},
      {K::Gobbler,      "c",    1, left,  false, true,    46,  B::Added},
      {K::Blast,        "!",    0, 0,     false, false,   20,  B::Own},
      {K::Dynamite,     "d",    1, 0,     false, false,   50,  B::None},
      {K::Fuse,         "f",    0, 0,     false, false,   64,  B::Added},
      {K::Key,          "rgy",  3, 0,     false, false,   51,  B::Added},
      {K::Door,         "RGY",  3, 0,     false, false,   55,  B::Added},
      {K::Shifter,      "W",    1, 0,     false, false,   59,  B::None},
      {K::Moss,         "~",    1, 0,     false, false,   60,  B::None},
      {K::Bigbomb,      "Q",    1, 0,     true,  false,   80,  B::Ored},
      {K::Ooze,         "^",    1, 0,     false, false,   82,  B::None},
      {K::Drop,         ",",    0, 0,     false, false,   0,   B::None},
      {K::TimedShifter, "V",    1, 0,     false, false,   90,  B::None},
      {K::GemWall,      "E",    1, 0,     false, false,   91,  B::None},
      {K::Lamp,         "Ll",   1, 0,     false, false,   92,  B::Ored},
      {K::Robot,        "k",    1, 0,     false, true,    94,  B::None},
      {K::Wheel,        "O",    1, 0,     false, false,   95,  B::None},
      {K::Hidden,       "I",    1, 0,     false, false,   96,  B::None},
      {K::Switch,       "S",    1, 0,     false, false,   97,  B::None},
      {K::Acid,         "A",    1, 0,     false, false,   98,  B::None},
  }};
}();

namespace cell_table_detail {
constexpr bool in_kind_order() {
  for (std::size_t i = 0; i < cell_table.size(); ++i) {
    if (static_cast<std::size_t>(cell_table[i].kind) != i) return false;
  }
  return true;
}
constexpr bool letters_sound() {
  for (const CellInfo& info : cell_table) {
    if (info.letters.empty() || info.level_letters > info.letters.size()) return false;
    for (char c : info.letters) {
      if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
  }
  return true;
}
// No letter names two cells, whether a cave's rows use it or only play makes it.
constexpr bool letters_unique() {
  for (const CellInfo& a : cell_table) {
    for (const CellInfo& b : cell_table) {
      for (std::size_t i = 0; i < a.letters.size(); ++i) {
        for (std::size_t j = 0; j < b.letters.size(); ++j) {
          if (a.letters[i] == b.letters[j] && (a.kind != b.kind || i != j)) return false;
        }
      }
    }
  }
  return true;
}
}  // namespace cell_table_detail
static_assert(cell_table_detail::in_kind_order(), "cell_table rows must follow CellKind's order");
static_assert(cell_table_detail::letters_sound(), "every kind has an ASCII letter for each level letter");
static_assert(cell_table_detail::letters_unique(), "a letter names one cell");

constexpr const CellInfo& cell_info(CellKind kind) { return cell_table[static_cast<std::size_t>(kind)]; }
constexpr bool is_heavy(CellKind kind) { return cell_info(kind).heavy; }
constexpr bool is_creature(CellKind kind) { return cell_info(kind).creature; }

// The letter a cell is written with.
constexpr char cell_letter(Cell cell) {
  const std::string_view letters = cell_info(cell.kind).letters;
  return letters[cell.param % letters.size()];
}

// The cell a letter of a cave's rows stands for; false for a character no cave uses.
constexpr bool cell_of_letter(char32_t c, Cell& cell) {
  for (const CellInfo& info : cell_table) {
    for (std::size_t i = 0; i < info.level_letters; ++i) {
      if (c == static_cast<char32_t>(info.letters[i])) {
        cell = {info.kind, static_cast<std::uint8_t>(info.start_param + i)};
        return true;
      }
    }
  }
  return false;
}

// The letters a cave's rows use for the kind ("rgy" for keys).
constexpr std::string_view level_letters(CellKind kind) {
  const CellInfo& info = cell_info(kind);
  return info.letters.substr(0, info.level_letters);
}

}  // namespace korvedan
