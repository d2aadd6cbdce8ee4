// Caves 83 to 90: the deep districts, every mechanic combined.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 83: SALZGANG
constexpr CaveIdea idea_083{
    "a salt corridor runs round a core of dirt; the red key lies in the core's dripping salt chamber for the stick, and the red door closes the hatch room in the corner",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_083[] = {
    "##################################",
    "#@..*...+..o.......*....+........#",
    "#.....d......*...o..........o.*..#",
    "#..                         .....#",
    "#..                         ....*#",
    "#*.  ...........*.........  .....#",
    "#..  ......%%^%%%^%%......  ..+..#",
    "#..  ....*.%       %..*...  .....#",
    "#..  ..+...%       %......  ...*.#",
    "#+.  ......%       %...+..  .....#",
    "#..  ...o..%+.*r*.+%.o....  ..o..#",
    "#..  ..*...%%%%%%%%%....*.  ...+.#",
    "#.o  .........*...........  .....#",
    "#..                         .....#",
    "#..                         .#####",
    "#............................#...#",
    "#*....*.....o..+.....*......dR...#",
    "#.........*........o.....*...#..X#",
    "##################################",
};
static_assert(walled_rectangle(cave_083));

// 84: NEBELGRUND
constexpr CaveIdea idea_084{
    "the fog lies in a brick tray: drop the nut stacks into its two vents before it seeps out, wait for it to set, then push a boulder aside and climb in; a mite paces a steel cage under a boulder",
    uses(Mechanic::NutsCracked, Mechanic::MossSet)};
constexpr std::string_view cave_084[] = {
    "###################################",
    "#@........*.............o...#.....#",
    "#.....o....................# o....#",
    "#..........o.............### ###..#",
    "#.......o.......o........#     #..#",
    "#...........+..........o.#  b  #..#",
    "#............%.%...%.%...#######..#",
    "#............%o%...%o%............#",
    "#..o.........%n%...%n%......o.....#",
    "#.....o......%.......%............#",
    "#...........%  .....  %...........#",
    "#..........%%# %%%%% #%%..........#",
    "#..........%.....~....~%..........#",
    "#..........%~...~.~....%..........#",
    "#..........%%%%%%%%%%%%%..........#",
    "#.................................#",
    "#..o...............o.............X#",
    "###################################",
};
static_assert(walled_rectangle(cave_084));

// 85: KOHLEGRUND
constexpr CaveIdea idea_085{
    "a coal seam sealed in a double brick wall: the moss in it sets on its own, then the bigbomb dropped down its shaft cracks both courses; a wisp walks the dripping floor gallery and up its side leg, where a pushed boulder crushes it",
    uses(Mechanic::Bombs, Mechanic::CreaturesCrushed, Mechanic::MossSet, Mechanic::Ooze)};
constexpr std::string_view cave_085[] = {
    "####################################",
    "#@.................o...............#",
    "#.......o................ Q........#",
    "#.....o.....*............ .........#",
    "#........................ .....o...#",
    "#........................ .........#",
    "#....o................%%%%%%%%.....#",
    "#.....................%%%%%%%%.....#",
    "#.....................%%~...%%.....#",
    "#%....................%%...~%%.....#",
    "# o..........o........%%%%%%%%.....#",
    "# .......o............%%%%%%%%.....#",
    "# %..............o..............+..#",
    "# %................................#",
    "# %%%%%%%%%%%%%%%%%%%%%%%.....q....#",
    "# %%%%%%^%%%%%%%^%%%%%%%%..........#",
    "#           m          %%.........X#",
    "####################################",
};
static_assert(walled_rectangle(cave_085));

// 86: SILBERSPALT
constexpr CaveIdea idea_086{
    "a silver rift barred by a green and a red door, its walls set with star niches in pairs: one stick lit between them opens both",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite)};
constexpr std::string_view cave_086[] = {
    "#################################",
    "#@..........o.......o...........#",
    "#...*..d..............*.........#",
    "#.....o........# #.......d......#",
    "#..g......*.#### ####...........#",
    "#...........#++% %++#........*..#",
    "#...........#### ####.....o.....#",
    "#..............#G#..............#",
    "#........o.....# #......*.......#",
    "#..*........#### ####........o..#",
    "#...........#r+% %++#......d....#",
    "#.......*...#### ####...........#",
    "#....d.........#R#..............#",
    "#.o.........#### ####.......*...#",
    "#...........#++% %++#....o......#",
    "#.....*.....#### ####...........#",
    "#........d..#++% %++#..*........#",
    "#...o.......#### ####...........#",
    "#............o.###.o...........X#",
    "#################################",
};
static_assert(walled_rectangle(cave_086));

// 87: SALZKAMMER
constexpr CaveIdea idea_087{
    "a closed salt chamber with a wall two bricks thick: one stick breaks the outer layer, a second the inner; stars lie on its floor and on a ledge, clear of the three drips in its dome",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_087[] = {
    "##################################",
    "#@........o...........*....*..d..#",
    "#..d..*..........................#",
    "#...........%%%%%%%%%%.........o.#",
    "#...o......%%%^%%^%^%%%..o.......#",
    "#.........%%%%      %%%%.........#",
    "#.....o...%%%        %%%.........#",
    "#.........%%          %%.....*...#",
    "#.........%%   +*     %%.........#",
    "#..*......%%   %%     %%.........#",
    "#.........%%*        *%%.........#",
    "#.........%%          %%.........#",
    "#.........%%%+      +%%%......*..#",
    "#.o.......%%%% *+ + %%%%.........#",
    "#......*...%%%%%%%%%%%%..........#",
    "#...........%%%%%%%%%%....*......#",
    "#....d.....*.................o...#",
    "#..............*...o............X#",
    "##################################",
};
static_assert(walled_rectangle(cave_087));

// 88: TIEFSCHACHT
constexpr CaveIdea idea_088{
    "a deep shaft drips from its head through a green and a red door into three bands; the keys lead down, a stick opens the star vault at the bottom",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_088[] = {
    "##################################",
    "#@...o......*..............o.....#",
    "#.....*..d...o..^....*...........#",
    "#..*......o...#   #..........*...#",
    "#..........*..#   #.o.....d......#",
    "#...g.........#   #.....*.....o..#",
    "#.......*.....#   #............*.#",
    "################G#################",
    "#......o..*...%   %.o..........*.#",
    "#...+..........   %...*......o...#",
    "#........+....%   ..........r....#",
    "#.*.........o.%   %...d..*.......#",
    "################R#################",
    "#..........o..%   %...o..........#",
    "#..%%%%%%%%.*.%   ........*......#",
    "#..%+*  *+%....   %.........o....#",
    "#..%*+  +*%...%   %..*...........#",
    "#..%%%%%%%%...%%%%%...........*..#",
    "#.o.....................*.......X#",
    "##################################",
};
static_assert(walled_rectangle(cave_088));

// 89: SCHATTENGANG
constexpr CaveIdea idea_089{
    "a shadowed corridor steps down the cave in three dripping flights; the red key sits in a brick knot that splits the middle flight and only the one stick breaks, and the red door in a double wall closes the hatch room under the last flight",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_089[] = {
    "#####################################",
    "#@........o.........*...............#",
    "#......................o.........*..#",
    "#..%%%%^%%%^%%%%....................#",
    "#..             ....................#",
    "#..             ..o.................#",
    "#..* +   *  * + .................o..#",
    "#...........................*.......#",
    "#.*........%%%^%%%%%%%^%%%..........#",
    "#...d......      %%%      .....*....#",
    "#.......*..      %r%      .o.....o..#",
    "#.......... +*   %%% *  + ..........#",
    "#....o...........................*..#",
    "#..................%%%^%%^%%........#",
    "#...........*......         .%%%%%%%#",
    "#..*...............         .%%%%%%%#",
    "#.................. +* ** + .%%.....#",
    "#.....*.......o..............%%..+..#",
    "#.......o....................R......#",
    "#...............*.......*....%%....X#",
    "#####################################",
};
static_assert(walled_rectangle(cave_089));

// 90: WURZELKLUFT
constexpr CaveIdea idea_090{
    "roots fill a narrow brick channel beside a cleft and set on their own; a gobbler paces the cleft, the boulder dug loose at its head crushes it, and only that blast breaks the channel wall; two nuts wait under boulders, two crystals in a dripping hollow",
    uses(Mechanic::MossSet, Mechanic::CreaturesCrushed, Mechanic::Ooze)};
constexpr std::string_view cave_090[] = {
    "####################################",
    "#@.................................#",
    "#........o.......o.................#",
    "#.......................o..........#",
    "#...............% %%%...........o..#",
    "#.....o.........% %~%..............#",
    "#...............% %.%..............#",
    "#.....n.........% %.%.....%%^%%....#",
    "#............o..% %.%.....     ....#",
    "#...............% %~%.....     ....#",
    "#..o............% %.%.....*   *....#",
    "#...............% %.%............o.#",
    "#..........o....%c%.%..............#",
    "#...............% %~%..o...........#",
    "#..........n....% %.%..............#",
    "#...............% %.%..........+...#",
    "#.......o.......% %~%......o.......#",
    "#...............% %%%..............#",
    "#...............%%%%%.............X#",
    "####################################",
};
static_assert(walled_rectangle(cave_090));

}  // namespace

const LevelEntry levels_districts_d[8] = {
    {"SALZGANG", cave_083, 33, 1500, idea_083},
    {"NEBELGRUND", cave_084, 14, 1500, idea_084},
    {"KOHLEGRUND", cave_085, 14, 1500, idea_085},
    {"SILBERSPALT", cave_086, 33, 1500, idea_086},
    {"SALZKAMMER", cave_087, 22, 1500, idea_087},
    {"TIEFSCHACHT", cave_088, 33, 1500, idea_088},
    {"SCHATTENGANG", cave_089, 31, 1500, idea_089},
    {"WURZELKLUFT", cave_090, 21, 1500, idea_090},
};

}  // namespace korvedan
