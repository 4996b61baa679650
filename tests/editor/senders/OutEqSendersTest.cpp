// The output equaliser band sender, its utilities and the crossover sender against the
// device: what lands in its memory, their frames as the simulated device receives them, the
// refusal of a band too wide for the device, and what a failed send leaves behind.
#include "SenderFixture.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "editor/senders/ApplyDeviceImage.h"
#include "editor/senders/ChannelCopy.h"
#include "editor/senders/EqBandRow.h"
#include "editor/senders/OutEqBand.h"
#include "editor/senders/OutEqUtilities.h"
#include "editor/senders/XoverSender.h"
#include "model/AddressTables.h"
#include "protocol/Commands.h"

namespace {

class OutEqSendersTest : public SenderTest {
  protected:
    Bytes ImgBytes(int addr, int count) {
        const auto& img = S().DevImage[slot].ProgImage;
        return Bytes(img.begin() + addr, img.begin() + addr + count);
    }
    void SetBand(int16_t b, const char* freq, int32_t q, int32_t slider) {
        Quietly([&] {
            F().Text4(b).SetText(freq);
            F().UpDown3(b).SetValue(q);
            F().Slider2(b).SetValue(slider);
        });
    }
    model::DevParamRecord& Par() { return S().DevParam[slot]; }
};

TEST_F(OutEqSendersTest, ABandFrameCarriesItsRecordAndTheOutputsBypassBits) {
    SetBand(12, "1000", 24, 24);
    ModFun::CalcSendEqOutBand(S(), 12);
    EXPECT_EQ(ImgBytes(133, 5), (Bytes{0x00, 0x03, 0xE8, 0x18, 0x18}));
    EXPECT_EQ(Img(162), 0);
    ExpectSent(std::vector<Bytes>{{CmdEqBand, 0x0A, 0x02, 0, 0, 0x03, 0xE8, 0x18, 0x18}});
    EXPECT_EQ(Memory(133, 5), ImgBytes(133, 5));
    EXPECT_EQ(F().Text5(12).Text(), "2.8");
    EXPECT_EQ(F().Text50(12).Text(), "0.51254");
    EXPECT_EQ(Par().OutEqQ()[12], 2.8);

    // Band 39 bypassed with its slider at +6 dB: gain 0 in the record, index 36 on the wire.
    ClearLog();
    Par().OutEqBypass()[39] = 1;
    SetBand(39, "1000.9", 10, 12);
    ModFun::CalcSendEqOutBand(S(), 39);
    EXPECT_EQ(F().Text4(39).Text(), "1000");
    EXPECT_EQ(F().Text12(39).Text(), "6");
    EXPECT_EQ(Par().OutEqGain()[39], 0.0);
    EXPECT_EQ(Par().OutEqFreq()[39], 1000);
    ExpectSent(std::vector<Bytes>{{CmdEqBand, 0x0F, 0x04, 0x10, 0, 0x03, 0xE8, 10, 36}});
    EXPECT_EQ(ImgBytes(403, 5), (Bytes{0, 0x03, 0xE8, 10, 36}));
    EXPECT_EQ(Memory(422, 1), (Bytes{0x10}));
    EXPECT_EQ(F().Command6(39).BackColor(), ui::vbRed);
    EXPECT_FALSE(F().Label5(39).Enabled());
    EXPECT_FALSE(F().Slider2(39).Enabled());
    EXPECT_TRUE(F().Command6(39).Enabled());
}

TEST_F(OutEqSendersTest, APeakingBandTooWideIsRefusedWithoutAFrame) {
    EXPECT_TRUE(ModFun::EqBandAdmitted(12000, 1.0));
    EXPECT_FALSE(ModFun::EqBandAdmitted(12001, 1.0));
    EXPECT_TRUE(ModFun::EqBandAdmitted(20000, 1.7));
    EXPECT_FALSE(ModFun::EqBandAdmitted(20000, 1.6));
    EXPECT_TRUE(ModFun::EqBandAdmitted(4800, 0.4));
    EXPECT_FALSE(ModFun::EqBandAdmitted(4801, 0.4));

    const Bytes before = ImgBytes(19, 5);
    SetBand(0, "12001", 6, 20);
    ModFun::CalcSendEqOutBand(S(), 0);
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Error: Parameter Q non admited. Please change Q or Frequency");
    ExpectSent({});
    EXPECT_EQ(ImgBytes(19, 5), before);
    EXPECT_EQ(Memory(19, 5), before);
    ClearLog();
    // The record holds the band the image holds, the one the device has.
    EXPECT_EQ(Par().OutEqFreq()[0], 1000);
    EXPECT_EQ(Par().OutEqQ()[0], 2.8);
    EXPECT_EQ(Par().OutEqGain()[0], 0);
    EXPECT_EQ(F().Text4(0).Text(), "1000");
    EXPECT_EQ(F().UpDown3(0).Value(), 24);
    EXPECT_EQ(F().Slider2(0).Value(), 24);
    EXPECT_EQ(F().Text12(0).Text(), "0");
    EXPECT_FALSE(S().TxFailed);

    SetBand(0, "12000", 6, 20);
    ModFun::CalcSendEqOutBand(S(), 0);
    ExpectSent(std::vector<Bytes>{{CmdEqBand, 8, 0, 0, 0, 0x2E, 0xE0, 6, 28}});
    // A shelf is never refused.
    S().EqOutType[slot][1] = 2;
    SetBand(1, "20000", 0, 24);
    ModFun::CalcSendEqOutBand(S(), 1);
    EXPECT_EQ(ImgBytes(24, 5), (Bytes{2, 0x4E, 0x20, 0, 24}));
    EXPECT_TRUE(H().host.Messages().empty());
}

// A band this editor would not take, from the device's memory: clicking its bypass is refused,
// and so are its copies onto a linked output and by the output copy, each over a bypassed band
// (the copy's one of the same kind, refused already when the editor opened). Every band then
// stands as the image and the device hold it: its record, button, row and curve.
TEST_F(OutEqSendersTest, ARefusedBandKeepsTheBypassTheDeviceHolds) {
    const Bytes wide{0, 0x4E, 0x20, 0, 36};   // peaking, 20000 Hz, Q 0.4, +6 dB
    const Bytes held{0, 0x03, 0xE8, 24, 30};  // 1000 Hz, +3 dB, bypassed
    const std::pair<int, Bytes> seeds[] = {{model::EqOutBandAddr[7], wide},
                                           {model::EqOutBandAddr[17], held},
                                           {model::EqOutFlagAddr[3], {0x04}},
                                           {model::EqOutBandAddr[27], wide},
                                           {model::EqOutFlagAddr[5], {0x04}}};
    for (const auto& [addr, bytes] : seeds) {
        ASSERT_TRUE(H().WriteMemory(slot, model::WorkingProgramAddr + addr, bytes));
    }
    Reconnect(slot);
    FrmCtrl& f = Edit(slot, 2);
    EXPECT_EQ(H().host.TakeMessages().size(), 2u) << "refused as the image is applied";
    f.Check13(9).UserClick();
    f.Check13(11).UserClick();
    ClearLog();

    f.Command6(7).UserClick();
    ExpectSent({});
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u) << "the band and its copy on the linked output";
    for (const auto& m : messages) {
        EXPECT_EQ(m.prompt, "Error: Parameter Q non admited. Please change Q or Frequency");
    }
    ModFun::CopyOutputChannel(S(), 1, 5);
    if (Simulated()) {
        for (const Bytes& frame : Sent()) {
            EXPECT_FALSE(frame[0] == CmdEqBand && frame[1] == 13 && frame[2] == 2);
        }
    }

    const auto& curves = S().Graph.Curves(slot);
    for (int16_t b : {7, 17, 27}) {
        SCOPED_TRACE(b);
        const int a = model::EqOutBandAddr[b];
        const bool bypassed = (Img(model::EqOutFlagAddr[b / 5]) >> (b % 5) & 1) != 0;
        EXPECT_EQ(bypassed, b != 7);
        EXPECT_EQ(Memory(a, 5), ImgBytes(a, 5));
        EXPECT_EQ(Memory(model::EqOutFlagAddr[b / 5], 1), ImgBytes(model::EqOutFlagAddr[b / 5], 1));
        EXPECT_EQ(Par().OutEqBypass()[b], bypassed ? 1.0 : 0.0);
        EXPECT_EQ(Par().OutEqGain()[b], bypassed ? 0.0 : Img(a + 4) / 2.0 - 12);
        EXPECT_EQ(Par().OutEqFreq()[b], Img(a + 1) * 256 + Img(a + 2));
        EXPECT_EQ(F().Command6(b).BackColor(), bypassed ? ui::vbRed : ui::vbButtonFace);
        EXPECT_EQ(F().Slider2(b).Enabled(), !bypassed);
        EXPECT_EQ(F().Text4(b).Enabled(), !bypassed);
        EXPECT_EQ(F().Label5(b).Enabled(), !bypassed);
        // The wide band lifts 20 kHz by its 6 dB; a bypassed band is flat.
        EXPECT_NEAR(curves.EqOutBandMag[b][575], bypassed ? 0.0 : 6.0, 1e-6);
        EXPECT_EQ(*std::max_element(curves.EqOutBandMag[b].begin(), curves.EqOutBandMag[b].end()),
                  bypassed ? 0.0 : curves.EqOutBandMag[b][575]);
    }
}

TEST_F(OutEqSendersTest, AFailedBandSendKeepsTheValuesButNotTheControlStates) {
    VX_REQUIRE_SIMULATOR(H());
    Drop(CmdEqBand);
    Par().OutEqBypass()[7] = 1;
    SetBand(7, "500", 24, 30);
    ModFun::CalcSendEqOutBand(S(), 7);
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(Par().OutEqFreq()[7], 500);
    EXPECT_EQ(ImgBytes(model::EqOutBandAddr[7], 5), (Bytes{0, 0x01, 0xF4, 24, 18}));
    EXPECT_EQ(Img(model::EqOutFlagAddr[1]), 0x04);
    EXPECT_TRUE(F().Slider2(7).Enabled());
    EXPECT_EQ(F().Command6(7).BackColor(), ui::vbButtonFace);
}

TEST_F(OutEqSendersTest, FlatEqSendsTheOutputsFiveBandsAtZeroDecibels) {
    for (int16_t b = 30; b < 40; ++b) SetBand(b, "2000", 20, 10);
    for (int16_t b = 30; b < 40; ++b) ModFun::CalcSendEqOutBand(S(), b);
    ClearLog();
    ModFun::FlatEq(S(), 7);
    if (Simulated()) {
        const auto frames = Sent();
        ASSERT_EQ(frames.size(), 5u);
        for (uint8_t j = 0; j < 5; ++j) {
            EXPECT_EQ(frames[j], (Bytes{CmdEqBand, 0x0F, j, 0, 0, 0x07, 0xD0, 20, 24}));
        }
    }
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(Memory(model::EqOutBandAddr[35 + j] + 1, 4), (Bytes{0x07, 0xD0, 20, 24}));
    }
    EXPECT_EQ(Img(model::EqOutBandAddr[34] + 4), 38) << "output 6 keeps its gains";
    EXPECT_EQ(F().Slider2(35).Value(), 24);
}

TEST_F(OutEqSendersTest, BypassTogglesAndItsButtonFollows) {
    Par().OutEqBypass()[3] = 2.0;
    ModFun::ToggleEqBandByp(S(), 3);
    EXPECT_EQ(Par().OutEqBypass()[3], 0.0);
    EXPECT_EQ(F().Command6(3).BackColor(), ui::vbButtonFace);
    ModFun::ToggleEqBandByp(S(), 3);
    EXPECT_EQ(Par().OutEqBypass()[3], 1.0);
    EXPECT_EQ(F().Command6(3).BackColor(), ui::vbRed);
    ExpectSent({});
}

TEST_F(OutEqSendersTest, ACrossoverFrameCarriesItsThreeImageBytes) {
    Quietly([&] {
        F().Text8(5).SetText("3000");
        F().Combo2(5).SetListIndex(7);
    });
    ModFun::SendXover(S(), 5);
    EXPECT_EQ(ImgBytes(151, 3), (Bytes{0x0B, 0xB8, 0x07}));
    ExpectSent(std::vector<Bytes>{{CmdOutXover, 0x0A, 0x01, 0, 0, 0, 0x0B, 0xB8, 0x07}});
    EXPECT_EQ(Memory(151, 3), ImgBytes(151, 3));
    EXPECT_EQ(Par().XoverFreq()[5], 3000);
    EXPECT_EQ(Par().XoverType()[5], 7);
    EXPECT_EQ(F().Label100(212).ToolTipText(),
              "HP: 1000 Hz,    Bypass -- LP: 3000 Hz, LRiley -24dB");

    Quietly([&] { F().Text8(0).SetText("20"); });
    ModFun::SendXover(S(), 0);
    EXPECT_EQ(ImgBytes(44, 3), (Bytes{0x00, 0x14, 0x00}));
    const std::string summary = "HP: 20 Hz,    Bypass -- LP: 1000 Hz,    Bypass";
    EXPECT_EQ(F().Label100(210).ToolTipText(), summary);
    F().Label100(210).SetToolTipText("");
    ModFun::LoadLabelXover(S(), 1);
    EXPECT_EQ(F().Label100(210).ToolTipText(), summary);

    ClearLog();
    Quietly([&] { F().Text8(2).SetText("?"); });
    ModFun::SendXover(S(), 2);
    ExpectSent({});  // a box without a number sends nothing
}

TEST_F(OutEqSendersTest, AnAppliedImageSendsEveryBandAndFilter) {
    auto& img = S().DevImage[slot].ProgImage;
    const int band = model::EqOutBandAddr[17];
    img[band] = 1;
    img[band + 1] = 0x01;
    img[band + 2] = 0x90;  // 400 Hz
    img[band + 4] = 40;    // +8 dB
    img[model::EqOutFlagAddr[3]] = 0x08;
    img[model::XoverAddr[6]] = 0;
    img[model::XoverAddr[6] + 1] = 80;
    img[model::XoverAddr[6] + 2] = 7;
    ModFun::ApplyDeviceImage(S());

    if (Simulated()) {
        const auto frames = Sent();
        EXPECT_EQ(std::count_if(frames.begin(), frames.end(),
                                [](const Bytes& f) { return f[0] == CmdEqBand && f[1] >= 8; }),
                  40);
        EXPECT_EQ(std::count_if(frames.begin(), frames.end(),
                                [](const Bytes& f) { return f[0] == CmdOutXover; }),
                  16);
    }
    EXPECT_EQ(Memory(band, 5), ImgBytes(band, 5));
    EXPECT_EQ(Memory(model::EqOutFlagAddr[3], 1), (Bytes{0x08}));
    EXPECT_EQ(Memory(model::XoverAddr[6], 3), (Bytes{0, 80, 7}));
    EXPECT_EQ(F().Command3(17).Caption(), "HiSHF Q");
    EXPECT_EQ(F().Text12(17).Text(), "8");
    EXPECT_EQ(F().Command6(18).BackColor(), ui::vbRed);
    EXPECT_EQ(Par().OutEqGain()[18], 0.0);
    EXPECT_EQ(F().Combo2(6).ListIndex(), 7);
    EXPECT_EQ(F().Text8(6).Text(), "80");
    EXPECT_FALSE(S().UiUpdating);
    EXPECT_EQ(S().GraphHold, 0);
}

}  // namespace
