// The players' best runs, kept beside the save: korvedan/runs/<slot>/001-normal-1p.txt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/recorded_run.hpp"

namespace korvedan {

// "001-normal-1p.txt": the cave's number in three digits, the difficulty, the players.
std::string run_file_name(std::size_t cave_index, Difficulty difficulty, int players);

struct RunLookup {
  enum class Kind { Missing, Read, Unreadable } kind = Kind::Missing;
  RecordedRun run;  // when Read
};

class RunFiles {
 public:
  // The runs folder beside the save file `save` ("runs" in the save's folder); without a save
  // path there is no place to keep runs.
  RunFiles(const std::optional<std::filesystem::path>& save, std::ostream& errors);

  // Where profile `slot` keeps its run; none without a place.
  std::optional<std::filesystem::path> path_of(std::uint64_t slot, std::size_t cave_index, Difficulty difficulty,
                                               int players) const;

  // The profile's run; a file that cannot be read or is damaged is said on the error stream.
  RunLookup find(std::uint64_t slot, std::size_t cave_index, Difficulty difficulty, int players) const;

  // Writes the run (whole, through a temporary file renamed over the old one) unless the run
  // kept scored as much on the same cave. A run that cannot be written is said on the error
  // stream like a save that cannot be written, and false is returned.
  bool keep(std::uint64_t slot, const RunHeader& header, const std::vector<TickInputs>& inputs) const;

 private:
  std::optional<std::filesystem::path> folder_;
  std::ostream* errors_;
};

}  // namespace korvedan
