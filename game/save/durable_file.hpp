// Writing a file so that it is on the disk, not just in a cache, before it is used.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace korvedan {

// Creates or truncates the file, writes the text and forces it to disk; an error code on
// failure (the file may then be left half written).
std::error_code write_file_to_disk(const std::filesystem::path& path, std::string_view text);

// Forces a directory's entries (such as a just renamed file) to disk, where the system
// allows it; failures are ignored, the rename itself has already happened.
void flush_directory(const std::filesystem::path& directory);

}  // namespace korvedan
