// The network scan dialog on loopback only: every test types a loopback range before it
// scans. Devices listen on the first, a middle and the last address of the range (127.0.0.4 to
// 127.0.0.17, or from an outside device's address with two simulated ones beside it); the scan
// lists exactly those, adds the selected ones as plain dotted addresses, never twice, and
// closes every probe connection with the dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "devsim/TcpServer.h"
#include "project/FrmDevice.h"
#include "project/FrmScan.h"
#include "support/DeviceTest.h"

namespace {

using testsupport::DeviceTest;
using testsupport::Link;

// The three devices: an outside device's address (127.0.0.4 without one) with the last octet d,
// and d + 5 and d + 13 in its network; outside tells whether there is an outside device.
struct Devices {
    std::vector<std::string> octets{"127", "0", "0"};
    int d = 4;
    bool outside = false;
    Devices() {
        const char* device = std::getenv("VELOTRIX_TEST_DEVICE");
        if (device == nullptr || *device == 0 || *device == '/') return;
        outside = true;
        std::istringstream address(device);
        for (std::string& octet : octets) std::getline(address, octet, '.');
        address >> d;
    }
    std::string Net() const { return octets[0] + "." + octets[1] + "." + octets[2] + "."; }
    std::vector<std::string> All() const {
        return {Net() + std::to_string(d), Net() + std::to_string(d + 5),
                Net() + std::to_string(d + 13)};
    }
    // The range d to d + 13, typed into the dialog: it starts and ends on a device.
    std::vector<std::string> From() const {
        return {octets[0], octets[1], octets[2], std::to_string(d)};
    }
    std::string To() const { return std::to_string(d + 13); }
};

// Replaces the box's text as a person selecting it and typing (or deleting it) does.
void Type(ui::TextBox& box, const std::string& text) {
    box.SetSelection(0, static_cast<int32_t>(box.Text().size()));
    if (text.empty()) box.UserKeyCode(46);
    box.UserType(text);
}

// Types the range a.b.c.from to a.b.c.to.
void TypeRange(FrmScan& d, const std::vector<std::string>& octets, const std::string& to) {
    for (int16_t k = 0; k < 4; ++k) Type(d.Text1(k), octets[static_cast<size_t>(k)]);
    Type(d.Text1(7), to);
}

class Scan : public DeviceTest {
  protected:
    MDIFrmMain* StartDevices() {
        testsupport::DeviceHarness& h = Start({.link = Link::Tcp, .tcpAddresses = devices.All()});
        return apptest::StartProgramFor(h);
    }
    // Opens "IP Search" from the command bar and lets act work on the dialog.
    void WithScan(MDIFrmMain& main, std::function<void(FrmScan&)> act) {
        H().host.DriveModal("FrmScan", [act](ui::Form& f) {
            auto& d = static_cast<FrmScan&>(f);
            // A machine without a network reports only the loopback address, which the
            // dialog refuses to scan from; the range typed is loopback either way.
            if (d.HostAddr == "127.0.0.1") d.HostAddr = "127.0.0.2";
            act(d);
        });
        main.Command1(MDIFrmMain::CmdIpSearch).UserClick();
    }
    // Scan, then the answer and the probes.
    void RunScan(FrmScan& d) {
        d.Command1.UserClick();
        EXPECT_TRUE(d.Label1.Visible());
        EXPECT_FALSE(d.Command2(1).Enabled());
        for (int k = 0; k < 100 && d.Label1.Visible(); ++k) H().host.WaitPosted(100);
        EXPECT_FALSE(d.Label1.Visible()) << "the scan answered";
    }
    int OpenConnections() {
        int open = 0;
        for (int k = 0; k < 50; ++k) {
            open = 0;
            for (size_t d = H().External() ? 1 : 0; d < 3; ++d) {
                open += H().Server(d).OpenConnections();
            }
            if (open == 0) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return open;
    }

    const Devices devices;
};

TEST_F(Scan, ListsTheDevicesOfTheRangeAndAddsTheSelectedOnes) {
    MDIFrmMain* main = StartDevices();
    ASSERT_NE(main, nullptr);
    const std::vector<std::string> all = devices.All();
    apptest::AddDeviceByIp(H().host, *main, "127.0.0.99");  // a device of the project already
    WithScan(*main, [&](FrmScan& d) {
        EXPECT_EQ(d.Caption(), "Search device(s)");
        EXPECT_EQ(d.Text1(3).Text(), "1");
        EXPECT_EQ(d.Text1(7).Text(), "254");
        TypeRange(d, devices.From(), devices.To());
        EXPECT_EQ(d.Text1(4).Text(), devices.octets[0]);
        EXPECT_EQ(d.Text1(6).Text(), devices.octets[2]);
        RunScan(d);
        EXPECT_EQ(d.List1.List(), all);
        EXPECT_TRUE(H().host.Messages().empty());
        EXPECT_GT(OpenConnections(), 0) << "the probed devices stay connected meanwhile";
        d.List1.UserSetSelected(0, true);
        d.List1.UserSetSelected(2, true);
        d.Command2(1).UserClick();
    });
    State& s = S();
    EXPECT_EQ(s.DevList[1].IpText, all[0]);
    EXPECT_EQ(s.DevList[2].IpText, all[2]);
    EXPECT_EQ(s.DevList[3].Used, 0);
    for (int16_t slot : {1, 2}) {
        EXPECT_TRUE(s.DevScanMark[slot]);
        EXPECT_EQ(s.DevList[slot].LinkKind, 2);
        EXPECT_EQ(s.DevList[slot].Online, 0);
        EXPECT_EQ(s.DevList[slot].NickName, "no-name");
        EXPECT_EQ(s.DevAddr[slot], slot);
        ASSERT_TRUE(s.FrmDeviceWin[slot] && s.FrmDeviceWin[slot]->Visible());
        EXPECT_EQ(s.FrmDeviceWin[slot]->Top(), (FrmDevice::kHeight + 40) * slot);
    }
    EXPECT_EQ(s.FrmDeviceWin[2]->Caption(), " IP:" + all[2] + " - Offline");
    EXPECT_EQ(OpenConnections(), 0) << "closing the dialog closed its connections";
    EXPECT_TRUE(H().host.Problems().empty());

    // Found again: the devices of the project are not added twice, and no message says so.
    WithScan(*main, [&](FrmScan& d) {
        std::vector<std::string> padded = devices.From();
        padded[1].insert(0, 3 - padded[1].size(), '0');
        TypeRange(d, padded, devices.To());
        RunScan(d);
        ASSERT_EQ(d.List1.ListCount(), 3);
        EXPECT_EQ(d.List1.List(0),
                  padded[0] + "." + padded[1] + "." + padded[2] + "." + std::to_string(devices.d))
            << "the hosts are listed as typed";
        for (int16_t i = 0; i < 3; ++i) d.List1.UserSetSelected(i, true);
        d.Command2(1).UserClick();
    });
    EXPECT_EQ(s.DevList[3].IpText, all[1]) << "stored as plain dotted decimal";
    EXPECT_EQ(s.DevList[4].Used, 0);
    EXPECT_TRUE(H().host.Messages().empty());
}

// A host that takes the connection but never answers the probe is not a device; the next
// candidate probes on the slot it left. The silent host is a simulated one, also beside an
// outside device.
TEST_F(Scan, AHostThatDoesNotAnswerTheProbeIsNotListed) {
    MDIFrmMain* main = StartDevices();
    ASSERT_NE(main, nullptr);
    H().Device(1).AddFault({.kind = devsim::FaultKind::NoReply, .code = 0x39});
    WithScan(*main, [&](FrmScan& d) {
        TypeRange(d, devices.From(), devices.To());
        RunScan(d);
        EXPECT_EQ(d.List1.List(), (std::vector<std::string>{devices.All()[0], devices.All()[2]}));
        if (!H().External()) {
            EXPECT_EQ(H().Device(0).Log().at(0).request[2], 0);
            EXPECT_EQ(H().Device(0).Log().at(0).request[3], 0x39);
        }
        EXPECT_EQ(H().Device(1).Log().at(0).request[2], 1);
        EXPECT_EQ(H().Device(2).Log().at(0).request[2], 1);
        d.Command2(1).UserClick();
        ASSERT_EQ(H().host.Messages().size(), 1u);
        EXPECT_EQ(H().host.Messages()[0].prompt, "Please select an IP device");
        EXPECT_TRUE(d.Visible());
        d.Command2(0).UserClick();
    });
    EXPECT_EQ(S().DevList[0].Used, 0) << "Cancel adds nothing";
}

// The widest range the dialog takes, .1 to .254, with devices on its first and its last address
// (beside an outside device, on its network): exactly they are listed, in order, and added.
TEST_F(Scan, TheRangeFromItsFirstToItsLastAddress) {
    // Device 0 is the outside device where there is one.
    std::vector<std::string> octets = {"127", "0", "9"};
    std::vector<std::string> all;
    if (devices.outside) {
        octets = devices.octets;
        all.push_back(devices.Net() + std::to_string(devices.d));
    }
    const std::string prefix = octets[0] + "." + octets[1] + "." + octets[2] + ".";
    for (const char* last : {"1", "254"}) {
        if (std::find(all.begin(), all.end(), prefix + last) == all.end()) {
            all.push_back(prefix + last);
        }
    }
    testsupport::DeviceHarness& h = Start({.link = Link::Tcp, .tcpAddresses = all});
    MDIFrmMain* main = apptest::StartProgramFor(h);
    ASSERT_NE(main, nullptr);
    std::vector<std::string> listed = all;
    std::sort(listed.begin(), listed.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a.substr(a.rfind('.') + 1)) < std::stoi(b.substr(b.rfind('.') + 1));
    });
    octets.push_back("1");
    WithScan(*main, [&](FrmScan& d) {
        TypeRange(d, octets, "254");
        RunScan(d);
        EXPECT_EQ(d.List1.List(), listed);
        for (int16_t i = 0; i < d.List1.ListCount(); ++i) d.List1.UserSetSelected(i, true);
        d.Command2(1).UserClick();
    });
    for (size_t k = 0; k < listed.size(); ++k) {
        EXPECT_EQ(S().DevList[k].IpText, listed[k]);
        EXPECT_EQ(S().DevList[k].Used, -1);
        EXPECT_TRUE(S().DevScanMark[k]);
    }
    EXPECT_EQ(S().DevList[listed.size()].Used, 0);
    EXPECT_TRUE(H().host.Messages().empty());
}

TEST_F(Scan, NothingAnsweringSaysSo) {
    MDIFrmMain* main = StartDevices();
    ASSERT_NE(main, nullptr);
    WithScan(*main, [&](FrmScan& d) {
        TypeRange(d,
                  {devices.octets[0], devices.octets[1], devices.octets[2],
                   std::to_string(devices.d + 14)},
                  std::to_string(devices.d + 17));
        RunScan(d);
        EXPECT_EQ(d.List1.ListCount(), 0);
        ASSERT_EQ(H().host.Messages().size(), 1u);
        EXPECT_EQ(H().host.Messages()[0].prompt, "Device not Found");
        EXPECT_EQ(H().host.Messages()[0].title, "Scan Device");
        d.Command2(1).UserClick();  // an empty list adds nothing
        d.Command2(0).UserClick();
    });
}

// Refused ranges never start a scan.
struct ScanRange : apptest::ProgramTest {};

TEST_F(ScanRange, OnlyOneToThreeDigitsAndTheOctetRanges) {
    Start(2);
    const std::vector<std::vector<std::string>> refused = {
        {"127", "0", "0", "5", "5"}, {"127", "0", "0", "9", "5"},   {"0", "0", "0", "1", "9"},
        {"255", "0", "0", "1", "9"}, {"127", "255", "0", "1", "9"}, {"127", "0", "255", "1", "9"},
        {"127", "0", "0", "0", "9"}, {"127", "0", "0", "1", "255"}, {"127", "-1", "0", "1", "9"},
        {"127", "0", "", "1", "9"},  {"127", "0", "0x", "1", "9"},  {"127", "+0", "0", "1", "9"},
    };
    p.host.DriveModal("FrmScan", [&](ui::Form& f) {
        auto& d = static_cast<FrmScan&>(f);
        if (d.HostAddr == "127.0.0.1") d.HostAddr = "127.0.0.2";
        for (const auto& r : refused) {
            TypeRange(d, {r[0], r[1], r[2], r[3]}, r[4]);
            d.Command1.UserClick();
            EXPECT_FALSE(d.Label1.Visible());
            ASSERT_FALSE(p.host.Messages().empty());
            EXPECT_EQ(p.host.Messages().back().prompt, "Wrong IP address") << r[1] << r[2];
            EXPECT_EQ(p.host.Messages().back().style, ui::vbCritical);
            EXPECT_EQ(p.host.Messages().back().title, "Scan");
        }
        EXPECT_EQ(p.host.Messages().size(), refused.size());
        Type(d.Text1(0), "10");
        EXPECT_EQ(d.Text1(4).Text(), "10");
        d.Text1(4).UserType("9");
        EXPECT_EQ(d.Text1(4).Text(), "10") << "the last address's network part is read-only";
        d.HostAddr = "127.0.0.1";
        d.Command1.UserClick();
        EXPECT_EQ(p.host.Messages().back().prompt, "IP address not correct");
        d.Command2(0).UserClick();
    });
    main->Command1(MDIFrmMain::CmdIpSearch).UserClick();
    EXPECT_TRUE(p.host.Problems().empty());
}

}  // namespace
