// The advisory lock's ownership, the same on every system.
#include "game/save/durable_file.hpp"

#include <utility>

namespace korvedan {

FileLock::~FileLock() { release(); }

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), state_(std::exchange(other.state_, State::Unavailable)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    release();
    handle_ = std::exchange(other.handle_, -1);
    state_ = std::exchange(other.state_, State::Unavailable);
  }
  return *this;
}

}  // namespace korvedan
