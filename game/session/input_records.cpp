// The pad's text form and the lock around the pad list shared with the Pro Controller thread.
#include "game/session/input_records.hpp"

#include <utility>

namespace korvedan {

namespace {

const char* dir_text(Dir dir) {
  switch (dir) {
    case Dir::Up: return "Some(Up)";
    case Dir::Right: return "Some(Right)";
    case Dir::Down: return "Some(Down)";
    case Dir::Left: return "Some(Left)";
    case Dir::None: break;
  }
  return "None";
}

const char* flag_text(bool flag) { return flag ? "true" : "false"; }

}  // namespace

std::string to_string(const PadState& pad) {
  std::string text = "PadState { dir: ";
  text += dir_text(pad.dir);
  text += ", face: ";
  text += flag_text(pad.face);
  text += ", start: ";
  text += flag_text(pad.start);
  text += ", select: ";
  text += flag_text(pad.select);
  text += ", drop: ";
  text += flag_text(pad.drop);
  text += " }";
  return text;
}

std::ostream& operator<<(std::ostream& out, const PadState& pad) { return out << to_string(pad); }

std::vector<PadState> SharedPadList::copy() const {
  std::lock_guard guard(lock_);
  return pads_;
}

void SharedPadList::copy_into(std::vector<PadState>& pads) const {
  std::lock_guard guard(lock_);
  pads.assign(pads_.begin(), pads_.end());
}

void SharedPadList::replace(std::vector<PadState> pads) {
  std::vector<PadState> old;
  {
    std::lock_guard guard(lock_);
    old = std::exchange(pads_, std::move(pads));
  }
  // The old list is freed outside the lock.
}

SharedPads make_shared_pads() { return std::make_shared<SharedPadList>(); }

}  // namespace korvedan
