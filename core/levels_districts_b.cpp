// Caves 50 to 71: districts with dynamite, ooze, moss and shifters.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 50: SALZFLOEZ
constexpr CaveIdea idea_050{
    "three salt seams sealed in brick strata; open each from its end, or the boulder in the seam above falls on its star",
    uses(Mechanic::Dynamite)};
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

// 51: NASSSPALT
constexpr CaveIdea idea_051{
    "two rifts packed with stars under a boulder cap over a pool; blast the cap first, or the boulder smashes the stars on the way down",
    uses(Mechanic::Dynamite)};
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

// 52: NEBELSOHLE
constexpr CaveIdea idea_052{
    "four sealed hoppers drain through a band of shifters into pockets below: boulders come out crystals, crystals stars, the star a boulder that cracks the nut under it; crack the nuts in the dirt too",
    uses(Mechanic::Shifters, Mechanic::NutsCracked)};
constexpr std::string_view cave_052[] = {
    "############################",
    "#@..........o.......o......#",
    "#..%%%...%%%....%%%...%%%..#",
    "#..% %.o.% %....% %...% %..#",
    "#..%o%...% %..o.% %...% %..#",
    "#..%o%.n.%*%....% %...%o%..#",
    "#..%o%...%*%..n.%+%...%o%..#",
    "#..........................#",
    "#.%%W%%%%%W%%%%%%W%%%%%W%%.#",
    "#... ..... ...... ..... ...#",
    "#... ..... ...... ..... ...#",
    "#... ..... ......n..... ...#",
    "#......o............o....o.#",
    "#.*............o...........#",
    "#......n.....*......n......#",
    "#.........................X#",
    "############################",
};
static_assert(walled_rectangle(cave_052));

// 53: EISENKLUFT
constexpr CaveIdea idea_053{
    "a mite shuttles in each of two iron shafts: push boulders in to crush them, a bomb to crack the red key's box at the foot",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Bombs, Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_053[] = {
    "##############################",
    "#@.......o q..q...o o........#",
    "#........# #......# #........#",
    "#...*....# #......# #........#",
    "#........# #......# #.....*..#",
    "#........# #......# #........#",
    "#..o.....#b#......# #........#",
    "#........# #......# #........#",
    "#........# #......#b#....o...#",
    "#........# #..o...# #........#",
    "#........# #......# #........#",
    "#........# #......# #......o.#",
    "#........#%#......###.%%%%%..#",
    "#........#r#......###.%+++%..#",
    "#.....o..###..*.......%%R%%..#",
    "#............................#",
    "#................o..........X#",
    "##############################",
};
static_assert(walled_rectangle(cave_053));

// 54: TIEFKESSEL
constexpr CaveIdea idea_054{
    "a sealed cauldron of stars deep down, two veins of dynamite run to its shoulders: light the clean one",
    uses(Mechanic::Dynamite)};
constexpr std::string_view cave_054[] = {
    "############################",
    "#@...........*.d...........#",
    "#..%%%...*...........o%%o..#",
    "#...d%%....o........o%%d...#",
    "#..%%d%%.....*.....o%%d%%..#",
    "#...%%d%%.........o%%d%%..o#",
    "#....%%d%%.......o%%d%%....#",
    "#.....%%d%%...*..%%d%%.....#",
    "#.o....%%d%......%d%%......#",
    "#......%%%%%%%%%%%%%%......#",
    "#......%%          %%......#",
    "#..*...%%          %%...*..#",
    "#....o.%%          %%......#",
    "#.d....%%          %%..o...#",
    "#...*..%% +*++*+*+ %%.*....#",
    "#......%%%%%%%%%%%%%%.....X#",
    "############################",
};
static_assert(walled_rectangle(cave_054));

// 55: EISENSPALT
constexpr CaveIdea idea_055{
    "an iron rift of three chambers: a stick frees the green key, green opens the red key's chamber, red the next, a stick the floor to the last",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite)};
constexpr std::string_view cave_055[] = {
    "############################",
    "#@.........................#",
    "#.....*..o.##G###.......*..#",
    "#..d.......#+..+#..*.......#",
    "#...o......#.r..#.....d....#",
    "#.......*..#o..o#...o......#",
    "#.*........###R##.......o..#",
    "#..........#.+..#....*.....#",
    "#.......*..#..+.#..........#",
    "#...%%%....#.+..#..........#",
    "#...%g%....#....#.o......*.#",
    "#.o.%%%....#%%%%#..........#",
    "#........*.#*..*#..*..o....#",
    "#.....o....#.++.#.........o#",
    "#..*...d...#.*+.#......*...#",
    "#........o.#*..*#.........X#",
    "############################",
};
static_assert(walled_rectangle(cave_055));

// 56: KUPFERKAMMER
constexpr CaveIdea idea_056{
    "a copper chamber packed with boulders under its roof hides an iron strongroom; blast in low, take the red key, open the strongroom",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite)};
constexpr std::string_view cave_056[] = {
    "###############################",
    "#@........o....*....o.........#",
    "#...d......................d..#",
    "#......%%%%%%%%%%%%%%%%%......#",
    "#......%ooo.ooo.ooo.ooo%..*...#",
    "#..*...%.o...o...o...o.%......#",
    "#......%..*..*...*.....%.o....#",
    "#...o..%.*.....+.....*.%..o...#",
    "#.o....%...####R####...%......#",
    "#....*.%...#       #...%...*..#",
    "#......%*..#       #..*%......#",
    "#..o...%...#+ +++ +#...%....o.#",
    "#.*....%.r.#########.*.%......#",
    "#......%%%%%%%%%%%%%%%%%.*....#",
    "#....d.........*.............X#",
    "###############################",
};
static_assert(walled_rectangle(cave_056));

// 57: QUARZGRUBE
constexpr CaveIdea idea_057{
    "a quartz pit over a sealed brick vault where a mite and a gobbler graze among the crystals; drop a bomb from the rim to break its lid, then deal with what climbs out",
    uses(Mechanic::Bombs)};
constexpr std::string_view cave_057[] = {
    "##############################",
    "#@.........o.q..q.o..........#",
    "#........................*...#",
    "#...*.....          .........#",
    "#.........          .........#",
    "#..........        ..........#",
    "#.....o....        ..........#",
    "#..........        ....o.....#",
    "#...........      ...........#",
    "#...........      ...........#",
    "#..........%%%%%%%%...o......#",
    "#..........%b    c%..........#",
    "#..*.......%**+***%..........#",
    "#..........%***+**%.....*....#",
    "#......o...%%%%%%%%..........#",
    "#...........................X#",
    "##############################",
};
static_assert(walled_rectangle(cave_057));

// 58: SCHATTENGRUBE
constexpr CaveIdea idea_058{
    "two wisps shuttle in a dark tunnel under a brick mass: boulders let down its four shifter shafts come out crystals that crush them; the hatch lies in a brick vault that only the bomb above it cracks",
    uses(Mechanic::Shifters, Mechanic::Bombs, Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_058[] = {
    "###############################",
    "#@........o....*....o.........#",
    "#......o....o.....o....o......#",
    "#.............................#",
    "#..%%%% %%%% %%%%% %%%% %%%%..#",
    "#..%%%%W%%%%W%%%%%W%%%%W%%%%..#",
    "#..%%%% %%%% %%%%% %%%% %%%%..#",
    "#..%     m          m      %..#",
    "#.*%%%%%%%%%%%%%%%%%%%%%%%%%..#",
    "#.............................#",
    "#....................o........#",
    "#....o.....................q..#",
    "#.........*...................#",
    "#................+.......%%%%%#",
    "#........................%...X#",
    "###############################",
};
static_assert(walled_rectangle(cave_058));

// 59: KALTGANG
constexpr CaveIdea idea_059{
    "a cold corridor in five legs, each sealed from the next by brick: a stick found in each leg blasts the way down, the red key in the fourth opens the steel hatch room",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite)};
constexpr std::string_view cave_059[] = {
    "##############################",
    "#@.....*....o.......d.....*..#",
    "#...d.......*...........o....#",
    "#%%%%%%%%%%%%%%%%%%%%%%%%%%%%#",
    "#....*..o.......*.......+....#",
    "#..+.......d.........*....o..#",
    "#%%%%%%%%%%%%%%%%%%%%%%%%%%%%#",
    "#...o......*...........*.....#",
    "#.*.....d........o.......*...#",
    "#%%%%%%%%%%%%%%%%%%%%%%%%%%%%#",
    "#.....*....+......o...*....d.#",
    "#..o.r......*..........o.....#",
    "#%%%%%%%%%%%%%%%%%%%%%%%%%%%%#",
    "#....*......o.....*.......####",
    "#..o.....*.........o......#. #",
    "#.......+.......*.........R.X#",
    "##############################",
};
static_assert(walled_rectangle(cave_059));

// 60: SCHATTENKLUFT
constexpr CaveIdea idea_060{
    "stars sleep in steel-backed niches along a brick cleft; blast them open from inside",
    uses(Mechanic::Dynamite)};
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

// 61: STEINSOHLE
constexpr CaveIdea idea_061{
    "six brick stones lie scattered through the mine level, each sealing four crystals and a star; only four crystals lie loose, so a stick must crack nearly every stone",
    uses(Mechanic::Dynamite)};
constexpr std::string_view cave_061[] = {
    "##############################",
    "#@........d......o...........#",
    "#............%%%%%.........d.#",
    "#...%%%%%....%*+*%....%%%%%..#",
    "#...%*+*%....%*.*%....%*+*%..#",
    "#..o%*.*%....%%%%%....%*.*%..#",
    "#...%%%%%.............%%%%%..#",
    "#...........*.. ...d.......*.#",
    "#.*.....o....................#",
    "#......%%%%%...........%%%%%.#",
    "#......%*+*%....%%%%%..%*+*%.#",
    "#......%*.*%....%*+*%..%*.*%.#",
    "#.d....%%%%%....%*.*%..%%%%%.#",
    "#...............%%%%%....o...#",
    "#....*....o..d.......d.......#",
    "#...........................X#",
    "##############################",
};
static_assert(walled_rectangle(cave_061));

// 62: ALTSTOLLEN
constexpr CaveIdea idea_062{
    "an old adit under a dripping roof: caved-in stretches need sticks, the red key lies in the middle stretch, and its door in the steel floor opens the store below with the hatch",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_062[] = {
    "################################",
    "#@.............o...d...........#",
    "#........*...%%%%%....o....*...#",
    "#...*........% m %.............#",
    "#.........o..%   %..*........o.#",
    "#..d.%^%.....%%%%%......*%^%...#",
    "#....% %.................% %d..#",
    "#.%%%% %%%%%%%%%%%%%%%%%%% %%%%#",
    "#          %  o      %         #",
    "#       o  %*   r  + %*      * #",
    "##########################R#####",
    "#..................o...........#",
    "#..*.......o...........+.......#",
    "#...............*...........*..#",
    "#......*.................o.....#",
    "#...........*.......*..........#",
    "#....*...........o............X#",
    "################################",
};
static_assert(walled_rectangle(cave_062));

// 63: SALZSPALT
constexpr CaveIdea idea_063{
    "moss creeps down a sealed salt rift and locks in a mite and a gobbler; when it has set, pull the nut that plugs the rift and drain it: the crystals tumbling down crush the creatures for more",
    uses(Mechanic::MossSet)};
constexpr std::string_view cave_063[] = {
    "##############################",
    "#@...........%~~%............#",
    "#............%..%............#",
    "#....o.......%.~%............#",
    "#............%..%....o.......#",
    "#............%b.%............#",
    "#........o...%~.%.......*....#",
    "#............%..%............#",
    "#............%.c%........o...#",
    "#............%~.%............#",
    "#............%n%%............#",
    "#............................#",
    "#...o... ....................#",
    "#...................o........#",
    "#......................+.....#",
    "#.........o..................#",
    "#...........................X#",
    "##############################",
};
static_assert(walled_rectangle(cave_063));

// 64: SCHATTENFLOEZ
constexpr CaveIdea idea_064{
    "a wisp walks a dark seam between brick strata whose one shaft opens at the steel edge: drop its boulder on the wisp, crack the nut that shuts the red key's closet, and let the moss set in the hatch room behind the red door, for every crystal counts",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::CreaturesCrushed, Mechanic::NutsCracked, Mechanic::MossSet)};
constexpr std::string_view cave_064[] = {
    "################################",
    "#@.............................#",
    "#........o......o...*.........o#",
    "#..............................#",
    "#...%%%%%%%%%%%%%%%%%%%%%%%%%% #",
    "#...%         m                #",
    "#...%%%%%%%%%%%%%%%%%%%%%%%%%%%#",
    "#..............................#",
    "#..............................#",
    "#......o...................*...#",
    "#..................o...........#",
    "#...........+..................#",
    "#..................n...o.......#",
    "#..............................#",
    "#.............o...........%%%%%#",
    "#%%%o.....................%%%%%#",
    "#%%%......................R..~.#",
    "#r..n.....................%%..X#",
    "################################",
};
static_assert(walled_rectangle(cave_064));

// 65: SALZSOHLE
constexpr CaveIdea idea_065{
    "a salt hall under two brine drips: the green key lies at the foot of one drip, a stick opens the salt vault in the hall floor, the green door holds the red key and the red door the hatch room",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_065[] = {
    "#################################",
    "#@.....*......o.........*.....d.#",
    "#..o.....d......*.....o.........#",
    "#....*......................*...#",
    "#..........%%%^%%%%%^%%%........#",
    "#..........%.. ..... ..%.....o..#",
    "#....o.....%.. ..... ..%........#",
    "#..*.......%.. ..... ..%...*....#",
    "#..........%.. ..... ...........#",
    "#.......*..%.. .....g..%..o.....#",
    "#..........%.%%%%%%%%%.%......*.#",
    "#########..%.%*+**+**%.%........#",
    "#.......#....%***.***%.%.########",
    "#.*.*.*.#..%.%%%%%%%%%.%.#......#",
    "#.......G................#.*.*..#",
    "#..*.*..#.........*......R....*.#",
    "#.....r.#.o.........o....#..*...#",
    "#.*.*.*.#................#.....X#",
    "#################################",
};
static_assert(walled_rectangle(cave_065));

// 66: FUNKENKESSEL
constexpr CaveIdea idea_066{
    "an open cauldron under a roof that rains sparks: the red key lies on its floor beneath a drip, the red door in its iron bottom opens the star store, and a stick cracks the little vault beside it",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_066[] = {
    "#################################",
    "#@.....*......d.......*.....o...#",
    "#...o......*.......o............#",
    "#.......d.......................#",
    "#%%%%%%%%%^%%%%^%%%%%^%%%%^%%%%.#",
    "#......                   ......#",
    "#.....%%                 %%.....#",
    "#......%%               %%......#",
    "#.......%%             %%.......#",
    "#........%             %........#",
    "#........%  +  r    +  %........#",
    "#........%######R######%........#",
    "#..%%%%%.%#.+.*..+..*.+#........#",
    "#..%+*+%.%#............#...o....#",
    "#..%%%%%.%##############........#",
    "#...............o...............#",
    "#.....o.........................#",
    "#..............................X#",
    "#################################",
};
static_assert(walled_rectangle(cave_066));

// 67: KALTKESSEL
constexpr CaveIdea idea_067{
    "a cold cauldron of crystals hangs over an empty pit; the green door is its tap: open it from below, step aside and let it pour, then climb in for the red key that opens the hatch room; sticks crack the two stores in the floor",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_067[] = {
    "#################################",
    "#@.....*........g......*...d....#",
    "#...d.....*...o.......o....*....#",
    "#....*.....%%%%%%%%%%%.....*....#",
    "#..........%         %..........#",
    "#...........%*+***+*%...........#",
    "#.....o......%r****%......o.....#",
    "#.........%%%^%%G%%^%%%.........#",
    "#.........             %........#",
    "#........%             %........#",
    "#........%             %........#",
    "#........%             %........#",
    "#.%%%%%..%%%%%%%%%%%%%%%..%%%%%%#",
    "#.%+*+%.......%%%%%.......%.....#",
    "#.%%%%%.......%+*+%.......R.....#",
    "#.............%%%%%.......%....X#",
    "#################################",
};
static_assert(walled_rectangle(cave_067));

// 68: NASSGRUND
constexpr CaveIdea idea_068{
    "a mite, a wisp and a mite circle in the flooded gallery at the bottom; drop the sluice boulders on them, wade to the red key that opens the star store and the hatch",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::CreaturesCrushed)};
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

// 69: SCHATTENGRUND
constexpr CaveIdea idea_069{
    "moss sets in a tub stoppered by a stick; pull the stick and the crystals pour through the shifter below into the star cellar, which the stick then blasts open",
    uses(Mechanic::Shifters, Mechanic::Dynamite, Mechanic::MossSet)};
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

// 70: WURZELSOHLE
constexpr CaveIdea idea_070{
    "one stick frees the yellow key from its brick knot; three steel vaults step down under the dripping root hollows: yellow holds the green key, green the red, red the richest store",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_070[] = {
    "#################################",
    "#@............d.................#",
    "#.......*.........*.....o.......#",
    "#...%%%....^....o..........*....#",
    "#...%y%..o. .........^..........#",
    "#...%%%.... .######## ........o.#",
    "#.o........ .#.*.*.*# ..........#",
    "#.......... .G.+...r#      .....#",
    "#.########. .#*.*.*.# .......*..#",
    "#.#*.*.*.#. .######## ..........#",
    "#.#g.....Y. ......... ..........#",
    "#.#.*.+.*#. ..o.......#########.#",
    "#.########. ....*.....#*.***.*#.#",
    "#.....................R.*.*.*+#.#",
    "#..*..o...........o...#*.*.*.*#.#",
    "#.........*...........#########X#",
    "#################################",
};
static_assert(walled_rectangle(cave_070));

// 71: TIEFGRUBE
constexpr CaveIdea idea_071{
    "a deep open pit under a dripping rim, crystals on its shelves; two star vaults sunk beneath its floor, one stick for each lid",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_071[] = {
    "##################################",
    "#@....*...o.........*......o.....#",
    "#....d.......*................*..#",
    "#................o......*...d....#",
    "#..*.......o.....................#",
    "#.......%.%%^%%%^^%%%^%%.%.......#",
    "#.....o.%                %.......#",
    "#.......%                %...*...#",
    "#...*...%                %.......#",
    "#.......%  *          *  %.o.....#",
    "#.......% %%%        %%% %....+..#",
    "#.*.....%     *    *     %.......#",
    "#.......%    %%%  %%%    %.....*.#",
    "#..o..*.%                %.......#",
    "#.......%%%%%%%%%%%%%%%%%%.......#",
    "#....*..%.......%%.......%....o..#",
    "#.......%.+*+*+.%%.+*+*+.%..*....#",
    "#.......%%%%%%%%%%%%%%%%%%......X#",
    "##################################",
};
static_assert(walled_rectangle(cave_071));

}  // namespace

const LevelEntry levels_districts_b[22] = {
    {"SALZFLOEZ", cave_050, 12, 1500, idea_050},
    {"NASSSPALT", cave_051, 22, 1500, idea_051},
    {"NEBELSOHLE", cave_052, 14, 1500, idea_052},
    {"EISENKLUFT", cave_053, 13, 1500, idea_053},
    {"TIEFKESSEL", cave_054, 17, 1500, idea_054},
    {"EISENSPALT", cave_055, 28, 1500, idea_055},
    {"KUPFERKAMMER", cave_056, 25, 1500, idea_056},
    {"QUARZGRUBE", cave_057, 13, 1500, idea_057},
    {"SCHATTENGRUBE", cave_058, 14, 1500, idea_058},
    {"KALTGANG", cave_059, 20, 1500, idea_059},
    {"SCHATTENKLUFT", cave_060, 17, 1500, idea_060},
    {"STEINSOHLE", cave_061, 24, 1500, idea_061},
    {"ALTSTOLLEN", cave_062, 16, 1500, idea_062},
    {"SALZSPALT", cave_063, 11, 1500, idea_063},
    {"SCHATTENFLOEZ", cave_064, 16, 1500, idea_064},
    {"SALZSOHLE", cave_065, 26, 1500, idea_065},
    {"FUNKENKESSEL", cave_066, 21, 1500, idea_066},
    {"KALTKESSEL", cave_067, 26, 1500, idea_067},
    {"NASSGRUND", cave_068, 14, 1500, idea_068},
    {"SCHATTENGRUND", cave_069, 14, 1500, idea_069},
    {"WURZELSOHLE", cave_070, 25, 1500, idea_070},
    {"TIEFGRUBE", cave_071, 33, 1500, idea_071},
};

}  // namespace korvedan
