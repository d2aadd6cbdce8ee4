// Caves 114 to 119: the great caves, several regions joined by a route to the hatch.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

}  // namespace

const LevelEntry levels_great[6] = {
    {"NASSKAMMER", {}, 46, 3000},
    {"QUARZSTOLLEN", {}, 49, 3000},
    {"NEBELSCHACHT", {}, 44, 3000},
    {"QUARZGRUND", {}, 46, 3000},
    {"ALTSOHLE", {}, 43, 3000},
    {"NEBELKAMMER", {}, 43, 3000},
};

}  // namespace korvedan
