// Caves 91 to 100: the deepest districts, the hardest before the showpieces.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 100: EISENSOHLE — iron floors part four mine levels; blast the plugs, cross the dripping galleries, unlock the bottom
constexpr std::string_view cave_100[] = {
    "######################################",
    "#@.....d......o........*.............#",
    "#...*......o.*......o.......*....*...#",
    "#.......*.........*.....o.....d.o....#",
    "#..o..*......o........*............*.#",
    "#####^^^###^^^###^^^###^^^#######%####",
    "#...                         ....*...#",
    "#.r.                         ........#",
    "#...                         ........#",
    "#... * *   * *   * * d * *   ........#",
    "###%##################################",
    "#..*..o.........d..........o..*......#",
    "#..........oo.......oo.......d..o....#",
    "#.......%%%%%.......%%%%%............#",
    "#.......%+++%...o...%+++%.......*....#",
    "############################^^^^^^R###",
    "#........o.....+.....o......        .#",
    "#...*......*..........*..o..        .#",
    "#.....o......*.....+......*.        .#",
    "#........................... * *    X#",
    "######################################",
};
static_assert(walled_rectangle(cave_100));

}  // namespace

const LevelEntry levels_districts_e[10] = {
    {"ALTKESSEL", {}, 24, 1500},
    {"DONNERGANG", {}, 24, 1500},
    {"EISENKESSEL", {}, 31, 1500},
    {"KUPFERFLOEZ", {}, 39, 1500},
    {"WURZELSCHACHT", {}, 17, 1500},
    {"TIEFGANG", {}, 40, 1500},
    {"NEBELKESSEL", {}, 32, 1500},
    {"QUARZSOHLE", {}, 17, 1500},
    {"STEINHALLE", {}, 21, 1500},
    {"EISENSOHLE", cave_100, 41, 1500},
};

}  // namespace korvedan
