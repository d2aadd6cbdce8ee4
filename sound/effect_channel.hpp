// The effect numbers' way from the game to the audio thread: many senders, one receiver that
// never waits.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "sound/sound_effect.hpp"

namespace korvedan {

// Senders push onto a lock-free list; the receiver takes the whole list with one exchange and
// hands the used nodes back on a second list, so the audio thread neither locks, allocates nor
// frees. Senders take their nodes from those handed back (under a lock of their own, which the
// receiver never touches) and allocate only when none is spare, so once the game runs a send
// allocates nothing.
class EffectChannel {
 public:
  // Starts with `spare_nodes` nodes ready: several frames of a busy cave's effects.
  explicit EffectChannel(std::size_t spare_nodes = 64);
  EffectChannel(const EffectChannel&) = delete;
  EffectChannel& operator=(const EffectChannel&) = delete;
  ~EffectChannel();

  // Any thread (the audio thread only receives). Never fails short of running out of memory.
  void send(SoundEffect effect);

  // The one receiving thread: calls on_effect for every effect sent so far, oldest first.
  template <class OnEffect>
  void receive_all(OnEffect&& on_effect) {
    Node* newest_first = pending_.exchange(nullptr, std::memory_order_acquire);
    if (newest_first == nullptr) return;
    Node* oldest_first = reverse(newest_first);
    Node* last = oldest_first;
    for (Node* n = oldest_first; n != nullptr; n = n->next) {
      on_effect(n->effect);
      last = n;
    }
    give_back(oldest_first, last);
  }

 private:
  struct Node {
    Node* next;
    SoundEffect effect;
  };

  static Node* reverse(Node* list);
  static void free_list(Node* list);
  // Puts the chain first … last onto the used list.
  void give_back(Node* first, Node* last);
  // A node for the next send: a spare one, else one the receiver handed back, else a new one.
  Node* take_node();

  std::atomic<Node*> pending_{nullptr};
  std::atomic<Node*> used_{nullptr};
  std::mutex spare_lock_;  // the senders' only
  Node* spare_ = nullptr;  // nodes taken back from used_, under spare_lock_
};

}  // namespace korvedan
