// The Pro Controller's wake-up commands, report decoding and the polling of one controller.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "procon/procon_pad.hpp"
#include "procon/procon_reports.hpp"
#include "procon_fakes.hpp"

namespace korvedan {
namespace {

using namespace korvedan::testing;
using ::testing::ElementsAre;

Bytes padded(Bytes start) {
  start.resize(64, 0);
  return start;
}

TEST(ProconWakeUp, FiveZeroFilledReportsEightyMillisecondsApart) {
  FakeClock clock;
  LogCapture log;
  DriverServices services{clock, log.sink()};
  auto script = std::make_shared<DeviceScript>();
  ScriptedDevice device(script, clock);

  wake_up(device, services);

  EXPECT_THAT(script->writes,
              ElementsAre(padded({0x80, 0x02}), padded({0x80, 0x03}), padded({0x80, 0x02}),
                          padded({0x80, 0x04}),
                          padded({0x01, 0x01, 0x00, 0x01, 0x40, 0x40, 0x00, 0x01, 0x40, 0x40,
                                  0x03, 0x30})));
  EXPECT_THAT(script->write_times, ElementsAre(0.0, 0.08, 0.16, 0.24, 0.32));
  EXPECT_DOUBLE_EQ(clock.seconds(), 0.4);
  EXPECT_THAT(log.lines,
              ElementsAre("  sent handshake (80 02): 64 bytes", "  sent fast rate (80 03): 64 bytes",
                          "  sent handshake (80 02): 64 bytes", "  sent usb only (80 04): 64 bytes",
                          "  sent full reports (01 01 00 01 40 40 00 01 40 40 03 30): 64 bytes"));
}

TEST(ProconWakeUp, AFailedWriteIsLoggedAndTheSequenceGoesOn) {
  FakeClock clock;
  LogCapture log;
  DriverServices services{clock, log.sink()};
  auto script = std::make_shared<DeviceScript>();
  script->write_error = "Broken pipe";
  ScriptedDevice device(script, clock);

  wake_up(device, services);

  EXPECT_EQ(script->writes.size(), 5u);
  EXPECT_DOUBLE_EQ(clock.seconds(), 0.4);
  ASSERT_EQ(log.lines.size(), 5u);
  EXPECT_EQ(log.lines[0], "  sending handshake (80 02) failed: Broken pipe");
  EXPECT_EQ(log.lines[4],
            "  sending full reports (01 01 00 01 40 40 00 01 40 40 03 30) failed: Broken pipe");
}

PadState decoded(const Bytes& bytes) {
  std::optional<PadState> pad = decode_report(bytes);
  if (!pad) ADD_FAILURE() << "the report did not decode";
  return pad.value_or(PadState{});
}

TEST(ProconReports, FullReportDpadOrderAndStick) {
  // Up on the d-pad wins over the stick pushed right.
  EXPECT_EQ(decoded(full_report(0, 0, 0x02, 4095, 2048)).dir, Dir::Up);
  EXPECT_EQ(decoded(full_report(0, 0, 0x02 | 0x04)).dir, Dir::Up);
  EXPECT_EQ(decoded(full_report(0, 0, 0x01 | 0x08)).dir, Dir::Down);
  EXPECT_EQ(decoded(full_report(0, 0, 0x04)).dir, Dir::Right);
  EXPECT_EQ(decoded(full_report(0, 0, 0x08)).dir, Dir::Left);
  // With the d-pad released the stick steers: 12-bit values, up positive.
  EXPECT_EQ(decoded(full_report(0, 0, 0, 2048, 2048)).dir, Dir::None);
  EXPECT_EQ(decoded(full_report(0, 0, 0, 3072, 3072)).dir, Dir::Up);     // 0.5, 0.5
  EXPECT_EQ(decoded(full_report(0, 0, 0, 819, 2458)).dir, Dir::Left);    // -0.6, 0.2
  EXPECT_EQ(decoded(full_report(0, 0, 0, 3051, 2048)).dir, Dir::None);   // 0.49, 0
  EXPECT_EQ(decoded(full_report(0, 0, 0, 2048, 0)).dir, Dir::Down);
  EXPECT_EQ(decoded(full_report(0, 0, 0, 4095, 2200)).dir, Dir::Right);
}

TEST(ProconReports, FullReportButtons) {
  const PadState zl = decoded(full_report(0, 0, 0x80));
  EXPECT_EQ(zl, (PadState{Dir::None, false, false, false, true}));
  const PadState minus = decoded(full_report(0, 0x01, 0));
  EXPECT_EQ(minus, (PadState{Dir::None, false, false, true, false}));
  const PadState plus = decoded(full_report(0, 0x02, 0));
  EXPECT_EQ(plus, (PadState{Dir::None, false, true, false, false}));
  for (std::uint8_t face : {0x01, 0x02, 0x04, 0x08}) {
    EXPECT_EQ(decoded(full_report(face, 0, 0)), (PadState{Dir::None, true, false, false, false}));
  }
  for (std::uint8_t shoulder : {0x40, 0x80}) {  // R, ZR, then L
    EXPECT_TRUE(decoded(full_report(shoulder, 0, 0)).drop);
    EXPECT_FALSE(decoded(full_report(shoulder, 0, 0)).face);
  }
  EXPECT_TRUE(decoded(full_report(0, 0, 0x40)).drop);
  // SL and SR on the grips are neither face nor drop.
  EXPECT_EQ(decoded(full_report(0x30, 0, 0x30)), PadState{});
}

TEST(ProconReports, SimpleReportHatButtonsAndStick) {
  const Dir by_hat[] = {Dir::Up, Dir::Right, Dir::Right, Dir::Right, Dir::Down,
                        Dir::Left, Dir::Left, Dir::Left, Dir::None};
  for (std::uint8_t hat = 0; hat <= 8; ++hat) {
    EXPECT_EQ(decoded(simple_report(0, 0, hat)).dir, by_hat[hat]) << "hat " << int(hat);
  }
  EXPECT_EQ(decoded(simple_report(0, 0, 0x0F)).dir, Dir::None);
  // The 16-bit stick has down positive, so a small value is up.
  EXPECT_EQ(decoded(simple_report(0, 0, 8, 32768, 0)).dir, Dir::Up);
  EXPECT_EQ(decoded(simple_report(0, 0, 8, 32768, 65535)).dir, Dir::Down);
  EXPECT_EQ(decoded(simple_report(0, 0, 8, 65535, 40000)).dir, Dir::Right);
  EXPECT_EQ(decoded(simple_report(0, 0, 8, 0, 32768)).dir, Dir::Left);
  EXPECT_EQ(decoded(simple_report(0, 0, 8, 32768 + 16000, 32768)).dir, Dir::None);

  EXPECT_EQ(decoded(simple_report(0x02, 0, 8)), (PadState{Dir::None, true, false, false, false}));
  EXPECT_EQ(decoded(simple_report(0x40, 0, 8)), (PadState{Dir::None, false, false, false, true}));
  EXPECT_EQ(decoded(simple_report(0x10, 0, 8)).drop, true);
  EXPECT_EQ(decoded(simple_report(0, 0x01, 8)), (PadState{Dir::None, false, false, true, false}));
  EXPECT_EQ(decoded(simple_report(0, 0x02, 8)), (PadState{Dir::None, false, true, false, false}));
}

TEST(ProconReports, ShortAndOtherReportsDoNotDecode) {
  EXPECT_FALSE(decode_report(full_report(0x08, 0, 0x02, 2048, 2048, 8)));
  EXPECT_TRUE(decode_report(full_report(0x08, 0, 0x02, 2048, 2048, 9)));
  EXPECT_FALSE(decode_report(simple_report(0x02, 0, 0, 32768, 32768, 7)));
  EXPECT_TRUE(decode_report(simple_report(0x02, 0, 0, 32768, 32768, 8)));
  EXPECT_FALSE(decode_report(Bytes{}));
  Bytes reply = full_report(0x08, 0, 0x02);
  reply[0] = 0x21;  // a sub-command reply carries buttons too, but is not read for them
  EXPECT_FALSE(decode_report(reply));
}

TEST(ProconReports, StickThresholds) {
  EXPECT_EQ(stick_direction(0.5f, 0.5f), Dir::Up);
  EXPECT_EQ(stick_direction(-0.6f, 0.2f), Dir::Left);
  EXPECT_EQ(stick_direction(0.49f, 0.0f), Dir::None);
  EXPECT_EQ(stick_direction(0.5f, 0.0f), Dir::Right);
  EXPECT_EQ(stick_direction(-0.5f, -0.5f), Dir::Down);
  EXPECT_EQ(stick_direction(0.1f, -0.7f), Dir::Down);
}

// One controller just opened and woken at the fake clock's start.
struct OnePad {
  FakeClock clock;
  LogCapture log;
  DriverServices services{clock, log.sink()};
  std::shared_ptr<DeviceScript> script = std::make_shared<DeviceScript>();
  ProPad pad;

  OnePad() {
    pad.path = path_of("/dev/hidraw0");
    pad.device = std::make_unique<ScriptedDevice>(script, clock);
    pad.last_report = pad.last_wake = clock.now();
  }

  // Polls until the pad is dropped or `seconds` have passed; true if it was dropped.
  bool poll_for(double seconds) {
    const double end = clock.seconds() + seconds;
    while (clock.seconds() < end) {
      if (poll(pad, services) == PollOutcome::Drop) return true;
    }
    return false;
  }
};

TEST(ProconPoll, ReportsAreCountedPerIdAndLoggedOnlyNowAndThen) {
  OnePad one;
  Bytes other(20, 0xAB);
  other[0] = 0x81;
  one.script->reads.push_back(report(other));
  one.script->afterwards = report(full_report(0, 0, 0));
  for (int i = 0; i < 1001; ++i) ASSERT_EQ(poll(one.pad, one.services), PollOutcome::Keep);

  ASSERT_EQ(one.pad.report_counts.size(), 2u);
  EXPECT_EQ(one.pad.report_counts[0].id, 0x81);
  EXPECT_EQ(one.pad.report_counts[0].count, 1u);
  EXPECT_EQ(one.pad.report_counts[1].id, 0x30);
  EXPECT_EQ(one.pad.report_counts[1].count, 1000u);
  const std::string head = "30 12 91 00 00 00 00 08 80 00 00 00 00 00 00 00";
  EXPECT_THAT(one.log.lines,
              ElementsAre("  report 81 #1, 20 bytes: 81 ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab",
                          "  report 30 #1, 64 bytes: " + head,
                          "  buttons are arriving: PadState { dir: None, face: false, start: false, "
                          "select: false, drop: false }",
                          "  report 30 #2, 64 bytes: " + head, "  report 30 #3, 64 bytes: " + head,
                          "  report 30 #500, 64 bytes: " + head,
                          "  report 30 #1000, 64 bytes: " + head));
}

TEST(ProconPoll, TheStateFollowsEveryDecodedReportAndSurvivesOthers) {
  OnePad one;
  one.script->reads = {nothing(), report(full_report(0x08, 0, 0x02)), report(Bytes{0x30, 1, 2}),
                       report(full_report(0, 0x02, 0)), nothing()};
  poll(one.pad, one.services);
  EXPECT_FALSE(one.pad.state);
  poll(one.pad, one.services);
  EXPECT_EQ(one.pad.state, (PadState{Dir::Up, true, false, false, false}));
  poll(one.pad, one.services);
  EXPECT_EQ(one.pad.state, (PadState{Dir::Up, true, false, false, false}));
  poll(one.pad, one.services);
  poll(one.pad, one.services);
  EXPECT_EQ(one.pad.state, (PadState{Dir::None, false, true, false, false}));
  EXPECT_EQ(std::count_if(one.log.lines.begin(), one.log.lines.end(),
                          [](const std::string& line) {
                            return line.starts_with("  buttons are arriving: ");
                          }),
            1);
  EXPECT_THAT(one.log.lines, ::testing::Contains(
                                 "  buttons are arriving: PadState { dir: Some(Up), face: true, "
                                 "start: false, select: false, drop: false }"));
}

TEST(ProconPoll, AReadErrorDropsThePad) {
  OnePad one;
  one.script->reads = {report(full_report(0, 0, 0)), read_error("No such device")};
  EXPECT_EQ(poll(one.pad, one.services), PollOutcome::Keep);
  EXPECT_EQ(poll(one.pad, one.services), PollOutcome::Drop);
  EXPECT_EQ(one.log.lines.back(), "  reading failed, giving it up: No such device");
}

TEST(ProconPoll, ASilentPadIsLetGoAfterEightSeconds) {
  OnePad one;
  one.script->reads = {report(full_report(0, 0, 0))};  // buttons at once, then nothing
  EXPECT_FALSE(one.poll_for(7.9));
  EXPECT_TRUE(one.poll_for(0.2));
  EXPECT_GT(one.clock.seconds(), 8.0);
  EXPECT_EQ(one.log.lines.back(), "  silent for too long, letting it go");
  EXPECT_EQ(one.script->writes.size(), 0u);  // it had buttons: no more wake-ups
}

TEST(ProconPoll, WakesAPadWithoutButtonsAtMostThreeMoreTimes) {
  OnePad one;
  Bytes reply(64, 0);
  reply[0] = 0x21;  // reports keep coming, but none carries buttons we read
  one.script->afterwards = report(reply);
  EXPECT_FALSE(one.poll_for(30.0));

  EXPECT_EQ(one.pad.tries, 4u);
  ASSERT_EQ(one.script->writes.size(), 15u);
  // Each retry is its own five-command sequence, started more than 1.5 s after the last.
  double last_wake = 0.0;
  for (std::size_t sequence = 0; sequence < 3; ++sequence) {
    const double started = one.script->write_times[sequence * 5];
    EXPECT_GT(started - last_wake, 1.5) << "retry " << sequence + 2;
    EXPECT_LT(started - last_wake, 1.6) << "retry " << sequence + 2;
    last_wake = started;
    EXPECT_EQ(one.script->writes[sequence * 5 + 4][0], 0x01);
  }
  std::vector<std::string> retries;
  for (const std::string& line : one.log.lines) {
    if (line.starts_with("  no buttons yet")) retries.push_back(line);
  }
  EXPECT_THAT(retries, ElementsAre("  no buttons yet, waking it again (try 2)",
                                   "  no buttons yet, waking it again (try 3)",
                                   "  no buttons yet, waking it again (try 4)"));
}

TEST(ProconPoll, APadThatAnswersIsNotWokenAgain) {
  OnePad one;
  one.script->afterwards = report(full_report(0, 0, 0));
  EXPECT_FALSE(one.poll_for(5.0));
  EXPECT_TRUE(one.script->writes.empty());
  EXPECT_EQ(one.pad.tries, 1u);
}

TEST(ProconPoll, ASilentPadIsWokenThenLetGo) {
  OnePad one;
  EXPECT_TRUE(one.poll_for(20.0));
  // Retries at about 1.5, 3.4 and 5.3 s, then dropped just after 8 s.
  EXPECT_EQ(one.pad.tries, 4u);
  EXPECT_EQ(one.script->writes.size(), 15u);
  EXPECT_GT(one.clock.seconds(), 8.0);
  EXPECT_LT(one.clock.seconds(), 8.1);
  EXPECT_EQ(one.log.lines.back(), "  silent for too long, letting it go");
}

}  // namespace
}  // namespace korvedan
