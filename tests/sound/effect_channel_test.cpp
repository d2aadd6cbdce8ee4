// The effect channel: first in, first out, from many senders, while the receiver drains.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "sound/effect_channel.hpp"

namespace korvedan {
namespace {

std::vector<int> drain(EffectChannel& channel) {
  std::vector<int> got;
  channel.receive_all([&](SoundEffect e) { got.push_back(static_cast<int>(e)); });
  return got;
}

TEST(EffectChannel, DeliversInTheOrderSent) {
  EffectChannel channel;
  EXPECT_TRUE(drain(channel).empty());
  for (int e : {4, 0, 17, 4, 9}) channel.send(static_cast<SoundEffect>(e));
  EXPECT_EQ(drain(channel), (std::vector<int>{4, 0, 17, 4, 9}));
  EXPECT_TRUE(drain(channel).empty());
  // Used nodes go back to the senders and the channel keeps working.
  for (int round = 0; round < 100; ++round) {
    channel.send(SoundEffect::Blip);
    channel.send(SoundEffect::Dig);
    ASSERT_EQ(drain(channel), (std::vector<int>{17, 0}));
  }
}

TEST(EffectChannel, ManySendersOneDrainingReceiver) {
  EffectChannel channel;
  constexpr int senders = 4;
  constexpr int per_sender = 20000;
  std::atomic<int> finished{0};
  std::vector<std::thread> threads;
  for (int id = 0; id < senders; ++id) {
    threads.emplace_back([&, id] {
      // Each sender cycles through its own effects, so its order can be checked at the end.
      for (int i = 0; i < per_sender; ++i) channel.send(static_cast<SoundEffect>(id * 4 + i % 4));
      finished.fetch_add(1);
    });
  }
  std::array<int, senders> count{};
  std::array<int, senders> next{};
  bool in_order = true;
  auto receive = [&](SoundEffect e) {
    const int value = static_cast<int>(e);
    const int id = value / 4;
    in_order = in_order && value % 4 == next[static_cast<std::size_t>(id)];
    next[static_cast<std::size_t>(id)] = (next[static_cast<std::size_t>(id)] + 1) % 4;
    ++count[static_cast<std::size_t>(id)];
  };
  while (finished.load() < senders) channel.receive_all(receive);
  channel.receive_all(receive);
  for (std::thread& t : threads) t.join();
  EXPECT_TRUE(in_order);
  for (int c : count) EXPECT_EQ(c, per_sender);
}

}  // namespace
}  // namespace korvedan
