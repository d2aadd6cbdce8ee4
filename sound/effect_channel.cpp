// The effect channel's lists: pushing, reversing and handing nodes back.
#include "sound/effect_channel.hpp"

namespace korvedan {

EffectChannel::~EffectChannel() {
  free_list(pending_.load());
  free_list(used_.load());
}

void EffectChannel::send(SoundEffect effect) {
  // Nodes the receiver is done with are freed here, on a sending thread.
  free_list(used_.exchange(nullptr, std::memory_order_acquire));
  Node* node = new Node{pending_.load(std::memory_order_relaxed), effect};
  while (!pending_.compare_exchange_weak(node->next, node, std::memory_order_release,
                                         std::memory_order_relaxed)) {
  }
}

EffectChannel::Node* EffectChannel::reverse(Node* list) {
  Node* reversed = nullptr;
  while (list != nullptr) {
    Node* next = list->next;
    list->next = reversed;
    reversed = list;
    list = next;
  }
  return reversed;
}

void EffectChannel::free_list(Node* list) {
  while (list != nullptr) {
    Node* next = list->next;
    delete list;
    list = next;
  }
}

void EffectChannel::give_back(Node* first, Node* last) {
  // Only whole-list exchanges take from this list, so a plain push has no ABA problem.
  last->next = used_.load(std::memory_order_relaxed);
  while (!used_.compare_exchange_weak(last->next, first, std::memory_order_release,
                                      std::memory_order_relaxed)) {
  }
}

}  // namespace korvedan
