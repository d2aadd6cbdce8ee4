// Caves 23 to 49: the first districts, boulders and mites, then nuts, keys and shifters.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 23: FUNKENSPALT
constexpr CaveIdea idea_023{
    "a rift stacked with boulders and crystals, emptied through its windows from the top down",
    uses()};
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

// 24: NEBELSTOLLEN
constexpr CaveIdea idea_024{
    "three brick tunnels in a zig-zag, cleared by pushing their boulders into floor pits",
    uses()};
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

// 25: TIEFKLUFT
constexpr CaveIdea idea_025{
    "a cleft with boulders in its wall niches: safe dug from below, deadly from above",
    uses()};
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

// 26: SALZGRUBE
constexpr CaveIdea idea_026{
    "a pyramid of crystals and boulders in an open pit, mined without being buried",
    uses()};
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

// 27: SCHATTENHALLE
constexpr CaveIdea idea_027{
    "a shadowy hall round a mound of dirt on two brick legs: three boulders sit on its crown over the crystals in its heart; mine it from the side, never from below",
    uses()};
constexpr std::string_view cave_027[] = {
    "###########################",
    "#@.................o......#",
    "#.....o.....o..........*..#",
    "#..*......................#",
    "#.......           .......#",
    "#....      o o o      ....#",
    "#..        .....        ..#",
    "#.       .........       .#",
    "#.      ..*.....*..      .#",
    "#.      .....*.....      .#",
    "#.       .........       .#",
    "#..       %     %       ..#",
    "#...      %     %      ...#",
    "#....*...%%%%.%%%%...*....#",
    "#........................X#",
    "###########################",
};
static_assert(walled_rectangle(cave_027));

// 28: QUARZGANG
constexpr CaveIdea idea_028{
    "a dirt corridor snaking through brick, boulders dropping from its ceiling behind the digger",
    uses()};
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

// 29: KOHLESOHLE
constexpr CaveIdea idea_029{
    "three mine levels of boulder carts on crystal pockets, pushed aside in the right order",
    uses()};
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

// 30: SILBERSCHACHT
constexpr CaveIdea idea_030{
    "push a boulder down a mite's shaft and crush it into silver",
    uses(Mechanic::CreaturesCrushed)};
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

// 31: STEINKAMMER
constexpr CaveIdea idea_031{
    "a sealed chamber of crystals, opened by crushing the mite that circles it",
    uses(Mechanic::CreaturesCrushed)};
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

// 32: NASSKLUFT
constexpr CaveIdea idea_032{
    "a plugged funnel of crystals and boulders: pull the plug from below, gather what pours out",
    uses()};
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

// 33: KOHLEKLUFT
constexpr CaveIdea idea_033{
    "two mites crawl a long crack; every cell dug beside it widens their range, and with only three crystals lying a mite must be crushed",
    uses(Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_033[] = {
    "###########################",
    "#@..o.....................#",
    "#.........................#",
    "#..   ...o................#",
    "#....  b ...............o.#",
    "#...*...    ...o.......%%.#",
    "#..........    ...........#",
    "#...........*.    ...o....#",
    "#................ b  .....#",
    "#.o.............*...    ..#",
    "#.%%..o...................#",
    "#..........o..............#",
    "#..........%.............X#",
    "###########################",
};
static_assert(walled_rectangle(cave_033));

// 34: ALTGRUND
constexpr CaveIdea idea_034{
    "old workings at the bottom: three mites crawl a gallery and climb its four shafts; only three crystals lie loose, so snap the plug under a boulder while a mite is in the shaft below",
    uses(Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_034[] = {
    "#########################",
    "#@...........o..........#",
    "#........o..............#",
    "#..............o........#",
    "#...o.... ............*.#",
    "#........ ..... ....o...#",
    "#... .... ..... ........#",
    "#... .... ..*.. .... ...#",
    "#.*. .... .....b.... ...#",
    "#... .... ..... .... ...#",
    "#... .... ..... .... ...#",
    "#... .... ..... .... ...#",
    "#.     b          b    .#",
    "#..%%%%%%%%%%%%%%%%%%%.X#",
    "#########################",
};
static_assert(walled_rectangle(cave_034));

// 35: DONNERSPALT
constexpr CaveIdea idea_035{
    "a rift of stacked mite pockets: one boulder sets off a thunder of crushes down the column",
    uses(Mechanic::CreaturesCrushed)};
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

// 36: STEINGANG
constexpr CaveIdea idea_036{
    "a corridor of nuts and mites under a row of boulders: the two loose crystals and the cracked nuts fall short, so crush a mite",
    uses(Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_036[] = {
    "#############################",
    "#@..........................#",
    "#...........*...............#",
    "#...........................#",
    "#...........................#",
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

// 37: SILBERKLUFT
constexpr CaveIdea idea_037{
    "two columns of nuts in a cleft, each cracked one by one by the single boulder above it",
    uses(Mechanic::NutsCracked)};
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

// 38: SCHATTENSPALT
constexpr CaveIdea idea_038{
    "boulder-and-nut stacks over a mite rift: the loose crystal and cracked nuts fall one short, so a nut must fall on a mite",
    uses(Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_038[] = {
    "#############################",
    "#@..........................#",
    "#.................o.........#",
    "#.*........o................#",
    "#...........................#",
    "#...........................#",
    "#....%...%....%....%...%....#",
    "#....o...o....o....o...o....#",
    "#....n...n....n....n...n....#",
    "#...........................#",
    "#..      b         b      ..#",
    "#...........................#",
    "#.......................o...#",
    "#..o........................#",
    "#..........................X#",
    "#############################",
};
static_assert(walled_rectangle(cave_038));

// 39: SILBERGRUND
constexpr CaveIdea idea_039{
    "three creature cages on the ground, each under a nut and a boulder waiting above a plug; the loose crystals and cracked nuts fall one short, so drop a nut on a creature",
    uses(Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_039[] = {
    "############################",
    "#@.........................#",
    "#..........................#",
    "#...o.......*...........o..#",
    "#...*......................#",
    "#..........................#",
    "#........o.......o.........#",
    "#.......%%%.....%%%........#",
    "#..........................#",
    "#....o.......o.......o...*.#",
    "#....n.......n.......n.....#",
    "#..........................#",
    "#.%%% %%%.%%% %%%.%%% %%%..#",
    "#.%     %.%m    %.%     %..#",
    "#.%b   *%.%     %.%b   *%..#",
    "#.%%%%%%%.%%%%%%%.%%%%%%%.X#",
    "############################",
};
static_assert(walled_rectangle(cave_039));

// 40: DONNERSOHLE
constexpr CaveIdea idea_040{
    "two staircases of nuts, cracked step by step by a boulder tumbling down a mite's band",
    uses(Mechanic::NutsCracked)};
constexpr std::string_view cave_040[] = {
    "##########################",
    "#@.o..................o..#",
    "#... ................ ...#",
    "#..n  ......o.......  n..#",
    "#..%n  ....%%%..... bn%..#",
    "#...%nb ..........  n%...#",
    "#....%n .......... n%....#",
    "#.....%n..........n%.....#",
    "#......%..........%......#",
    "#........................#",
    "#...........*............#",
    "#...............o........#",
    "#.....*..o...............#",
    "#.......................X#",
    "##########################",
};
static_assert(walled_rectangle(cave_040));

// 41: SILBERSTOLLEN
constexpr CaveIdea idea_041{
    "a wisp and a mite race round a ring tunnel about the nut beds; the loose crystals and cracked nuts fall one short, so drop a boulder on one as it passes",
    uses(Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_041[] = {
    "###########################",
    "#@.....o.....o.....o......#",
    "#.........................#",
    "#..      m              ..#",
    "#.. ................... ..#",
    "#.. ................... ..#",
    "#.. ...o...o.*.o...o... ..#",
    "#.. .*...............*. ..#",
    "#.. ...n...n...n...n... ..#",
    "#.. ...%...%...%...%... ..#",
    "#.. .....*.......*..... ..#",
    "#.. ................... ..#",
    "#..              b      ..#",
    "#.........................#",
    "#........................X#",
    "###########################",
};
static_assert(walled_rectangle(cave_041));

// 42: EISENHALLE
constexpr CaveIdea idea_042{
    "a wisp and two mites circle the iron ring round a core of nut sleeves; the cracked nuts and loose crystals fall short, so snap a boulder down a notch onto a creature in the ring",
    uses(Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_042[] = {
    "#############################",
    "#@.........o.....o..........#",
    "#.......o.....o.....o.......#",
    "#.........................*.#",
    "#....... ..... ..... .......#",
    "#...                  b  ...#",
    "#... ....o....o....o.... ...#",
    "#... ...%.%..%.%..%.%... .o.#",
    "#.*. ...%n%..%n%..%n%... ...#",
    "#... ...%.%..%.%..%.%... ...#",
    "#... ................... ...#",
    "#...  b        m         ...#",
    "#.o.........................#",
    "#...............o..........X#",
    "#############################",
};
static_assert(walled_rectangle(cave_042));

// 43: FUNKENGRUBE
constexpr CaveIdea idea_043{
    "the red key at the bottom of a pit opens the green key's vault; green opens the crystals",
    uses(Mechanic::Keys, Mechanic::Doors)};
constexpr std::string_view cave_043[] = {
    "#############################",
    "#@..........................#",
    "#...o..........*............#",
    "#...*.......................#",
    "#...........o...o.......*...#",
    "#......o.%.........%........#",
    "#........%         %..o.....#",
    "#........%         %.......X#",
    "#.%%%%%%.%         %.%%%%%%%#",
    "#.%...*%.%*       *%.%..*.o%#",
    "#.%*...%.%%%     %%%.%.*.*.%#",
    "#.%.o..R.%         %.G..o..%#",
    "#.%.o..%.%         %.%..*..%#",
    "#.%.g.*%.%    o    %.%.*.*.%#",
    "#.%%%%%%.%  * r *  %.%%%%%%%#",
    "#############################",
};
static_assert(walled_rectangle(cave_043));

// 44: SCHATTENKAMMER
constexpr CaveIdea idea_044{
    "the red key lies in a dark mite chamber entered through its roof; red opens the hatch",
    uses(Mechanic::Keys, Mechanic::Doors)};
constexpr std::string_view cave_044[] = {
    "############################",
    "#@.........................#",
    "#.............o.........o..#",
    "#..o..........*.........*..#",
    "#..*.......o....o..........#",
    "#..........................#",
    "#......%%%% %%%% %%%%......#",
    "#......%*          *%......#",
    "#......%%%        %%%......#",
    "#....o.%            %....*.#",
    "#......%   b    b   %o.....#",
    "#......%            %*.....#",
    "#......%            %.%%%%%#",
    "#......% *   r*   * %.%....#",
    "#......%%%%%%%%%%%%%%.R....#",
    "#...*.................%...X#",
    "############################",
};
static_assert(walled_rectangle(cave_044));

// 45: KUPFERKLUFT
constexpr CaveIdea idea_045{
    "two clefts: push each nut under the hammer hanging over it, then let the hammer fall",
    uses(Mechanic::NutsCracked)};
constexpr std::string_view cave_045[] = {
    "##############################",
    "#@...........................#",
    "#.*..........................#",
    "#.....o.....o.....o.....o....#",
    "#............................#",
    "#.   n       n   n       n  .#",
    "#.%%%%%%%%%%%%%%%%%%%%%%%%%%.#",
    "#............................#",
    "#....o.....o.......o.....o...#",
    "#............................#",
    "#.     n n           n n    .#",
    "#.%%%%%%%%%%%%%%%%%%%%%%%%%%.#",
    "#.............o......o.......#",
    "#........o....*............*X#",
    "##############################",
};
static_assert(walled_rectangle(cave_045));

// 46: NASSSTOLLEN
constexpr CaveIdea idea_046{
    "crystal drips over a wet tunnel where a wisp and two mites swim: dig a plug, let them fall; the drips alone are too few",
    uses(Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_046[] = {
    "###########################",
    "#@........................#",
    "#..o......................#",
    "#...........o.............#",
    "#.................o.......#",
    "#.........................#",
    "#...%%%..%%%...%%%..%%%...#",
    "#...%*%..%*%...%*%..%*%...#",
    "#...%*%..%*%...%*%..%*%...#",
    "#.........................#",
    "#.    m              b   .#",
    "#.            b          .#",
    "#.%%%%%%%%%%%%%%%%%%%%%%%.#",
    "#.........................#",
    "#......o............o.....#",
    "#........................X#",
    "###########################",
};
static_assert(walled_rectangle(cave_046));

// 47: STEINSPALT
constexpr CaveIdea idea_047{
    "boulders fed into shifter rifts: one shifter makes crystals, two make stars",
    uses(Mechanic::Shifters, Mechanic::NutsCracked)};
constexpr std::string_view cave_047[] = {
    "############################",
    "#@....%o%..........%o%.....#",
    "#.....%o%..........%o%.....#",
    "#.....%o%..........%o%.....#",
    "#.....%............%.......#",
    "#.....% %..........% %.....#",
    "#.....%W%....o.....% %.....#",
    "#.....% %..........% %.....#",
    "#.....%W%....n.....%W%...o.#",
    "#.....% %..o.......% %.....#",
    "#.....% %..........% %...n.#",
    "#.....% %..+.......% %.....#",
    "#..*..% ...........% ......#",
    "#......%%......*....%%.....#",
    "#.........................X#",
    "############################",
};
static_assert(walled_rectangle(cave_047));

// 48: FUNKENSOHLE
constexpr CaveIdea idea_048{
    "a mite gallery holds the red key; below, the red door closes the hatch room, its stars under loose boulders",
    uses(Mechanic::Keys, Mechanic::Doors)};
constexpr std::string_view cave_048[] = {
    "#############################",
    "#@..........................#",
    "#...........o..o......o.....#",
    "#...........................#",
    "#..               b       ..#",
    "#..     b   n  n         r..#",
    "#..%%%%%%%%%%%%%%%%%%%%%%%..#",
    "#...........................#",
    "#.*.........................#",
    "#......%%%%%%%%%%%%%%%......#",
    "#..o...%....o...o....%....*.#",
    "#......%..o.......o..%......#",
    "#......R.............%..o...#",
    "#...*..%.+..+...+..+X%......#",
    "#......%%%%%%%%%%%%%%%......#",
    "#############################",
};
static_assert(walled_rectangle(cave_048));

// 49: WURZELKAMMER
constexpr CaveIdea idea_049{
    "root tunnels of mites and a wisp around the sealed chamber of stars that holds the hatch; the red key at a root tip",
    uses(Mechanic::Keys, Mechanic::Doors)};
constexpr std::string_view cave_049[] = {
    "###############################",
    "#@............................#",
    "#............o. .o............#",
    "#..*...........b...........*..#",
    "#.............. ..............#",
    "#.........o.       .o.........#",
    "#........... ..... ...........#",
    "#......o.       ..    .o......#",
    "#........ ..... ..... ........#",
    "#..... b  ...........  m .....#",
    "#..... .. ..%%%R%%%.. .. .....#",
    "#..... .. ..%.....%.. .. .....#",
    "#...r  .. ..%..o..%.. ..  *...#",
    "#........ ..%.*.*.%.. ........#",
    "#........*..%....X%..*........#",
    "#.*.........%+.+.+%...........#",
    "#...........%%%%%%%...........#",
    "###############################",
};
static_assert(walled_rectangle(cave_049));

}  // namespace

const LevelEntry levels_districts_a[27] = {
    {"FUNKENSPALT", cave_023, 6, 1500, idea_023},
    {"NEBELSTOLLEN", cave_024, 8, 1500, idea_024},
    {"TIEFKLUFT", cave_025, 6, 1500, idea_025},
    {"SALZGRUBE", cave_026, 9, 1500, idea_026},
    {"SCHATTENHALLE", cave_027, 6, 1500, idea_027},
    {"QUARZGANG", cave_028, 8, 1500, idea_028},
    {"KOHLESOHLE", cave_029, 8, 1500, idea_029},
    {"SILBERSCHACHT", cave_030, 7, 1500, idea_030},
    {"STEINKAMMER", cave_031, 8, 1500, idea_031},
    {"NASSKLUFT", cave_032, 7, 1500, idea_032},
    {"KOHLEKLUFT", cave_033, 7, 1500, idea_033},
    {"ALTGRUND", cave_034, 5, 1500, idea_034},
    {"DONNERSPALT", cave_035, 8, 1500, idea_035},
    {"STEINGANG", cave_036, 9, 1500, idea_036},
    {"SILBERKLUFT", cave_037, 9, 1500, idea_037},
    {"SCHATTENSPALT", cave_038, 7, 1500, idea_038},
    {"SILBERGRUND", cave_039, 9, 1500, idea_039},
    {"DONNERSOHLE", cave_040, 7, 1500, idea_040},
    {"SILBERSTOLLEN", cave_041, 10, 1500, idea_041},
    {"EISENHALLE", cave_042, 8, 1500, idea_042},
    {"FUNKENGRUBE", cave_043, 13, 1500, idea_043},
    {"SCHATTENKAMMER", cave_044, 9, 1500, idea_044},
    {"KUPFERKLUFT", cave_045, 8, 1500, idea_045},
    {"NASSSTOLLEN", cave_046, 10, 1500, idea_046},
    {"STEINSPALT", cave_047, 14, 1500, idea_047},
    {"FUNKENSOHLE", cave_048, 13, 1500, idea_048},
    {"WURZELKAMMER", cave_049, 12, 1500, idea_049},
};

}  // namespace korvedan
