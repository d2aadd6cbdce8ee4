// Caves 83 to 90: the deep districts, every mechanic combined.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {


}  // namespace

const LevelEntry levels_districts_d[8] = {
    {"SALZGANG", {}, 33, 1500},
    {"NEBELGRUND", {}, 14, 1500},
    {"KOHLEGRUND", {}, 14, 1500},
    {"SILBERSPALT", {}, 33, 1500},
    {"SALZKAMMER", {}, 22, 1500},
    {"TIEFSCHACHT", {}, 33, 1500},
    {"SCHATTENGANG", {}, 31, 1500},
    {"WURZELKLUFT", {}, 21, 1500},
};

}  // namespace korvedan
