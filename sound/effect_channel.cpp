// The effect channel's lists: pushing, reversing and handing nodes back.
#include "sound/effect_channel.hpp"

namespace korvedan {

EffectChannel::EffectChannel(std::size_t spare_nodes) {
  for (std::size_t i = 0; i < spare_nodes; ++i) spare_ = new Node{spare_, SoundEffect{}};
}

EffectChannel::~EffectChannel() {
  free_list(pending_.load());
  free_list(used_.load());
  free_list(spare_);
}

EffectChannel::Node* EffectChannel::take_node() {
  const std::lock_guard<std::mutex> hold(spare_lock_);
  if (spare_ == nullptr) spare_ = used_.exchange(nullptr, std::memory_order_acquire);
  if (spare_ == nullptr) return new Node{nullptr, SoundEffect{}};
  Node* node = spare_;
  spare_ = node->next;
  return node;
}

void EffectChannel::send(SoundEffect effect) {
  Node* node = take_node();
  node->effect = effect;
  node->next = pending_.load(std::memory_order_relaxed);
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
