// Caves 68 to 71: districts where creatures, moss and ooze meet keys and dynamite.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 68: NASSGRUND — a mite, a wisp and a mite circle in the flooded gallery at the bottom; drop the sluice boulders on them, wade to the red key that opens the star store and the hatch
constexpr std::string_view cave_068[] = {
    "###############################",
    "#@.......*.........o.......*..#",
    "#...o.........................#",
    "#.........o..............o....#",
    "#..*..............o...........#",
    "#.............................#",
    "#....o....................o...#",
    "#.......*.........o...........#",
    "#.............................#",
    "#.....o......o.....o..........#",
    "#%%%%..%%%%%..%%%%..%%%%%%%R%%#",
    "#%%%%% %%%%%% %%%%% %%%%%*....#",
    "#%    b      m     b   %%.+...#",
    "#%                    r%%.....#",
    "#%%%%%%%%%%%%%%%%%%%%%%%%.+*..#",
    "#.......................%....X#",
    "###############################",
};
static_assert(walled_rectangle(cave_068));

// 69: SCHATTENGRUND — moss sets in a tub stoppered by a stick; pull the stick and the crystals pour through the shifter below into the star cellar, which the stick then blasts open
constexpr std::string_view cave_069[] = {
    "###############################",
    "#@.......o....................#",
    "#.....*.............o.........#",
    "#.............................#",
    "#..o..........................#",
    "#............q...q.........o..#",
    "#.......o.....................#",
    "#...........%%%%%%%...........#",
    "#...........%.~...%....o......#",
    "#...........%...~.%.......+...#",
    "#.....o.....%%%d%%%...........#",
    "#.............................#",
    "#..........%%%%W%%%%.....o....#",
    "#...*......%       %..........#",
    "#..........%       %..o.......#",
    "#..o.......%       %..........#",
    "#..........%%%%%%%%%.........X#",
    "###############################",
};
static_assert(walled_rectangle(cave_069));

// 70: WURZELSOHLE — a stick frees the yellow key from its knot; under the dripping roots of the gallery the yellow vault holds green, green holds red, red the richest
constexpr std::string_view cave_070[] = {
    "#################################",
    "#@.....*..o.............*.......#",
    "#..............%%%..o......d....#",
    "#.....o....*...%y%........o.....#",
    "#..............%%%...*..........#",
    "#..*d........o..............*...#",
    "#........o.........o............#",
    "#%.%%%^%%%%%^%%%%%%%^%%%%%^%%%%%#",
    "#.                             .#",
    "#.  *           *           *  .#",
    "#%%%%%%%Y%%%%%%%G%%%%%%%R%%%%..%#",
    "#....%......%%......%%......%...#",
    "#.*..%......%%......%%......%...#",
    "#....%......%%......%%......%...#",
    "#....%+.g.+.%%+.r.+.%%+.+.+.%...#",
    "#....%%%%%%%%%%%%%%%%%%%%%%%%..X#",
    "#################################",
};
static_assert(walled_rectangle(cave_070));

}  // namespace

const LevelEntry levels_districts_b2[4] = {
    {"NASSGRUND", cave_068, 14, 1500},
    {"SCHATTENGRUND", cave_069, 14, 1500},
    {"WURZELSOHLE", cave_070, 25, 1500},
    {"TIEFGRUBE", {}, 33, 1500},
};

}  // namespace korvedan
