// Caves 68 to 71: districts where creatures, moss and ooze meet keys and dynamite.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

}  // namespace

const LevelEntry levels_districts_b2[4] = {
    {"NASSGRUND", {}, 14, 1500},
    {"SCHATTENGRUND", {}, 14, 1500},
    {"WURZELSOHLE", {}, 25, 1500},
    {"TIEFGRUBE", {}, 33, 1500},
};

}  // namespace korvedan
