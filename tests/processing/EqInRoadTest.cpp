// "Inputs EQ" end to end: opened from the editor's Inputs tab on a Mic and on a Line input of
// a connected device, its bands edited by typing, with the slider, by dragging a marker, with
// the type dialog and the bypass, flattened and copied to a linked input; every effect read
// back from the device's memory in the set the input's type selects.
#include "EqInFixture.h"
#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "editor/FrmSelFilter.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "support/EditorRoad.h"

namespace {

using eqintest::BandAddr;
using eqintest::FlagAddr;
using eqintest::Record;

class EqInRoad : public testsupport::EditorRoadTest {
  protected:
    // A connected device whose inputs of lineBits are Line inputs, the others Mic, and its
    // editor open.
    FrmCtrl& OpenWith(uint8_t lineBits) {
        FrmCtrl& f = ConnectAndEdit();
        SetLineInputs(lineBits);
        return f;
    }
    // The inputs of lineBits made Line inputs, the others Mic, on the device and the PC.
    void SetLineInputs(uint8_t lineBits) {
        EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdInputSource, 0, 0, 0, 0, 0, 0, 0, lineBits));
        eqintest::SetInputTypes(S(), slot, lineBits);
    }
    // Band b of input i in the device's memory, in the set of its type.
    Record DeviceBand(int i, int b, bool mic) {
        const auto m = Memory(BandAddr(i, b, mic), 5);
        if (m.size() < 5) return {-1, -1, -1, -1};
        return {m[0], m[1] * 256 + m[2], m[3], m[4]};
    }
    int DeviceFlags(int i, bool mic) {
        const auto m = Memory(FlagAddr(i, mic), 1);
        return m.empty() ? -1 : m[0];
    }
    void OnEqIn(FrmCtrl& f, int16_t i, const std::function<void(FrmEqIn&)>& drive) {
        eqintest::OnEqIn(H().host, f, i, drive);
        EXPECT_TRUE(H().host.Problems().empty());
    }
};

TEST_F(EqInRoad, AMicInputsBandsReachItsMicSet) {
    FrmCtrl& f = OpenWith(0xFB);  // input 3 (index 2) is a Mic input
    OnEqIn(f, 2, [&](FrmEqIn& d) {
        eqintest::Enter(d.Text4(0), "250");
        eqintest::Enter(d.Text12(0), "6");  // boosted by typing
        d.Slider2(1).UserScroll(34);        // cut by the slider: -5 dB
        d.Check3(0).UserClick();
        eqintest::DragMarker(d, 2, 7000, 200);  // about 5600 Hz, +12 dB
        H().host.DriveModal("FrmSelFilter", [&](ui::Form& form) {
            auto& dialog = dynamic_cast<FrmSelFilter&>(form);
            dialog.Combo1.UserSelect(1);
            dialog.Command1(0).UserClick();
        });
        d.Command3(2).UserClick();
        d.Command6(1).UserClick();
        EXPECT_EQ(S().DevList[slot].Online, 1);
    });
    EXPECT_EQ(DeviceBand(2, 0, true), (Record{0, 250, 24, 36}));
    EXPECT_EQ(DeviceBand(2, 1, true), (Record{0, 1000, 24, 14}));
    const Record dragged = DeviceBand(2, 2, true);
    EXPECT_EQ(dragged.type, 1) << "the type dialog's choice";
    EXPECT_NEAR(dragged.freq, 5600, 100);
    EXPECT_EQ(dragged.gain, 48);
    EXPECT_EQ(DeviceFlags(2, true), 2) << "band 2 bypassed";
    EXPECT_EQ(DeviceBand(2, 0, false), (Record{0, 1000, 24, 24})) << "the Line set is untouched";
    EXPECT_EQ(DeviceFlags(2, false), 0);
}

TEST_F(EqInRoad, ALineInputIsEditedFlattenedAndCopiedToItsLinkedInput) {
    FrmCtrl& f = OpenWith(0xFF);
    f.Check13(1).UserClick();
    f.Check13(4).UserClick();  // inputs 2 and 5 linked, both Line
    OnEqIn(f, 4, [&](FrmEqIn& d) {
        EXPECT_EQ(d.Check13(1).Value(), 1);
        eqintest::Enter(d.Text12(0), "9");
        eqintest::Enter(d.Text12(2), "-4.5");
        eqintest::Enter(d.Text5(2), "0.4");
        // A pair the device cannot take: refused and the row shows the image again.
        eqintest::Enter(d.Text4(2), "6000");
        const auto messages = H().host.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt,
                  "Error: Parameter Q non admited. Please change Q or Frequency");
        EXPECT_EQ(d.Text4(2).Text(), "1000");
    });
    EXPECT_EQ(DeviceBand(4, 0, false), (Record{0, 1000, 24, 42}));
    EXPECT_EQ(DeviceBand(4, 2, false), (Record{0, 1000, 0, 15}));
    EXPECT_EQ(DeviceBand(1, 0, false), (Record{0, 1000, 24, 42})) << "copied to input 2";
    EXPECT_EQ(DeviceBand(1, 2, false), (Record{0, 1000, 0, 15}));
    EXPECT_EQ(DeviceBand(0, 0, false), (Record{0, 1000, 24, 24})) << "input 1 is not linked";

    OnEqIn(f, 4, [&](FrmEqIn& d) {
        EXPECT_EQ(d.Text12(0).Text(), "9") << "loaded again from the image";
        H().host.Answer(ui::vbYes);
        d.Command1.UserClick();
        EXPECT_EQ(d.MousePointer(), ui::vbDefault);
    });
    for (int b = 0; b < 3; ++b) {
        EXPECT_EQ(DeviceBand(4, b, false).gain, 24) << b;
        EXPECT_EQ(DeviceBand(1, b, false).gain, 24) << b;
    }
    EXPECT_EQ(DeviceBand(1, 2, false).q, 0) << "the copy keeps the Q the band had";
}

TEST_F(EqInRoad, AFailedSendClosesTheDialogWithTheEditorAndRestoresThePointer) {
    FrmCtrl& f = OpenWith(0xFF);
    VX_REQUIRE_SIMULATOR(H());
    H().Device().AddFault({devsim::FaultKind::DropConnection, CmdEqBand});
    bool closed = false;
    OnEqIn(f, 0, [&](FrmEqIn& d) {
        H().host.Answer(ui::vbYes);
        d.Command1.UserClick();
        closed = !d.Loaded();
        EXPECT_EQ(d.MousePointer(), ui::vbDefault);
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr);
    EXPECT_TRUE(S().OpDone);
}

}  // namespace
