// Caves 91 to 100: the deepest districts, the hardest before the showpieces.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 91: ALTKESSEL
constexpr CaveIdea idea_091{
    "an old cauldron: a brick bowl with a dripping overhang at each lip; eight stars sit in its thick walls and floor, and a stick lit inside the bowl tips each one out, for the dirt around holds far too few crystals",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_091[] = {
    "##################################",
    "#@....*.....d...d.....d.....*....#",
    "#.d.......o..........o..........d#",
    "#..%%%......................%%%..#",
    "#..%%%%%^                ^%%%%%..#",
    "#..%%%                      %%%..#",
    "#.*.%+%                    %+%...#",
    "#...%%%                    %%%.*.#",
    "#....%+%                  %+%....#",
    "#.....%%%                %%%..o..#",
    "#*.....%+%              %+%......#",
    "#.......%%%            %%%.......#",
    "#........%%%          %%%.......*#",
    "#.o......%%%%%%%%%%%%%%%%........#",
    "#........%%%%%+%%%%+%%%%%........#",
    "#........%%%%%%%%%%%%%%%%.o......#",
    "#...*.d.o.............*..........#",
    "#...........*....d..........*...X#",
    "##################################",
};
static_assert(walled_rectangle(cave_091));

// 92: DONNERGANG
constexpr CaveIdea idea_092{
    "a thunder road: two lines of dynamite run between the star pockets of a brick gallery; light each line at its end, one at the foot of a dripping shaft, and the chain blasts the pockets open",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_092[] = {
    "#####################################",
    "#@...........*....................^.#",
    "#.....*........d....o.........*... .#",
    "#.........o.............*......... .#",
    "#................*..........o....# .#",
    "#................................# .#",
    "#...%%%^%%%^%%%^%%%^%%%^%%%^%%%%%# .#",
    "#...%%%+%%%+%%%+%%%+%%%+%%%+%%%%%# .#",
    "#...%%%%%%%%%%%%%%#%%%%%%%%%%%%%%# .#",
    "#....ddddddddddddd#ddddddddddddd.  .#",
    "#...%%%%%%%%%%%%%%#%%%%%%%%%%%%%%# .#",
    "#...%%%%%*%%%*%%%*%%%*%%%*%%%*%%%# .#",
    "#...%%%%%%%%%%%%%%%%%%%%%%%%%%%%%# .#",
    "#................................# .#",
    "#..............................*.. .#",
    "#..*................*...............#",
    "#.......o.............d.......o.....#",
    "#...........*...........o...........#",
    "#...........................*.......#",
    "#..................................X#",
    "#####################################",
};
static_assert(walled_rectangle(cave_092));

// 93: EISENKESSEL
constexpr CaveIdea idea_093{
    "an iron cauldron under a dripping lid: a stick frees the green key from its vault, green opens the cauldron's side, the red key at its far end opens the hatch room",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_093[] = {
    "####################################",
    "#@.....*......d.............*.....*#",
    "#..*......o.......*.......o........#",
    "#.......*....................*.o...#",
    "#.....########^^^^^^^^^^^^#####....#",
    "#..*...#                      #..*.#",
    "#.......#                    #.....#",
    "#...o....#                  #......#",
    "#.........#                #.......#",
    "#..*.......#              #....o...#",
    "#..........G*+*+*+*+*+*+*r#........#",
    "#.....o.....##############...*.....#",
    "#..............d...................#",
    "#...%%%%%..........................#",
    "#...%g+%%....*.......o.....#####...#",
    "#...%%%%%..............*...#...#...#",
    "#..*.........o.............R...#...#",
    "#..........*...............#..X#...#",
    "####################################",
};
static_assert(walled_rectangle(cave_093));

// 94: KUPFERFLOEZ
constexpr CaveIdea idea_094{
    "a copper seam in four layers parted by steel; each layer's key lies in a brick vault with its stars, and a stick opens the way to the door below",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite)};
constexpr std::string_view cave_094[] = {
    "###################################",
    "#@....*.......o........*.....d....#",
    "#.........*.......*.........o.....#",
    "#..%%%%%...........o....%%%%%.....#",
    "#..%r+*%....d....*......%+*+%..*..#",
    "#..%%%%%....o...........%%%%%.....#",
    "###############################R###",
    "#....*.............*.........*....#",
    "#..*.....%%%%%.......%%%%%.....o..#",
    "#.....d..%+*+%...o...%g*+%..d.....#",
    "#...o....%%%%%.o.....%%%%%........#",
    "##G################################",
    "#.....*......o........*.......*...#",
    "#..%%%%%...........o.....%%%%%....#",
    "#..%+*+%...d....*...d....%y+*%....#",
    "#..%%%%%....*............%%%%%..*.#",
    "#################################Y#",
    "#....*.......o.......*......o.....#",
    "#..*......o.......*......*.....o..#",
    "#.............o.........*........X#",
    "###################################",
};
static_assert(walled_rectangle(cave_094));

// 95: WURZELSCHACHT
constexpr CaveIdea idea_095{
    "roots fill a sealed brick shaft over a box of a mite and a wisp and set into crystals; grab the red key from under its bomb, take the stick from the cellar behind the red door and blast the shaft's foot once the roots have set: its crystals roll out onto the creatures below, and the hatch asks for one of them crushed",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::MossSet, Mechanic::CreaturesCrushed)};
constexpr std::string_view cave_095[] = {
    "######################################",
    "#@...................................#",
    "#............................%%%.....#",
    "#..............%%%%..........%q%.....#",
    "#..............%~~%...........r......#",
    "#..............%  %..........% %.....#",
    "#..............%  %..........% %.....#",
    "#..............%  %..........% %.....#",
    "#..............%  %..........%+%.....#",
    "#..............%  %..........%%%.....#",
    "#...........%%%%%%%%%%...............#",
    "#.......*...%        %...............#",
    "#.%%%%%.....% b    m %.....o......*..#",
    "#.%.d.R.....%        %...............#",
    "#.%...%.....%%%%%%%%%%.....n.....o...#",
    "#.%%%%%..o...........................#",
    "#.......................*............#",
    "#...................................X#",
    "######################################",
};
static_assert(walled_rectangle(cave_095));

// 96: TIEFGANG
constexpr CaveIdea idea_096{
    "a deep corridor winds down through brick in five legs; each turn runs beside a dripping shaft, so the drops fall past the digger; star pockets sealed in its floors are blasted open one by one, the red key lies in the deepest, the door before the hatch",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_096[] = {
    "###################################",
    "#@....d.....*....o..*......*......#",
    "#%.%%%%%%%%%%%%%%%%%%%%%%%%%%%%%^%#",
    "#%  .         d    *     .  d    %#",
    "#%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%  %#",
    "#%%%%%%%+*+%%%%%%%%%%+*+%%%%%%%  %#",
    "#%^%%%%%%%%%%%%%%%%%%%%%%%%%%%%  %#",
    "#%   d     *    .  *     d       %#",
    "#%  %%%%%%%%%%%%%%%%%%%%%%%%%%%%%%#",
    "#%  %%%%%%%%%%+*+%%%%%%%%%+*+%%%%%#",
    "#%  %%%%%%%%%%%%%%%%%%%%%%%%%%%%^%#",
    "#%       .  d       *   d   .    %#",
    "#%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%  %#",
    "#%%%%%%+*+%%%%%%%%%+r+%%%%%%%%%  %#",
    "#%^%%%%%%%%%%%%%%%%%%%%%%%%%%%%  %#",
    "#%    *    .    d      .     d*  %#",
    "#%  %%%%%%%%%%%%%%%%%%%%%%%%%%%%%%#",
    "#%  %%%%%%%%%%%%%%%%%%%%%%%%%%%%%.#",
    "#%    .   *   *         *     R..X#",
    "###################################",
};
static_assert(walled_rectangle(cave_096));

// 97: NEBELKESSEL
constexpr CaveIdea idea_097{
    "a cauldron of fog: drips rain from its ceiling past stars set on pegs; a stick breaks the brick case of the red key on its floor, and red opens the steel store beneath, without which the crystals fall short",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_097[] = {
    "######################################",
    "#@....*......o........*..............#",
    "#.........d....*.....................#",
    "#.......................o............#",
    "#...%%%^%%^%%^%%^%%^%%^%%^%%^%%%%%...#",
    "#...%                            %...#",
    "#.*.%                            %...#",
    "#....    +        o        +     ....#",
    "#...%   %%%      %%%      %%%    %...#",
    "#.o.%                            %...#",
    "#...%        +    o    +         %%%.#",
    "#...%       %%%  %%%  %%%        %+%.#",
    "#.d.%                            %%%.#",
    "#...%   +         +         +    %...#",
    "#...%  %%%  %%%  %%%       %%%   %...#",
    "#...%       %r%                  %.o.#",
    "#...%%%%%%%%#############%%%%%%%%%...#",
    "#.*.........#############............#",
    "#...........R *+**+**+* #...*........#",
    "#.......*...#############...........X#",
    "######################################",
};
static_assert(walled_rectangle(cave_097));

// 98: QUARZSOHLE
constexpr CaveIdea idea_098{
    "a quartz level under a dripping roof: six stars lie sealed in the brick floor of the wet gallery; walk the gallery three cells below the drips and light a stick over each seal, for the dirt holds far too few crystals",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_098[] = {
    "###################################",
    "#@.........*............*.........#",
    "#.......d...........d..........d..#",
    "#....o...........o...........o....#",
    "#.............d...........d.......#",
    "#.................................#",
    "#..%%%%%%%%%%%%%%%%%%%%%%%%%%%%%..#",
    "#..%^^^%^^^%^^^%^^^%^^^%^^^%^^^%..#",
    "#..                             ..#",
    "#..                             ..#",
    "#..                             ..#",
    "#..%%%%%%%%%%%%%%%%%%%%%%%%%%%%%..#",
    "#.*%%%%+%%%+%%%+%%%+%%%+%%%+%%%%..#",
    "#..%%%%%%%%%%%%%%%%%%%%%%%%%%%%%..#",
    "#...........*...............*.....#",
    "#...d.....o.......................#",
    "#................*................#",
    "#.....................o..........X#",
    "###################################",
};
static_assert(walled_rectangle(cave_098));

// 99: STEINHALLE
constexpr CaveIdea idea_099{
    "a hall of brick pillars under a dripping roof: each pillar seals two stars under a boulder cap; a stick lit beside the cap blows cap and seal away, and the dirt floor alone holds far too few crystals",
    uses(Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_099[] = {
    "#####################################",
    "#@.......*..d.............d...*.....#",
    "#.....d............d.............d..#",
    "#%.%^%^%^%^%^%^%^%^%^%^%^%^%^%^%^%%%#",
    "#                                   #",
    "#                                   #",
    "#                  o                #",
    "#          o      %%%    o          #",
    "#    o    %%%     %+%   %%%    o    #",
    "#   %%%   %+%     %+%   %+%   %%%   #",
    "#   %+%   %+%     %%%   %+%   %+%   #",
    "#   %+%   %%%     %%%   %%%   %+%   #",
    "#   %%%   %%%     %%%   %%%   %%%   #",
    "#   %%%   %%%     %%%   %%%   %%%   #",
    "#...................................#",
    "#..*......o..........o........*.....#",
    "#...................................#",
    "#......o......*..........o..........#",
    "#...................................#",
    "#...*......o........o..............X#",
    "#####################################",
};
static_assert(walled_rectangle(cave_099));

// 100: EISENSOHLE
constexpr CaveIdea idea_100{
    "iron floors part four mine levels; blast the plugs, cross the dripping galleries, unlock the bottom",
    uses(Mechanic::Keys, Mechanic::Doors, Mechanic::Dynamite, Mechanic::Ooze)};
constexpr std::string_view cave_100[] = {
    "######################################",
    "#@.....d......o........*.............#",
    "#...*......o.*......o.......*....*...#",
    "#.......*.........*.....o.....d.o....#",
    "#..o..*......o........*............*.#",
    "#####^^^###^^^###^^^###^^^#######%####",
    "#...                         ....*...#",
    "#.r.                         ........#",
    "#...                         ........#",
    "#... * *   * *   * * d * *   ........#",
    "###%##################################",
    "#..*..o.........d..........o..*......#",
    "#..........oo.......oo.......d..o....#",
    "#.......%%%%%.......%%%%%............#",
    "#.......%+++%...o...%+++%.......*....#",
    "############################^^^^^^R###",
    "#........o.....+.....o......        .#",
    "#...*......*..........*..o..        .#",
    "#.....o......*.....+......*.        .#",
    "#........................... * *    X#",
    "######################################",
};
static_assert(walled_rectangle(cave_100));

}  // namespace

const LevelEntry levels_districts_e[10] = {
    {"ALTKESSEL", cave_091, 24, 1500, idea_091},
    {"DONNERGANG", cave_092, 24, 1500, idea_092},
    {"EISENKESSEL", cave_093, 31, 1500, idea_093},
    {"KUPFERFLOEZ", cave_094, 39, 1500, idea_094},
    {"WURZELSCHACHT", cave_095, 17, 1500, idea_095},
    {"TIEFGANG", cave_096, 40, 1500, idea_096},
    {"NEBELKESSEL", cave_097, 32, 1500, idea_097},
    {"QUARZSOHLE", cave_098, 17, 1500, idea_098},
    {"STEINHALLE", cave_099, 21, 1500, idea_099},
    {"EISENSOHLE", cave_100, 41, 1500, idea_100},
};

}  // namespace korvedan
