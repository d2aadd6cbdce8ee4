// Caves 83 to 90: the deep districts, every mechanic combined.
#include "core/levels_data.hpp"

namespace korvedan {

namespace {

// 83: SALZGANG — a dripping salt corridor lined with salt blocks: a stick cracks each one, the red key's block opens the store by the hatch
constexpr std::string_view cave_083[] = {
    "##################################",
    "#@....o.....*....d....o..........#",
    "#..*......o..o.......*.....o..d..#",
    "#......d.....o...........*.......#",
    "#.....d...*.....o......o....*....#",
    "#%.%%%%%%^%%%%%^%%%%%%^%%%%^%%%..#",
    "#                              ..#",
    "#  %%%%%  %%%%%  %%%%%  %%%%%  ..#",
    "#  %+*+%  %*r*%  %+*+%  %+*+%  ..#",
    "#  %%%%%  %%%%%  %%%%%  %%%%%  ..#",
    "#%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%..#",
    "#....*.....o............#####....#",
    "#..o..........d.....o...#*+*#....#",
    "#.........*.............R+*+#....#",
    "#......o.....o......*...#*+*#....#",
    "#.................o.....#####....#",
    "#...o.....*......................#",
    "#....................o..........X#",
    "##################################",
};
static_assert(walled_rectangle(cave_083));

// 84: NEBELGRUND — the fog lies in a brick tray: drop the nut stacks into its two vents before it seeps out, wait for it to set, then push a boulder aside and climb in; a mite guards its cage
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
    "#..........%~...~.~....%.......*..#",
    "#..........%%%%%%%%%%%%%..........#",
    "#.................................#",
    "#..o...............o.............X#",
    "###################################",
};
static_assert(walled_rectangle(cave_084));

}  // namespace

const LevelEntry levels_districts_d[8] = {
    {"SALZGANG", cave_083, 33, 1500},
    {"NEBELGRUND", cave_084, 14, 1500},
    {"KOHLEGRUND", {}, 14, 1500},
    {"SILBERSPALT", {}, 33, 1500},
    {"SALZKAMMER", {}, 22, 1500},
    {"TIEFSCHACHT", {}, 33, 1500},
    {"SCHATTENGANG", {}, 31, 1500},
    {"WURZELKLUFT", {}, 21, 1500},
};

}  // namespace korvedan
