// Caves 23 to 49: the first districts, boulders and mites, then nuts, keys and shifters.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 23: FUNKENSPALT — a stack of boulders and crystals in a narrow rift, to be taken through its windows from the top down
constexpr std::string_view cave_023[] = {
    "########################",
    "#@.....................#",
    "#...o.....%o%....o.....#",
    "#...*......*%..........#",
    "#.........%o%..........#",
    "#.........%*.......o...#",
    "#.........%o%......*...#",
    "#..o.......*%..........#",
    "#.........%o%..........#",
    "#.........%*.....o.....#",
    "#.........%o%..........#",
    "#.....o....*%..........#",
    "#.........%o%.....o....#",
    "#.........%*..........X#",
    "########################",
};
static_assert(walled_rectangle(cave_023));

// 24: NEBELSTOLLEN — three brick tunnels in a zig-zag, each blocked by boulders that must be pushed into the pits in its floor
constexpr std::string_view cave_024[] = {
    "##########################",
    "#%%%%%%%%%%%%%%%%%%%%%%%%#",
    "#@  o    * o      o   *  #",
    "#%%%%% %*%%%% %%%%%% %%% #",
    "#%%%%%%%%%%%%%%%%%%%%%%% #",
    "#  *   o      o *    o   #",
    "# %%% %%%%%% %%%%*% %%%% #",
    "# %%%%%%%%%%%%%%%%%%%%%%%#",
    "#  o  * o   *   o  * o   #",
    "# %% %%%%% %%%*%% %%%% % #",
    "#%%%%%%%%%%%%%%%%%%%%%%% #",
    "#........................#",
    "#...o......o......o......#",
    "#...*....................#",
    "#.......................X#",
    "##########################",
};
static_assert(walled_rectangle(cave_024));

// 25: TIEFKLUFT — a brick cleft with boulders in its wall niches: dug from below it is safe, from above the boulders follow
constexpr std::string_view cave_025[] = {
    "########################",
    "#@.....................#",
    "#.........%..%.........#",
    "#.........o.*%.........#",
    "#...o.....%..%....o....#",
    "#...*.....%*.o....*....#",
    "#.........%..%.........#",
    "#.........o.*%.........#",
    "#.........%..%.........#",
    "#.....o...%*.o.........#",
    "#.........%.*%...o.....#",
    "#.........%..%.........#",
    "#........      ........#",
    "#........      .......X#",
    "########################",
};
static_assert(walled_rectangle(cave_025));

// 26: SALZGRUBE — a pyramid of salt crystals and boulders in an open pit, to be mined without being buried
constexpr std::string_view cave_026[] = {
    "########################",
    "#@.....................#",
    "#......................#",
    "#......................#",
    "#....o...........o.....#",
    "#....%           %.....#",
    "#....%           %.....#",
    "#....%           %.....#",
    "#.o..%           %..o..#",
    "#.*..%     o     %..*..#",
    "#....%    ***    %.....#",
    "#....%   **o**   %.....#",
    "#....%  *o*o*o*  %....X#",
    "########################",
};
static_assert(walled_rectangle(cave_026));

// 27: SCHATTENHALLE — a hall under a ceiling of boulders, with a crystal seam in the ceiling that is safe to mine only sideways
constexpr std::string_view cave_027[] = {
    "###########################",
    "#@........................#",
    "#.........................#",
    "#..ooooooooooooooooooooo..#",
    "#...*...*....*....*...*...#",
    "#.........................#",
    "#.                       .#",
    "#.                       .#",
    "#.       %       %       .#",
    "#.       %       %       .#",
    "#.       %       %       .#",
    "#.       %   *   %       .#",
    "#.   *   %  %%%  %   *   .#",
    "#.........................#",
    "#........................X#",
    "###########################",
};
static_assert(walled_rectangle(cave_027));

// 28: QUARZGANG — a dirt-filled corridor snaking through brick: boulders drop from the ceiling behind the digger, and a pocket right under one is a trap
constexpr std::string_view cave_028[] = {
    "##########################",
    "#%%%%o%%%%o%%%%o%%%%o%%%%#",
    "#@...........*........*..#",
    "#%%%%%%*%%*%%%%%%%%%%%%%.#",
    "#%%o%%%%o%%%%%o%%%%%o%%%.#",
    "#..........*.............#",
    "#.%%%%*%%%%%%%%%%%*%%%%%%#",
    "#.%%o%%%%o%%%o%%%%%o%%%%%#",
    "#........................#",
    "#%%%%%*%%%%%%*%%*%%%%%%%.#",
    "#%%%%o%%%%o%%%%%o%%%%o%%.#",
    "#........................#",
    "#.%%%%%*%%*%%%%%%%%*%%%%%#",
    "#.%%o%%%%o%%%%o%%%%o%%%%%#",
    "#...........*...........X#",
    "##########################",
};
static_assert(walled_rectangle(cave_028));

// 29: KOHLESOHLE — three mine levels with boulder carts standing on crystal pockets, pushed aside in the right order
constexpr std::string_view cave_029[] = {
    "###########################",
    "#@........................#",
    "#.                       .#",
    "#.    o o         o o    .#",
    "#.%%%%*%*%%%%%%%%%*%*%%%%.#",
    "#.....%.%.........%.%.....#",
    "#.                       .#",
    "#.   o o o       o o o   .#",
    "#.%%%*%*%*%%%%%%%*%*%*%%%.#",
    "#....%.%.%.......%.%.%....#",
    "#.                       .#",
    "#.         o o o         .#",
    "#.%%%%%%%%%*%*%*%%%%%%%%%.#",
    "#..........%.%.%.........X#",
    "###########################",
};
static_assert(walled_rectangle(cave_029));

// 30: SILBERSCHACHT — push a boulder down each mite's shaft and crush it into silver
constexpr std::string_view cave_030[] = {
    "#########################",
    "#@......................#",
    "#....%.............%....#",
    "#...o %..*.....*..% o...#",
    "#.... %...........% ....#",
    "#...% %..o.....o..% %...#",
    "#...% %...........% %...#",
    "#.*.% %...........% %.*.#",
    "#...%b%....%.%....%b%...#",
    "#...% %....%*%....% %...#",
    "#...% %....%%%....% %...#",
    "#...% %.o.......o.% %...#",
    "#...%%%...........%%%..X#",
    "#########################",
};
static_assert(walled_rectangle(cave_030));

// 31: STEINKAMMER — a sealed stone chamber of crystals, opened by crushing the mite that circles it
constexpr std::string_view cave_031[] = {
    "############################",
    "#@.........................#",
    "#.........o..oo..o.........#",
    "#..........................#",
    "#.......            ....*..#",
    "#..*.... %%%%%%%%%% .......#",
    "#....... %........% .......#",
    "#.....o. %.*..*...% .......#",
    "#....... %........% .......#",
    "#....... %...*..*.% .o.....#",
    "#....... %..*..*..% .......#",
    "#....... %%%%%%%%%% .......#",
    "#.......     b      .......#",
    "#...*......................#",
    "#.........................X#",
    "############################",
};
static_assert(walled_rectangle(cave_031));

// 32: NASSKLUFT — a brick funnel full of crystals and boulders: pull the dirt plug from below, step aside, and gather what pours into the basin
constexpr std::string_view cave_032[] = {
    "##########################",
    "#@.......................#",
    "#.......%%%%%%%%%........#",
    "#.......%*o*o*o*%........#",
    "#........%o*o*o%......o..#",
    "#.........%*o*%.......*..#",
    "#..o.......%.%...........#",
    "#..*.......% ............#",
    "#......o...% %....o......#",
    "#..........% %...........#",
    "#....%%%%%%% %%%%%%%.....#",
    "#....%             %.....#",
    "#....%             .....X#",
    "##########################",
};
static_assert(walled_rectangle(cave_032));

// 33: KOHLEKLUFT — two mites crawl a long crack; every cell dug beside it widens their range, and boulders above it can crush them
constexpr std::string_view cave_033[] = {
    "###########################",
    "#@..o.....................#",
    "#......*..................#",
    "#..   ...o................#",
    "#....  b ....*..........o.#",
    "#...*...    ...o.......%%.#",
    "#........*.    ....*......#",
    "#...........*.    ...o....#",
    "#................ b  .....#",
    "#.o.............*...    ..#",
    "#.%%..o...............*...#",
    "#..........o..............#",
    "#..........%.............X#",
    "###########################",
};
static_assert(walled_rectangle(cave_033));

// 34: ALTGRUND — old workings: three mites roam a chain of galleries whose blind ends hold the crystals
constexpr std::string_view cave_034[] = {
    "#########################",
    "#@....o.................#",
    "#.......................#",
    "#..           b       ..#",
    "#....%.... ..... .%.. ..#",
    "#.........*..o..* ... ..#",
    "#................ ... *.#",
    "#..      b            ..#",
    "#.. ... ...%.. .........#",
    "#.. ..o* .....*....o....#",
    "#.. .... ...............#",
    "#..            b  *   ..#",
    "#.....%..... ......%....#",
    "#...........*..........X#",
    "#########################",
};
static_assert(walled_rectangle(cave_034));

// 35: DONNERSPALT — a rift of mite pockets stacked one above another: one boulder sets off a thunder of crushes down the column
constexpr std::string_view cave_035[] = {
    "#########################",
    "#@......................#",
    "#......o.... %..........#",
    "#........... %.....o....#",
    "#...o......%b%.....*....#",
    "#...*......%.%....%%%...#",
    "#..%%%.....% %..........#",
    "#..........%b%..........#",
    "#..........%.%...o......#",
    "#......o...% %..........#",
    "#..........%b%.......*..#",
    "#..........%.%..........#",
    "#..........%.%.........X#",
    "#########################",
};
static_assert(walled_rectangle(cave_035));

// 36: STEINGANG — a corridor of nuts and mites under a row of boulders: drop a boulder to crack a nut, or to crush a mite
constexpr std::string_view cave_036[] = {
    "#############################",
    "#@..........................#",
    "#...........*...............#",
    "#..*........................#",
    "#...................*.......#",
    "#...........................#",
    "#.....o.o.o...o.o.o...o.o...#",
    "#...........................#",
    "#.    n b n   n b n   n b ..#",
    "#.%%%%%%%%%%%%%%%%%%%%%%%%..#",
    "#...........................#",
    "#..........o..........o.....#",
    "#....o....%%%........%%%.*..#",
    "#................o..........#",
    "#..........................X#",
    "#############################",
};
static_assert(walled_rectangle(cave_036));

// 37: SILBERKLUFT — two columns of nuts in a cleft, each under a single boulder that cracks them one by one as the plugs between are dug
constexpr std::string_view cave_037[] = {
    "##########################",
    "#@.......................#",
    "#.........%o..o%.........#",
    "#.........%....%..o......#",
    "#..*......%n..n%..%......#",
    "#......o..%....%.........#",
    "#......%..%n..n%......*..#",
    "#.........%....%.........#",
    "#...o.....%n..n%.........#",
    "#.........%....%.........#",
    "#...n.....%n..n%....o....#",
    "#.........%....%.........#",
    "#.....*...%    %....n....#",
    "#.........%    %.......o.#",
    "#.........%%%%%%.........#",
    "#.......................X#",
    "##########################",
};
static_assert(walled_rectangle(cave_037));

// 38: SCHATTENSPALT — stacks of a boulder on a nut hang over a mite rift: dropped, the nut crushes a mite or the boulder cracks the nut
constexpr std::string_view cave_038[] = {
    "#############################",
    "#@..........................#",
    "#.................o.........#",
    "#.*........o................#",
    "#.........................*.#",
    "#...........................#",
    "#...........................#",
    "#....o...o....o....o...o....#",
    "#....n...n....n....n...n....#",
    "#...........................#",
    "#..      b         b      ..#",
    "#...........................#",
    "#.......................o...#",
    "#..o..........*.............#",
    "#..........................X#",
    "#############################",
};
static_assert(walled_rectangle(cave_038));

}  // namespace

const LevelEntry levels_districts_a[27] = {
    {"FUNKENSPALT", cave_023, 6, 1500},
    {"NEBELSTOLLEN", cave_024, 8, 1500},
    {"TIEFKLUFT", cave_025, 6, 1500},
    {"SALZGRUBE", cave_026, 9, 1500},
    {"SCHATTENHALLE", cave_027, 6, 1500},
    {"QUARZGANG", cave_028, 8, 1500},
    {"KOHLESOHLE", cave_029, 8, 1500},
    {"SILBERSCHACHT", cave_030, 7, 1500},
    {"STEINKAMMER", cave_031, 8, 1500},
    {"NASSKLUFT", cave_032, 7, 1500},
    {"KOHLEKLUFT", cave_033, 7, 1500},
    {"ALTGRUND", cave_034, 5, 1500},
    {"DONNERSPALT", cave_035, 8, 1500},
    {"STEINGANG", cave_036, 9, 1500},
    {"SILBERKLUFT", cave_037, 9, 1500},
    {"SCHATTENSPALT", cave_038, 7, 1500},
    {"SILBERGRUND", {}, 9, 1500},
    {"DONNERSOHLE", {}, 7, 1500},
    {"SILBERSTOLLEN", {}, 10, 1500},
    {"EISENHALLE", {}, 8, 1500},
    {"FUNKENGRUBE", {}, 13, 1500},
    {"SCHATTENKAMMER", {}, 9, 1500},
    {"KUPFERKLUFT", {}, 8, 1500},
    {"NASSSTOLLEN", {}, 10, 1500},
    {"STEINSPALT", {}, 14, 1500},
    {"FUNKENSOHLE", {}, 13, 1500},
    {"WURZELKAMMER", {}, 12, 1500},
};

}  // namespace korvedan
