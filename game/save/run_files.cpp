// Finding, reading and replacing the run files beside the save.
#include "game/save/run_files.hpp"

#include <fstream>
#include <sstream>
#include <system_error>

#include "core/stored_runs.hpp"
#include "game/save/durable_file.hpp"

namespace korvedan {

namespace fs = std::filesystem;

namespace {

struct FileText {
  RunLookup::Kind kind = RunLookup::Kind::Missing;
  std::string text;
  std::string error;
};

FileText read_file(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error) {
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) return {};
    return {RunLookup::Kind::Unreadable, {}, error.message()};
  }
  if (!fs::is_regular_file(status)) return {RunLookup::Kind::Unreadable, {}, "not a file"};
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) return {RunLookup::Kind::Unreadable, {}, "the file cannot be read"};
  return {RunLookup::Kind::Read, std::move(text).str(), {}};
}

}  // namespace

std::string run_file_name(std::size_t cave_index, Difficulty difficulty, int players) {
  std::string name = stored_run_name(cave_index, difficulty);  // the stored run's, "001-normal.txt"
  name.insert(name.size() - 4, "-" + std::to_string(players) + "p");
  return name;
}

RunFiles::RunFiles(const std::optional<fs::path>& save, std::ostream& errors) : errors_(&errors) {
  if (save) folder_ = save->parent_path() / "runs";
}

std::optional<fs::path> RunFiles::path_of(std::uint64_t slot, std::size_t cave_index, Difficulty difficulty,
                                          int players) const {
  if (!folder_) return std::nullopt;
  return *folder_ / std::to_string(slot) / run_file_name(cave_index, difficulty, players);
}

RunLookup RunFiles::find(std::uint64_t slot, std::size_t cave_index, Difficulty difficulty, int players) const {
  const std::optional<fs::path> path = path_of(slot, cave_index, difficulty, players);
  if (!path) return {};
  FileText file = read_file(*path);
  if (file.kind != RunLookup::Kind::Read) {
    if (file.kind == RunLookup::Kind::Unreadable) {
      *errors_ << "run could not be read (" << path->string() << ": " << file.error << ")\n";
    }
    return {file.kind, {}};
  }
  Result<RecordedRun> run = parse_recorded_run(file.text);
  if (!run) {
    *errors_ << "run could not be read (" << path->string() << ": " << run.error() << ")\n";
    return {RunLookup::Kind::Unreadable, {}};
  }
  return {RunLookup::Kind::Read, std::move(run).value()};
}

bool RunFiles::keep(std::uint64_t slot, const RunHeader& header, const std::vector<TickInputs>& inputs) const {
  const std::optional<fs::path> path = path_of(slot, header.cave_index, header.difficulty, header.players);
  if (!path) {
    *errors_ << "could not save: no place to save\n";
    return false;
  }
  // The run kept stays when it scored as much on today's cave; a damaged one, or one of an
  // older version of the cave, is of no use any more.
  const FileText old = read_file(*path);
  if (old.kind == RunLookup::Kind::Read) {
    const Result<RecordedRun> kept = parse_recorded_run(old.text);
    if (kept && kept.value().header.cave_hash == header.cave_hash && kept.value().header.score >= header.score) {
      return true;
    }
  }
  const auto fail = [&](const std::error_code& error) {
    *errors_ << "could not save: " << path->string() << ": " << error.message() << '\n';
    return false;
  };
  std::error_code error;
  fs::create_directories(path->parent_path(), error);
  if (error) return fail(error);
  fs::path temporary = *path;
  temporary += ".tmp";
  if (const std::error_code written = replace_file(*path, temporary, format_recorded_run(header, inputs))) {
    return fail(written);
  }
  return true;
}

}  // namespace korvedan
