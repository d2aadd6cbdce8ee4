// Caves 72 to 82: districts where the mechanics begin to combine.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 72: NASSGRUBE
constexpr CaveIdea idea_072{
    "two steel pits of stars plugged by a red and a green door: open each plug from below and let the pit pour out",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite)};
constexpr std::string_view cave_072[] = {
    "###############################",
    "#@.....*......o........*...d..#",
    "#........o...............o....#",
    "#...#########.....#########...#",
    "#...#*.*.*.*#.....#*.*.*.*#...#",
    "#...#%*+*+*%#.....#%*+*+*%#...#",
    "#...##%+*+%##..o..##%+*+%##...#",
    "#...####R####.....####G####...#",
    "#.....     .........     .....#",
    "#.....     ....*....     .....#",
    "#.....     .........     .....#",
    "#..........o.........o........#",
    "#.....o.......................#",
    "#..%%%...............%%%%.....#",
    "#..%r%....o..*.......%+g%..o..#",
    "#.....................%%%.....#",
    "#..o..............o...........#",
    "#.......o...........o........X#",
    "###############################",
};
static_assert(walled_rectangle(cave_072));

// 73: KUPFERHALLE
constexpr CaveIdea idea_073{
    "two hourglass funnels of boulders pour through the shifters in the copper hall's dripping roof as crystals; the bigbomb let down through the dirt gap between them cracks the strongroom on the hall floor",
    uses(Mechanic::Shifters, Mechanic::Bombs, Mechanic::Ooze)};
constexpr std::string_view cave_073[] = {
    "#################################",
    "#@..............................#",
    "#...o.......*......o............#",
    "#.....%ooo%...........%ooo%..o..#",
    "#......%o%.....%.%.....%o%......#",
    "#...............Q...............#",
    "#..%%^%%W%%%%%%...%%%%%%W%%^%%..#",
    "#..%                         %..#",
    "#..%                         %..#",
    "#.o%                         %o.#",
    "#..%         %%%%%%%%        %..#",
    "#..%         %......%        %..#",
    "#...         %******%        ...#",
    "#..%.........%%%%%%%%........%..#",
    "#.....o.............*....o......#",
    "#..........o...................X#",
    "#################################",
};
static_assert(walled_rectangle(cave_073));

// 74: STEINSCHACHT
constexpr CaveIdea idea_074{
    "the boulders in the stone shaft's head, let down through its shifter, rain as crystals on the wisp pacing the steel shaft below; moss sets in two sealed pens under dripping chimneys, and a stick breaks in",
    uses(Mechanic::Shifters, Mechanic::Dynamite, Mechanic::CreaturesCrushed, Mechanic::MossSet, Mechanic::Ooze)};
constexpr std::string_view cave_074[] = {
    "##################################",
    "#@...............................#",
    "#...........o..%o%...o...........#",
    "#..o.....d.....%o%......d.....o..#",
    "#..............%o%...............#",
    "#.......*................*.......#",
    "#..............#W#...............#",
    "#...%^%........# #.........%^%...#",
    "#...% %........# #.........% %...#",
    "#...% %...o....#m#.....o...% %...#",
    "#...% %........# #.........% %...#",
    "#...%%%%.......# #........%%%%...#",
    "#...%~.%.......# #........%.~%...#",
    "#...%%%%....o..# #..o.....%%%%...#",
    "#..............#.#...............#",
    "#................................#",
    "#..o.......*..........*......o...#",
    "#...............................X#",
    "##################################",
};
static_assert(walled_rectangle(cave_074));

// 75: SCHATTENSOHLE
constexpr CaveIdea idea_075{
    "a dark level of three ledges stepping down, each dripping off its ends; the red key and two stars are walled up in brick on the top bench for the stick, the red door opens the star store at the bottom",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_075[] = {
    "#################################",
    "#@......o.....o..........*......#",
    "#....o.....*.d...%%%%%%...o.....#",
    "#................%.r..%.....+.*.#",
    "#.%%%^%%%%%^.....%.++.%.........#",
    "#.          .....%%%%%%*........#",
    "#.          ....................#",
    "#..........................o....#",
    "#..o.......%%%^%%%%%%^......*...#",
    "#...*......           .......o..#",
    "#.....d.*..           ....*.....#",
    "#.*......o......*...............#",
    "#...................%%%^%%%%%%^.#",
    "#..########.........           .#",
    "#..#+*+*+*#....o....           .#",
    "#..R*+*+*+#..*..................#",
    "#..########........*....o......X#",
    "#################################",
};
static_assert(walled_rectangle(cave_075));

// 76: KUPFERGANG
constexpr CaveIdea idea_076{
    "a copper corridor winds down in three runs past a dripping chimney of stars with a steel head and a dripping vault; only a stick opens either, and the loose crystals are far too few",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_076[] = {
    "################################",
    "#@..d..o..*.....*..#^#.........#",
    "#...........o......# #...o.....#",
    "#..              ..# #..d.....*#",
    "#..              ..%+%.........#",
    "#...........*..  ..%+%..*....o.#",
    "#.*............  ..%+%....*....#",
    "#..%%^%^%%..o..  ..%%%.........#",
    "#..%     %.....              ..#",
    "#..%     %.....              ..#",
    "#..%     %..*..............  ..#",
    "#..%+*+*+%...d....*....o...  ..#",
    "#..%%%%%%%.................  ..#",
    "#..                          ..#",
    "#..                          ..#",
    "#.*............*.............*.#",
    "#.......*.o.........o..*......X#",
    "################################",
};
static_assert(walled_rectangle(cave_076));

// 77: FUNKENKAMMER
constexpr CaveIdea idea_077{
    "the sparks chamber: stars under a dripping roof behind the green door; the red key opens the powder room, a stick the green key's vault",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_077[] = {
    "################################",
    "#@...............o.............#",
    "#......*...o..*.....*...o..*...#",
    "#..............................#",
    "#........##############.########",
    "#....%...#^%^%^%^%^%^%#.#d...d##",
    "#.ooo%...#            #.#..*..##",
    "#..r.%...#            #.###R####",
    "#.%%%%...#            #........#",
    "#.....o..#            #.......*#",
    "#..*.....#            #..*.....#",
    "#......*.#            #........#",
    "#........#+*+*+*+*+*+*#...o..*.#",
    "#..%%%%%.#............#........#",
    "#..%+g+%.#######G######........#",
    "#.o%%%%%..................*....#",
    "#..........*.o......*..........#",
    "#..*...........*.......o......X#",
    "################################",
};
static_assert(walled_rectangle(cave_077));

// 78: FUNKENSTOLLEN
constexpr CaveIdea idea_078{
    "a steel-lined tunnel with a dripping roof crosses the whole cave: a stick frees the red key from its brick knot, the red door lets down into the tunnel, the green door divides it and the yellow door lets out into the lower seam, where another stick opens the star store",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_078[] = {
    "################################",
    "#@.....o.......................#",
    "#.........d...*..o......%%%..*.#",
    "#...o.*.................%r%....#",
    "#...........o.......*...%%%...o#",
    "#.......*.........d...o.....*..#",
    "#..............................#",
    "####R####^###########^####^#####",
    "#              #               #",
    "#              #               #",
    "#      +  * +g G  +    +     y #",
    "###########################Y####",
    "#..............................#",
    "#..........*..o....*...........#",
    "#..%%%%%.o...............*...*.#",
    "#..%+*+%....*........o.........#",
    "#..%%%%%.......*..........o....#",
    "#.........*..o........*........#",
    "#.*..o...........*............X#",
    "################################",
};
static_assert(walled_rectangle(cave_078));

// 79: NASSGANG
constexpr CaveIdea idea_079{
    "a wet corridor sealed under a dripping roof: the boulder and the nut let down through its two shifters crush the gobbler and the wisp; a stick breaks in to gather them, the moss sets in a pen its boulder closes",
    uses(Mechanic::Shifters, Mechanic::Dynamite, Mechanic::CreaturesCrushed, Mechanic::MossSet, Mechanic::Ooze)};
constexpr std::string_view cave_079[] = {
    "################################",
    "#@.............................#",
    "#..............................#",
    "#....%^%..o..........n...%^%...#",
    "#....% %.................% %...#",
    "#.%%%% %%%W%%%%%%%%%%W%%%% %%%.#",
    "#.%            %%            %.#",
    "#.%+c          %% m          %.#",
    "#.############################.#",
    "#..........o...................#",
    "#........................o.....#",
    "#..d.....%% %%.................#",
    "#........%...%.........d.......#",
    "#........%...%.................#",
    "#........%~.*%......o..........#",
    "#........%%%%%.................#",
    "#................d.............#",
    "#.............................X#",
    "################################",
};
static_assert(walled_rectangle(cave_079));

// 80: KOHLEKESSEL
constexpr CaveIdea idea_080{
    "a brick cauldron of coal heaped on crystals and stars, two dripping flues on its lid; a stick under its bottom pours it out into the fire pit",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_080[] = {
    "##################################",
    "#@......o...%^%....%^%..o........#",
    "#...d.......% %....% %.....*.....#",
    "#...*.......%%%%%%%%%%...........#",
    "#.........%%          %%.........#",
    "#........%              %.....o..#",
    "#.o......%    o*oo*o    %........#",
    "#.........%o*o+*oo*+o*o%.........#",
    "#..........%*o*+o*+o*o%.....*....#",
    "#.....*.....%%%%%%%%%%...........#",
    "#.........              .........#",
    "#.........              ...o.....#",
    "#......o..              .........#",
    "#............................d...#",
    "#..*................o....*.......#",
    "#.........o....*..............o..#",
    "#...............................X#",
    "##################################",
};
static_assert(walled_rectangle(cave_080));

// 81: SALZHALLE
constexpr CaveIdea idea_081{
    "a salt hall under four drips: a stick frees the red key knotted in brick on its floor, the red door opens the treasury below it and the treasury's green key the hatch room",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_081[] = {
    "##################################",
    "#@.....*..o.......d...*..........#",
    "#.............*...........o...*..#",
    "#.o.%%%%^%%%%^%%%%%%^%%%%^%%%%...#",
    "#...%                        %...#",
    "#..*%                        %.o.#",
    "#...%                        %...#",
    "#...%          %%%           %...#",
    "#.... *  * *   %r% *  * *  * ....#",
    "#...%%%%%%%%%%%%%%%%%%%%%%%%%%...#",
    "#.*...................*........*.#",
    "#....o........o..*.........o.....#",
    "#.*.....%%%R%%%....o....*........#",
    "#.......%+...+%..............%%%%#",
    "#.......%+*g.+%.....*........%...#",
    "#...*...%%%%%%%........o.....G...#",
    "#.....o.........*.........*..%..X#",
    "##################################",
};
static_assert(walled_rectangle(cave_081));

// 82: KALTKLUFT
constexpr CaveIdea idea_082{
    "two steel clefts dripping from their heads, stars wedged under stones in their side niches; a stick silences a head, another opens the cold store",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_082[] = {
    "#################################",
    "#@..d.......................d...#",
    "#......#^^#..o.....o..#^^#......#",
    "#......#  #.....d.....#  #......#",
    "#..*..##  #...........#  ##..*..#",
    "#....#o#  #...........#  #o#....#",
    "#....#+   #.o.......o.#   +#....#",
    "#.....##  ##....*....##  ##.....#",
    "#......#  #o#.......#o#  #......#",
    "#......#   +#...o...#+   #......#",
    "#.*...##  ##.........##  ##...*.#",
    "#....#o#  #..%%%%%%%..#  #o#....#",
    "#....#+   #..%+.*.+%..#   +#....#",
    "#.....##  #..%*.+.*%..#  ##.....#",
    "#.......  #..%.....%..#  .......#",
    "#..o...####..%%%%%%%..####...o..#",
    "#..............................X#",
    "#################################",
};
static_assert(walled_rectangle(cave_082));

}  // namespace

const LevelEntry levels_districts_c[11] = {
    {"NASSGRUBE", cave_072, 29, 1500, idea_072},
    {"KUPFERHALLE", cave_073, 11, 1500, idea_073},
    {"STEINSCHACHT", cave_074, 13, 1500, idea_074},
    {"SCHATTENSOHLE", cave_075, 29, 1500, idea_075},
    {"KUPFERGANG", cave_076, 29, 1500, idea_076},
    {"FUNKENKAMMER", cave_077, 35, 1500, idea_077},
    {"FUNKENSTOLLEN", cave_078, 30, 1500, idea_078},
    {"NASSGANG", cave_079, 16, 1500, idea_079},
    {"KOHLEKESSEL", cave_080, 22, 1500, idea_080},
    {"SALZHALLE", cave_081, 31, 1500, idea_081},
    {"KALTKLUFT", cave_082, 25, 1500, idea_082},
};

}  // namespace korvedan
