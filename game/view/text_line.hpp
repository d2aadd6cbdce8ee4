// One line of screen text built in place: the screens redraw their texts every frame, and a
// frame must not reach for the heap.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvedan {

class TextLine {
 public:
  TextLine() = default;
  explicit TextLine(std::string_view text) { *this << text; }

  // More than fits on the screen is cut off.
  TextLine& operator<<(std::string_view text) {
    const std::size_t n = std::min(text.size(), text_.size() - size_);
    text.copy(text_.data() + size_, n);
    size_ += n;
    return *this;
  }
  TextLine& operator<<(const char* text) { return *this << std::string_view(text); }
  template <std::unsigned_integral T>
  TextLine& operator<<(T number) {
    return padded(number, 0);
  }
  // A number with leading zeros up to `digits` digits (longer numbers are written whole).
  TextLine& padded(std::uint64_t number, int digits) {
    std::array<char, 20> digits_text{};
    const auto end = std::to_chars(digits_text.data(), digits_text.data() + digits_text.size(), number).ptr;
    const auto length = static_cast<int>(end - digits_text.data());
    for (int i = length; i < digits; ++i) *this << "0";
    return *this << std::string_view(digits_text.data(), static_cast<std::size_t>(length));
  }

  std::string_view view() const { return {text_.data(), size_}; }
  operator std::string_view() const { return view(); }

 private:
  std::array<char, 96> text_{};
  std::size_t size_ = 0;
};

}  // namespace korvedan
