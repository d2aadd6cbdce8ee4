// A value or a message saying why there is none: how recoverable errors travel.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace korvedan {

struct Failure {
  std::string message;
};

template <class T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Failure failure) : state_(std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  const std::string& error() const { return std::get<1>(state_).message; }

 private:
  std::variant<T, Failure> state_;
};

}  // namespace korvedan
