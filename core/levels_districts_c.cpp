// Caves 76 to 100: the deep districts, every mechanic combined.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

}  // namespace

const LevelEntry levels_districts_c[25] = {
    {"KUPFERGANG", {}, 29, 1500},
    {"FUNKENKAMMER", {}, 35, 1500},
    {"FUNKENSTOLLEN", {}, 30, 1500},
    {"NASSGANG", {}, 16, 1500},
    {"KOHLEKESSEL", {}, 22, 1500},
    {"SALZHALLE", {}, 31, 1500},
    {"KALTKLUFT", {}, 25, 1500},
    {"SALZGANG", {}, 33, 1500},
    {"NEBELGRUND", {}, 14, 1500},
    {"KOHLEGRUND", {}, 14, 1500},
    {"SILBERSPALT", {}, 33, 1500},
    {"SALZKAMMER", {}, 22, 1500},
    {"TIEFSCHACHT", {}, 33, 1500},
    {"SCHATTENGANG", {}, 31, 1500},
    {"WURZELKLUFT", {}, 21, 1500},
    {"ALTKESSEL", {}, 24, 1500},
    {"DONNERGANG", {}, 24, 1500},
    {"EISENKESSEL", {}, 31, 1500},
    {"KUPFERFLOEZ", {}, 39, 1500},
    {"WURZELSCHACHT", {}, 17, 1500},
    {"TIEFGANG", {}, 40, 1500},
    {"NEBELKESSEL", {}, 32, 1500},
    {"QUARZSOHLE", {}, 17, 1500},
    {"STEINHALLE", {}, 21, 1500},
    {"EISENSOHLE", {}, 41, 1500},
};

}  // namespace korvedan
