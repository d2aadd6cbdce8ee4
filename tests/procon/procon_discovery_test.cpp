// Listing and opening Pro Controllers, and the driver loop that drops and reopens them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "procon/procon_discovery.hpp"
#include "procon/procon_driver.hpp"
#include "procon/procon_text.hpp"
#include "procon_fakes.hpp"

namespace korvedan {
namespace {

using namespace korvedan::testing;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

HidDeviceRecord device(std::string_view path, std::uint16_t vendor, std::uint16_t product,
                       std::uint16_t usage_page, std::uint16_t usage) {
  HidDeviceRecord record;
  record.path = path_of(path);
  record.vendor_id = vendor;
  record.product_id = product;
  record.usage_page = usage_page;
  record.usage = usage;
  return record;
}

struct Rig {
  FakeClock clock;
  LogCapture log;
  DriverServices services{clock, log.sink()};
  ScriptedLibrary hid{clock};
  std::vector<ProPad> pads;
  FailedPaths failed;

  void rescan() { scan(hid, pads, failed, services); }
};

TEST(ProconListing, GamepadsJoysticksAndEverythingFromNintendo) {
  Rig rig;
  HidDeviceRecord keyboard = device("/dev/hidraw0", 0x046D, 0xC31C, 0x0001, 0x0006);
  keyboard.product = "USB Keyboard";
  HidDeviceRecord stick = device("/dev/hidraw1", 0x044F, 0xB10A, 0x0001, 0x0004);
  stick.product = "T.16000M";
  stick.manufacturer = "Thrustmaster";
  HidDeviceRecord pad = device("/dev/hidraw2", 0x045E, 0x028E, 0x0001, 0x0005);
  pad.bus = BusType::Bluetooth;
  HidDeviceRecord nintendo_extra = device("/dev/hidraw3", 0x057E, 0x2009, 0xFF00, 0x0001);
  nintendo_extra.product = "Pro Controller";
  rig.hid.attached = {keyboard, stick, pad, nintendo_extra, pro_controller("/dev/hidraw4")};
  rig.hid.refresh();

  list_controllers(rig.hid, rig.services);

  EXPECT_THAT(rig.log.lines,
              ElementsAre("devices that look like game controllers:",
                          "  044f:b10a T.16000M by Thrustmaster, usage 0001:0004, Unknown",
                          "  045e:028e ? by ?, usage 0001:0005, Bluetooth",
                          "  057e:2009 Pro Controller by ?, usage ff00:0001, Unknown",
                          "  057e:2009 Pro Controller by Nintendo Co., Ltd., usage 0001:0005, Usb"));
}

TEST(ProconListing, NoneWhenNothingLooksLikeAController) {
  Rig rig;
  rig.hid.attached = {device("/dev/hidraw0", 0x046D, 0xC31C, 0x0001, 0x0006)};
  rig.hid.refresh();
  list_controllers(rig.hid, rig.services);
  EXPECT_THAT(rig.log.lines, ElementsAre("devices that look like game controllers:", "  none"));
}

TEST(ProconScan, OpensAndWakesEveryProControllerInterface) {
  Rig rig;
  HidDeviceRecord nameless = pro_controller("/dev/hidraw7", 2);
  nameless.product.reset();
  rig.hid.attached = {device("/dev/hidraw0", 0x057E, 0x2006, 0x0001, 0x0005),  // a Joy-Con
                      pro_controller("/dev/hidraw5"), nameless};
  rig.clock.advance(3s);

  rig.rescan();

  ASSERT_EQ(rig.pads.size(), 2u);
  EXPECT_EQ(rig.pads[0].path, path_of("/dev/hidraw5"));
  EXPECT_EQ(rig.pads[1].path, path_of("/dev/hidraw7"));
  EXPECT_EQ(rig.hid.script(path_of("/dev/hidraw5"))->writes.size(), 5u);
  EXPECT_EQ(rig.hid.script(path_of("/dev/hidraw7"))->writes.size(), 5u);
  EXPECT_EQ(rig.hid.open_calls.count(path_of("/dev/hidraw0")), 0u);
  // Each pad starts with one wake-up, timed from the end of its own sequence.
  EXPECT_EQ(rig.pads[0].tries, 1u);
  EXPECT_FALSE(rig.pads[0].state);
  EXPECT_EQ(rig.pads[0].last_wake, rig.pads[0].last_report);
  EXPECT_EQ(rig.pads[1].last_wake - rig.pads[0].last_wake, 400ms);

  ASSERT_EQ(rig.log.lines.size(), 14u);
  EXPECT_EQ(rig.log.lines[0],
            "found a Pro Controller: Pro Controller, interface 0, usage 0001:0005, Usb, at "
            "\"/dev/hidraw5\"");
  EXPECT_EQ(rig.log.lines[1], "  opened");
  EXPECT_EQ(rig.log.lines[2], "  sent handshake (80 02): 64 bytes");
  EXPECT_EQ(rig.log.lines[7],
            "found a Pro Controller: ?, interface 2, usage 0001:0005, Usb, at \"/dev/hidraw7\"");
}

TEST(ProconScan, OpenOrFailedPathsAreNotTriedAgain) {
  Rig rig;
  rig.hid.attached = {pro_controller("/dev/hidraw5"), pro_controller("/dev/hidraw6", 1),
                      pro_controller("/dev/hidraw5")};
  rig.hid.open_errors[path_of("/dev/hidraw6")] = "Permission denied";

  rig.rescan();
  rig.rescan();
  rig.rescan();

  EXPECT_EQ(rig.hid.open_calls[path_of("/dev/hidraw5")], 1);
  EXPECT_EQ(rig.hid.open_calls[path_of("/dev/hidraw6")], 1);
  EXPECT_EQ(rig.pads.size(), 1u);
  EXPECT_THAT(rig.failed, ElementsAre(path_of("/dev/hidraw6")));
  EXPECT_THAT(rig.log.lines, Contains("  could not be opened: Permission denied"));
  EXPECT_EQ(std::count_if(rig.log.lines.begin(), rig.log.lines.end(),
                          [](const std::string& line) { return line.starts_with("found"); }),
            2);
}

TEST(ProconScan, AFailedListingIsLoggedAndTheHeldListServes) {
  Rig rig;
  rig.hid.attached = {pro_controller("/dev/hidraw5")};
  rig.hid.refresh();
  rig.hid.refresh_error = "udev is gone";
  rig.rescan();
  EXPECT_EQ(rig.log.lines.front(), "listing devices failed: udev is gone");
  EXPECT_EQ(rig.pads.size(), 1u);
}

TEST(ProconText, QuotedPathsEscapeWhatWouldConfuseTheLog) {
  EXPECT_EQ(quoted_path(path_of("/dev/hidraw0")), "\"/dev/hidraw0\"");
  EXPECT_EQ(quoted_path(path_of(R"(\\?\hid#vid_057e&pid_2009#"x")")),
            R"("\\\\?\\hid#vid_057e&pid_2009#\"x\"")");
  EXPECT_EQ(quoted_path(Bytes{'a', '\n', '\t', 0x1B, 0x7F, 0xC3, 0xA9}),
            "\"a\\n\\t\\u{1b}\\u{7f}\xC3\xA9\"");
}

// The driver's loop over a library with one Pro Controller attached.
struct DriverRig {
  FakeClock clock;
  LogCapture log;
  ScriptedLibrary hid{clock};
  SharedPads shared = make_shared_pads();
  ProconDriver driver{hid, shared, DriverServices{clock, log.sink()}};

  // Runs passes until `seconds` have gone by.
  void run_for(double seconds) {
    const double end = clock.seconds() + seconds;
    while (clock.seconds() < end) driver.pass();
  }
  int lines_starting(std::string_view lead) const {
    return static_cast<int>(std::count_if(log.lines.begin(), log.lines.end(),
                                          [&](const std::string& line) { return line.starts_with(lead); }));
  }
};

TEST(ProconDriverLoop, NapsWhileNothingIsAttachedAndScansEveryTwoSeconds) {
  DriverRig rig;
  rig.shared->replace({PadState{Dir::Up}});  // not ours to touch while no pad is open
  rig.run_for(4.9);
  EXPECT_EQ(rig.hid.refreshes, 3);  // at 0, 2.25 and 4.5 s
  EXPECT_EQ(rig.shared->copy(), std::vector<PadState>{PadState{Dir::Up}});

  rig.hid.attached = {pro_controller("/dev/hidraw5")};
  rig.run_for(1.0);
  EXPECT_EQ(rig.driver.pads().size(), 0u);  // the next scan is not due yet
  rig.run_for(1.0);
  EXPECT_EQ(rig.driver.pads().size(), 1u);
}

TEST(ProconDriverLoop, PublishesStatesInOpenOrderLeavingOutSilentPads) {
  DriverRig rig;
  rig.hid.attached = {pro_controller("/dev/hidraw5"), pro_controller("/dev/hidraw6"),
                      pro_controller("/dev/hidraw7")};
  rig.hid.script(path_of("/dev/hidraw5"))->afterwards = report(full_report(0, 0, 0x04));
  rig.hid.script(path_of("/dev/hidraw7"))->afterwards = report(full_report(0x08, 0, 0));
  rig.driver.pass();
  EXPECT_EQ(rig.shared->copy(),
            (std::vector<PadState>{PadState{Dir::Right}, PadState{Dir::None, true}}));
  EXPECT_EQ(rig.driver.pads().size(), 3u);
}

TEST(ProconDriverLoop, AReadErrorDropsThePadAndTheNextScanOpensItAfresh) {
  DriverRig rig;
  rig.hid.attached = {pro_controller("/dev/hidraw5")};
  auto script = rig.hid.script(path_of("/dev/hidraw5"));
  script->reads = {report(full_report(0, 0, 0x02)), read_error("No such device")};
  script->afterwards = report(full_report(0, 0, 0x01));

  rig.driver.pass();
  EXPECT_EQ(rig.shared->copy(), std::vector<PadState>{PadState{Dir::Up}});
  rig.driver.pass();
  EXPECT_TRUE(rig.driver.pads().empty());
  EXPECT_TRUE(rig.shared->copy().empty());  // emptied in the pass that dropped the last pad
  EXPECT_EQ(script->closed, 1);
  EXPECT_EQ(rig.log.lines.back(), "  reading failed, giving it up: No such device");

  rig.run_for(2.0);
  EXPECT_EQ(script->opened, 2);
  EXPECT_EQ(script->writes.size(), 10u);  // a fresh wake-up sequence
  EXPECT_EQ(rig.shared->copy(), std::vector<PadState>{PadState{Dir::Down}});
  EXPECT_EQ(rig.lines_starting("  buttons are arriving: "), 2);
}

TEST(ProconDriverLoop, EightSilentSecondsDropThePadAndItIsReopened) {
  DriverRig rig;
  rig.hid.attached = {pro_controller("/dev/hidraw5")};
  auto script = rig.hid.script(path_of("/dev/hidraw5"));
  script->reads = {report(full_report(0, 0x01, 0))};  // one report, then silence

  rig.run_for(10.5);
  EXPECT_EQ(rig.lines_starting("  silent for too long, letting it go"), 1);
  EXPECT_EQ(script->closed, 1);
  EXPECT_GE(script->opened, 2);  // the scan after the drop opened it again
  EXPECT_EQ(rig.lines_starting("found a Pro Controller: "), 2);
}

TEST(ProconDriverLoop, TheDriverEndsWhenTheLibraryDoesNotStart) {
  FakeClock clock;
  LogCapture log;
  SharedPads shared = make_shared_pads();
  run_driver([] { return Result<std::unique_ptr<HidLibrary>>(Failure{"no udev"}); }, shared,
             DriverServices{clock, log.sink()});
  EXPECT_THAT(log.lines, ElementsAre("the device library did not start: no udev"));
  EXPECT_TRUE(shared->copy().empty());
}

}  // namespace
}  // namespace korvedan
