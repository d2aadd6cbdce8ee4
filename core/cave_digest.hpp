// A fixed 64-bit digest of a cave's state, for telling caves and states apart.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/cave.hpp"

namespace korvedan {

// FNV-1a over bytes: fixed for every build and machine, so a digest can be written into a file.
inline constexpr std::uint64_t digest_start = 0xcbf29ce484222325ull;

inline void digest_bytes(std::uint64_t& hash, std::string_view bytes) {
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  }
}

template <class T>
void digest_value(std::uint64_t& hash, T value) {
  std::array<char, sizeof(T)> bytes;
  std::memcpy(bytes.data(), &value, sizeof(T));
  digest_bytes(hash, std::string_view(bytes.data(), bytes.size()));
}

// Every cell, mark, digger and counter of the cave, into `hash`.
void digest_cave(std::uint64_t& hash, const Cave& cave);

// The digest of the cave alone: a recorded run keeps that of the cave it started from.
std::uint64_t cave_digest(const Cave& cave);

}  // namespace korvedan
