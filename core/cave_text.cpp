// Cells back to letters, for tools, tests and anyone reading a cave at the terminal.
#include "core/cave_text.hpp"

namespace korvedan {

char cell_letter(Cell cell) {
  switch (cell.kind) {
    case CellKind::Empty: return ' ';
    case CellKind::Dirt: return '.';
    case CellKind::Brick: return '%';
    case CellKind::Steel: return '#';
    case CellKind::Boulder: return 'o';
    case CellKind::Crystal: return '*';
    case CellKind::Star: return '+';
    case CellKind::Nut: return 'n';
    case CellKind::Bomb: return 'q';
    case CellKind::Bigbomb: return 'Q';
    case CellKind::Digger: return cell.param == 0 ? '@' : '2';
    case CellKind::Hatch: return 'X';
    case CellKind::Mite: return 'b';
    case CellKind::Wisp: return 'm';
    case CellKind::Gobbler: return 'c';
    case CellKind::Blast: return '!';
    case CellKind::Dynamite: return 'd';
    case CellKind::Fuse: return 'f';
    case CellKind::Key: return "rgy"[cell.param % 3];
    case CellKind::Door: return "RGY"[cell.param % 3];
    case CellKind::Shifter: return 'W';
    case CellKind::Moss: return '~';
    case CellKind::Ooze: return '^';
    case CellKind::Drop: return ',';
    case CellKind::TimedShifter: return 'V';
    case CellKind::GemWall: return 'E';
    case CellKind::Lamp: return (cell.param & 1) != 0 ? 'l' : 'L';
    case CellKind::Robot: return 'k';
    case CellKind::Wheel: return 'O';
    case CellKind::Hidden: return 'I';
    case CellKind::Switch: return 'S';
    case CellKind::Acid: return 'A';
  }
  return '?';
}

std::vector<std::string> cave_rows(const Cave& cave) {
  std::vector<std::string> rows;
  for (std::int32_t y = 0; y < cave.height; ++y) {
    std::string row;
    for (std::int32_t x = 0; x < cave.width; ++x) row += cell_letter(cell_at(cave, x, y));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace korvedan
