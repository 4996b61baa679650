// Programs and presets against the device: connected devices with their editors open, the
// modal dialogs driven through the headless host, the device's memory read back over the wire
// and the frames a simulated device received.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "editor/FrmCtrl.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "state/State.h"
#include "support/DeviceTest.h"
#include "support/EditorRoad.h"
#include "support/TravellingProgram.h"

namespace programs_test {

using testsupport::Enter;

using Bytes = std::vector<uint8_t>;

// Progress steps of applying a whole image: feedback switches 8, processing types 8, levels 16,
// sources 8, master levels 2, input equaliser memory writes 64 and bands 24, output equaliser
// bands 40, crossovers 16, delays 8, compressors 8, limiters 8, routing crosspoints 64, phantom
// power 1.
inline constexpr int kApplyProgressSteps = 275;

using testsupport::Program;

// A program slot by its kind and number: normal 0 to 5, extra 0 to 3.
struct Position {
    bool extra;
    int16_t n;
    int Slot() const { return extra ? 6 + n : n; }
};
// The first and the last slot of each kind.
inline const auto kFirstAndLastSlots =
    ::testing::Values(Position{false, 0}, Position{false, 5}, Position{true, 0}, Position{true, 3});

// An operation on the device of a link at one slot.
struct LinkAndSlot {
    testsupport::Link link;
    Position at;
};
inline void PrintTo(const LinkAndSlot& c, std::ostream* os) {
    testsupport::PrintTo(c.link, os);
    *os << (c.at.extra ? " extra " : " normal ") << c.at.n;
}
// The first and last slot of each kind on TCP/IP and on a serial link.
inline const auto kLinksAndEnds = ::testing::ValuesIn([] {
    std::vector<LinkAndSlot> cases;
    for (testsupport::Link link : {testsupport::Link::Tcp, testsupport::Link::Usb}) {
        for (Position at :
             {Position{false, 0}, Position{false, 5}, Position{true, 0}, Position{true, 3}}) {
            cases.push_back({link, at});
        }
    }
    return cases;
}());

// The first count of frames.
inline std::vector<Bytes> Head(const std::vector<Bytes>& frames, int count) {
    return {frames.begin(), frames.begin() + std::min<ptrdiff_t>(count, std::ssize(frames))};
}

// A device image record as a file holds it: its three parts back to back.
inline Bytes RecordBytes(const model::DevImageRecord& rec) {
    Bytes out(rec.ProgImage.begin(), rec.ProgImage.end());
    out.insert(out.end(), rec.DevExtra.begin(), rec.DevExtra.end());
    out.insert(out.end(), rec.PanelState.begin(), rec.PanelState.end());
    return out;
}

class ProgramsFixture : public testsupport::EditorRoadTest {
  protected:
    // The stereo pairs of the editor of slot as the program's byte 911 sets them: ticked, and
    // the Mic/Line lists of both inputs locked.
    void ExpectStereoPairs(int16_t slot, const Bytes& program) {
        FrmCtrl& f = Editor(slot);
        for (int16_t p = 0; p < 4; ++p) {
            const bool stereo = (program[911] >> p & 1) != 0;
            EXPECT_EQ(S().InPairLink[slot][p], stereo) << "pair " << p;
            EXPECT_EQ(f.Check11(p).Value(), stereo ? 1 : 0) << "pair " << p;
            EXPECT_EQ(f.Combo5(static_cast<int16_t>(2 * p + 1)).Enabled(), !stereo) << "pair " << p;
        }
    }
    // Devices in the project, connected, each with its editor open; the slots.
    std::vector<int16_t> EditAll(size_t devices = 1) {
        testsupport::DeviceOptions options;
        options.tcpDevices = devices;
        const std::vector<int16_t> slots = Connect(options);
        for (int16_t at : slots) Edit(at);
        return slots;
    }
    // The device connected, prepared by before over the wire, read in again, with its editor
    // open and its log cleared.
    int16_t PrepareAndEdit(const std::function<void()>& before) {
        Connect();
        before();
        Reconnect(slot);
        Edit(slot);
        ClearLog();
        return slot;
    }
    // One device on link, connected, with its editor open; its slot.
    int16_t EditOn(testsupport::Link link) {
        testsupport::DeviceOptions options;
        options.link = link;
        Connect(options);
        Edit(slot);
        return slot;
    }
    // The simulated device fails the at-th frame from now on, after carrying it out: over
    // TCP/IP it drops the connection, on a serial link it answers with another command's code.
    void FailAt(int at) {
        H().Device().ClearFaults();
        const auto kind = H().GetLink() == testsupport::Link::Tcp
                              ? devsim::FaultKind::DropConnection
                              : devsim::FaultKind::WrongCode;
        H().Device().AddFault({kind, -1, H().Device().FrameCount() + at, 1});
    }
    // Device memory of the first device changed over the wire, given back to an outside device
    // afterwards.
    void Put(int addr, const Bytes& bytes) { ASSERT_TRUE(H().ChangeMemory(slot, addr, bytes)); }
    // The program slots k a test stores into or recalls from, and the switch preset and program
    // registers, given back to an outside device afterwards.
    void KeepSlots(std::initializer_list<int> slots) {
        H().Preserve(slot, 16, 3);
        for (int k : slots) H().Preserve(slot, model::ProgramSlotAddr(k), model::ProgramBytes);
    }
    FrmCtrl& Editor(int16_t slot) {
        FrmCtrl* f = ExistingFrmCtrl(S(), slot);
        EXPECT_NE(f, nullptr);
        return *f;
    }
    // The one message shown since the last look; an empty one, failing, when not one.
    ui::HeadlessHost::Message OneMessage() {
        const auto messages = H().host.TakeMessages();
        EXPECT_EQ(messages.size(), 1u);
        return messages.size() == 1 ? messages[0] : ui::HeadlessHost::Message{};
    }
    // The next modal showing of the form runs driver on it.
    template <class Form>
    void Drive(const std::string& name, std::function<void(Form&)> driver) {
        H().host.DriveModal(name, [driver](ui::Form& f) { driver(dynamic_cast<Form&>(f)); });
    }
    // Opens the store window from the editor's button; in it, picks position, types name
    // and stores, answering the question with answer.
    template <class Window>
    void StoreWith(int16_t slot, int16_t button, const char* form, int16_t position,
                   const std::string& name, int answer = ui::vbYes) {
        Drive<Window>(form, [=, this](Window& w) {
            w.Combo1.UserSelect(position);
            Retype(w.Text1, name);
            H().host.Answer(answer);
            w.Command1(1).UserClick();
            if (w.Visible()) w.Command1(0).UserClick();
        });
        Editor(slot).Command2(button).UserClick();
    }
    // Opens the recall window from the editor's button, picks row (clicking it twice, which
    // must recall nothing and ask nothing) and answers answer.
    template <class Window>
    void RecallWith(int16_t slot, int16_t button, const char* form, int16_t row,
                    int answer = ui::vbYes) {
        Drive<Window>(form, [=, this](Window& w) {
            w.List1.UserSelect(row);
            w.List1.UserSelect(row);
            H().host.Answer(answer);
            w.Command1(1).UserClick();
            EXPECT_FALSE(w.Label2.Visible());
            if (w.Visible()) w.Command1(0).UserClick();
        });
        Editor(slot).Command2(button).UserClick();
    }
    // The working program of the slot's device read back over the wire.
    Bytes WorkingProgram(int16_t slot) { return H().ReadMemory(slot, 64, 912); }
    Bytes ImageProgram(int16_t slot) {
        const auto& img = S().DevImage[slot].ProgImage;
        return Bytes(img.begin(), img.begin() + 912);
    }
    // The box's text replaced by typing: all selected, deleted, text typed.
    static void Retype(ui::TextBox& box, const std::string& text) {
        box.SetSelection(0, static_cast<int32_t>(box.Text().size()));
        box.UserKey(8);
        box.UserType(text);
    }
};

}  // namespace programs_test
