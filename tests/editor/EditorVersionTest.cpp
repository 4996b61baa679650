// The editor's "Version" button end to end: the About box opens for the editor's own device
// and shows the versions, model, UID and MAC address that device reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "app/FrmVersion.h"
#include "app/frmSplash.h"
#include "devsim/Device.h"
#include "devsim/DeviceState.h"
#include "editor/FrmCtrl.h"
#include "protocol/Commands.h"
#include "support/EditorRoad.h"

namespace {

struct AboutTexts {
    std::string firmware, dsp, software, model, uid, mac;
    bool operator==(const AboutTexts&) const = default;
};

void PrintTo(const AboutTexts& t, std::ostream* os) {
    *os << t.firmware << " | " << t.dsp << " | " << t.software << " | " << t.model << " | " << t.uid
        << " | " << t.mac;
}

std::string Hex(uint8_t x) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", x);
    return buf;
}

class EditorVersion : public testsupport::EditorRoadTest {
  protected:
    // What the About box must show for the slot, asked from the device over the wire.
    AboutTexts Reported(int16_t slot) {
        AboutTexts t;
        const auto version = H().Ask(slot, CmdReadVersion);
        const auto mac = H().Ask(slot, CmdReadMac);
        const auto uid0 = H().Ask(slot, CmdReadUid, 0);
        const auto uid1 = H().Ask(slot, CmdReadUid, 1);
        EXPECT_TRUE(version && mac && uid0 && uid1);
        if (!version || !mac || !uid0 || !uid1) return t;
        const auto& v = *version;
        t.firmware = "V" + std::to_string(v[4] * 10 + v[5]) + "." + std::to_string(v[6]);
        t.dsp =
            "V" + std::to_string(v[7]) + "." + std::to_string(v[8]) + "." + std::to_string(v[9]);
        t.software = "V1.1.3";
        t.model = v[11] == 0 ? "Velotra" : "Velomatic";
        t.uid = "UID = ";
        for (const auto* half : {&*uid0, &*uid1}) {
            for (int n = 5; n <= 10; ++n) t.uid += Hex((*half)[n]);
        }
        for (int n = 4; n <= 9; ++n) t.mac += (n > 4 ? "." : "") + Hex((*mac)[n]);
        return t;
    }

    // Clicks "Version" in the slot's editor and reads the About box it opens.
    AboutTexts Shown(int16_t slot) {
        AboutTexts t;
        int opened = 0;
        H().host.DriveModal("FrmVersion", [&](ui::Form& f) {
            auto& box = static_cast<FrmVersion&>(f);
            ++opened;
            EXPECT_EQ(box.Caption(), "About");
            EXPECT_TRUE(S().EditBusy) << "the editor is busy while the box is open";
            t = {box.Label2.Caption(), box.Label3.Caption(), box.Label4.Caption(),
                 box.Label5.Caption(), box.Label6.Caption(), box.Label8.Caption()};
            box.Command1.UserClick();
        });
        ExistingFrmCtrl(S(), slot)->Command17.UserClick();
        EXPECT_EQ(opened, 1);
        EXPECT_FALSE(S().EditBusy);
        return t;
    }
};

TEST_F(EditorVersion, ShowsWhatTheEditorsOwnDeviceReports) {
    Start({.link = testsupport::Link::Tcp, .tcpDevices = 2});
    if (!H().External()) {
        H().Device(1).Update([](devsim::DeviceState& st) {
            st.identity.firmware = {2, 4, 7};
            st.identity.dsp = {3, 1, 2};
            st.identity.model = 1;
            st.identity.mac = {0x02, 0xAB, 0xCD, 0x00, 0x10, 0xEF};
        });
    }
    // The splash fixes the software version at start.
    S().SwVersion = std::string(kSwVersion);
    const std::vector<int16_t> slots = Connect();
    for (int16_t at : slots) ASSERT_EQ(S().DevList[at].Online, 1);
    for (int16_t at : slots) Edit(at);
    // The first editor's button, while the second editor was opened last.
    for (int16_t slot : slots) {
        SCOPED_TRACE(slot);
        const AboutTexts reported = Reported(slot);
        EXPECT_EQ(Shown(slot), reported);
    }
    if (!H().External()) {
        const AboutTexts second = Shown(slots.back());
        EXPECT_EQ(second.firmware, "V24.7");
        EXPECT_EQ(second.dsp, "V3.1.2");
        EXPECT_EQ(second.model, "Velomatic");
        EXPECT_EQ(second.mac, "02.AB.CD.00.10.EF");
    }
    EXPECT_TRUE(H().host.Problems().empty());
}

}  // namespace
