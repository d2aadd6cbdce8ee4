// Caves 50 to 75: districts with dynamite, ooze, moss and shifters.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 50: SALZFLOEZ — three salt seams sealed in brick strata; open each from its end, or the boulder in the seam above falls on its star
constexpr std::string_view cave_050[] = {
    "#############################",
    "#@..d.......o.....o...d.....#",
    "#.....o..*.........o........#",
    "#...%%%%%%%%%%%%%%%%%%%%%...#",
    "#...%*+*              o %...#",
    "#...%%%%%%%%%%%%%%%%%%%%%...#",
    "#............d............*.#",
    "#...%%%%%%%%%%%%%%%%%%%%%...#",
    "#...% o              *+*%...#",
    "#...%%%%%%%%%%%%%%%%%%%%%...#",
    "#.*.....................d...#",
    "#...%%%%%%%%%%%%%%%%%%%%%...#",
    "#...%*+*              o %...#",
    "#...%%%%%%%%%%%%%%%%%%%%%...#",
    "#..o....o....*...o.....o....#",
    "#..........................X#",
    "#############################",
};
static_assert(walled_rectangle(cave_050));

// 51: NASSSPALT — two rifts packed with stars under a boulder cap over a pool; blast the cap first, or the boulder smashes the stars on the way down
constexpr std::string_view cave_051[] = {
    "#############################",
    "#@..d..........o......d.....#",
    "#.....o..%.%.......%.%..o...#",
    "#.*......%o%...*...%o%......#",
    "#........%+%.......%+%......#",
    "#..o.....%*%...o...%*%......#",
    "#........%*%.......%*%...*..#",
    "#....*...%+%.......%+%......#",
    "#........%*%...d...%*%...o..#",
    "#..o.....%*%.......%*%......#",
    "#........%+%...*...%+%......#",
    "#......o.%*%.......%*%.o....#",
    "#........%%%.......%%%......#",
    "#.....o               ......#",
    "#....*.               ...*..#",
    "#..........................X#",
    "#############################",
};
static_assert(walled_rectangle(cave_051));

// 52: NEBELSOHLE — four hoppers over a fog band of shifters: boulders come out crystals, crystals stars, stars boulders; the nuts drop through a plain hole
constexpr std::string_view cave_052[] = {
    "############################",
    "#@.....o............o......#",
    "#..%.%...%.%....%.%...%.%..#",
    "#..%o%...%.%..o.%.%...%o%..#",
    "#..%o%...%*%....%.%...%n%.o#",
    "#..%o%...%*%....%+%...%o%..#",
    "#..%o%...%*%....%+%...%n%..#",
    "#..........................#",
    "#.%%W%%%%%W%%%%%%W%%%%% %%.#",
    "#.                        .#",
    "#..........................#",
    "#..........o............*..#",
    "#.*..o............o........#",
    "#............*.............#",
    "#......*............o......#",
    "#.........................X#",
    "############################",
};
static_assert(walled_rectangle(cave_052));

// 60: SCHATTENKLUFT — stars sleep in steel-backed niches along a brick cleft; blast them open from inside
constexpr std::string_view cave_060[] = {
    "#############################",
    "#@.....d.......o.......d....#",
    "#..*........o..*..o......*..#",
    "#........###%.o.%###........#",
    "#..o.....#+*%...%*+#.....o..#",
    "#........###%%%.%###........#",
    "#.....o.....%.o.%.....o.....#",
    "#...........%...%...........#",
    "#........###%.%%%###........#",
    "#..d.....#+*%..o%*+#....d...#",
    "#........###%...%###........#",
    "#......*....%%%.%.....*.....#",
    "#...o.......%.o.%.......o...#",
    "#......*....%...%...........#",
    "#..............*...........X#",
    "#############################",
};
static_assert(walled_rectangle(cave_060));

}  // namespace

const LevelEntry levels_districts_b[26] = {
    {"SALZFLOEZ", cave_050, 12, 1500},
    {"NASSSPALT", cave_051, 22, 1500},
    {"NEBELSOHLE", cave_052, 14, 1500},
    {"EISENKLUFT", {}, 13, 1500},
    {"TIEFKESSEL", {}, 17, 1500},
    {"EISENSPALT", {}, 28, 1500},
    {"KUPFERKAMMER", {}, 25, 1500},
    {"QUARZGRUBE", {}, 13, 1500},
    {"SCHATTENGRUBE", {}, 14, 1500},
    {"KALTGANG", {}, 20, 1500},
    {"SCHATTENKLUFT", cave_060, 17, 1500},
    {"STEINSOHLE", {}, 24, 1500},
    {"ALTSTOLLEN", {}, 16, 1500},
    {"SALZSPALT", {}, 11, 1500},
    {"SCHATTENFLOEZ", {}, 16, 1500},
    {"SALZSOHLE", {}, 26, 1500},
    {"FUNKENKESSEL", {}, 21, 1500},
    {"KALTKESSEL", {}, 26, 1500},
    {"NASSGRUND", {}, 14, 1500},
    {"SCHATTENGRUND", {}, 14, 1500},
    {"WURZELSOHLE", {}, 25, 1500},
    {"TIEFGRUBE", {}, 33, 1500},
    {"NASSGRUBE", {}, 29, 1500},
    {"KUPFERHALLE", {}, 11, 1500},
    {"STEINSCHACHT", {}, 13, 1500},
    {"SCHATTENSOHLE", {}, 29, 1500},
};

}  // namespace korvedan
