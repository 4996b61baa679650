// Every sender that takes a channel, input, output, band, filter or crosspoint, at the first and
// the last index of its range (of the inputs and of the outputs, of the first and the last
// output's bands) with a new value: the image changes in exactly the bytes of that
// index, to exactly the new value, and the device's whole working program is the image
// afterwards, so a frame that carried a wrong index, a neighbour's value or a wrong bit shows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SenderFixture.h"
#include "devsim/MemoryMap.h"
#include "editor/senders/ApplyDeviceImage.h"
#include "editor/senders/DelaySenders.h"
#include "editor/senders/DynamicsSenders.h"
#include "editor/senders/InputSenders.h"
#include "editor/senders/LevelSenders.h"
#include "editor/senders/MixerSenders.h"
#include "editor/senders/OutEqBand.h"
#include "editor/senders/OutEqUtilities.h"
#include "editor/senders/PolarityMute.h"
#include "editor/senders/RoutingSenders.h"
#include "editor/senders/XoverSender.h"

namespace {

namespace img = devsim::image;
using Image = std::array<uint8_t, 913>;

int16_t Flip(int32_t box) {
    return box != 0 ? 0 : 1;
}
void FlipBit(Image& p, int addr, int k) {
    p[static_cast<size_t>(addr)] ^= static_cast<uint8_t>(1 << k);
}
void Put(Image& p, int addr, std::initializer_list<int> bytes) {
    for (int b : bytes) p[static_cast<size_t>(addr++)] = static_cast<uint8_t>(b);
}

// The first and last index of each group: channels 0..7 are inputs and 8..15 outputs, bands and
// filters run output by output, crosspoints input by input within each output.
const std::vector<int16_t> kChannels = {0, 7, 8, 15};
const std::vector<int16_t> kEight = {0, 7};
const std::vector<int16_t> kBands = {0, 4, 35, 39};
const std::vector<int16_t> kFilters = {0, 1, 14, 15};
const std::vector<int16_t> kCrosspoints = {0, 7, 56, 63};
const std::vector<int16_t> kMasterLevels = {0, 1};

struct Row {
    const char* name;
    const std::vector<int16_t>& indices;
    // A new value into the controls of index k; the sends; what they make of the image.
    std::function<void(FrmCtrl&, int16_t)> set;
    std::function<void(State&, int16_t)> send;
    std::function<void(Image&, int16_t)> want;
};

const Row kRows[] = {
    {"level", kChannels, [](FrmCtrl& f, int16_t k) { f.Slider1(k).SetValue(7); }, ModFun::ApplyGain,
     [](Image& p, int16_t k) {
         const int word = (k < 8 ? 1390 : 1450) - 7;
         p[static_cast<size_t>(img::LevelHigh(k))] = static_cast<uint8_t>(word >> 8);
         p[static_cast<size_t>(img::LevelLow(k))] = static_cast<uint8_t>(word);
     }},
    {"mute", kChannels,
     [](FrmCtrl& f, int16_t k) { f.Check1(k).SetValue(Flip(f.Check1(k).Value())); },
     ModFun::SendMute,
     [](Image& p, int16_t k) { FlipBit(p, k < 8 ? img::InMute : img::OutMute, k % 8); }},
    {"polarity", kChannels,
     [](FrmCtrl& f, int16_t k) { f.Check2(k).SetValue(Flip(f.Check2(k).Value())); },
     ModFun::SendPolarity,
     [](Image& p, int16_t k) { FlipBit(p, k < 8 ? img::InPolarity : img::OutPolarity, k % 8); }},
    {"level bypass", kChannels, [](FrmCtrl&, int16_t) {}, ModFun::SendGainByp,
     [](Image& p, int16_t k) {
         FlipBit(p, k < 8 ? img::InLevelBypass : img::OutLevelBypass, k % 8);
     }},
    {"input filter", kEight,
     [](FrmCtrl& f, int16_t k) {
         f.Combo9(k).SetListIndex(2);
         f.UpDown6(k).SetValue(17);
     },
     ModFun::SendInputFilter, [](Image& p, int16_t k) { Put(p, img::InFilter(k), {2 * 64 + 17}); }},
    {"balanced", kEight,
     [](FrmCtrl& f, int16_t k) { f.Check4(k).SetValue(Flip(f.Check4(k).Value())); },
     ModFun::SendInputBalanced, [](Image& p, int16_t k) { FlipBit(p, img::Balanced, k); }},
    {"noise gate", kEight,
     [](FrmCtrl& f, int16_t k) { f.Check5(k).SetValue(Flip(f.Check5(k).Value())); },
     ModFun::SendNoiseGateEnable, [](Image& p, int16_t k) { FlipBit(p, img::GateEnable, k); }},
    {"equaliser band", kBands,
     [](FrmCtrl& f, int16_t k) {
         f.Text4(k).SetText("1234");
         f.UpDown3(k).SetValue(30);
         f.Slider2(k).SetValue(10);
     },
     ModFun::CalcSendEqOutBand,
     [](Image& p, int16_t k) {
         const int a = img::OutEqBand(k / 5, k % 5);
         Put(p, a + 1, {0x04, 0xD2, 30, 48 - 10});
     }},
    {"equaliser band bypass", kBands, [](FrmCtrl&, int16_t) {},
     [](State& s, int16_t k) {
         ModFun::ToggleEqBandByp(s, k);
         ModFun::CalcSendEqOutBand(s, k);
     },
     [](Image& p, int16_t k) { FlipBit(p, img::OutEqFlags(k / 5), k % 5); }},
    {"crossover", kFilters,
     [](FrmCtrl& f, int16_t k) {
         f.Text8(k).SetText("1234");
         f.Combo2(k).SetListIndex(3);
     },
     ModFun::SendXover,
     [](Image& p, int16_t k) {
         Put(p, img::OutXover(k / 2, k % 2), {0x04, 0xD2, 3});
     }},
    {"delay", kEight,
     [](FrmCtrl& f, int16_t k) {
         f.UpDown2(k).SetValue(300);
         f.UpDown1(k).SetValue(3);
     },
     ModFun::SendDelay,
     [](Image& p, int16_t k) {
         Put(p, img::OutDelay(k), {0x01, 0x2C, 3});
     }},
    {"delay bypass", kEight, [](FrmCtrl&, int16_t) {}, ModFun::SendDelayByp,
     [](Image& p, int16_t k) { FlipBit(p, img::DelayBypass, k); }},
    {"compressor", kEight,
     [](FrmCtrl& f, int16_t k) {
         f.Slider400(k).SetValue(40);
         f.Slider401(k).SetValue(11);
         f.Slider402(k).SetValue(30);
         f.Slider403(k).SetValue(9);
         f.Slider404(k).SetValue(19);
     },
     [](State& s, int16_t k) {
         ModFun::SendCmpThr(s, k);
         ModFun::SendCmpRatio(s, k);
         ModFun::SendCmpKnee(s, k);
         ModFun::SendCmpAttack(s, k);
         ModFun::SendCmpRelease(s, k);
     },
     [](Image& p, int16_t k) {
         Put(p, img::OutComp(k), {200, 20, 70, 20, 10});
     }},
    {"compressor bypass", kEight, [](FrmCtrl&, int16_t) {}, ModFun::SendCmpByp,
     [](Image& p, int16_t k) { FlipBit(p, img::CompBypass, k); }},
    {"limiter", kEight,
     [](FrmCtrl& f, int16_t k) {
         f.Slider4(k).SetValue(40);
         f.Slider5(k).SetValue(9);
         f.Slider6(k).SetValue(19);
     },
     [](State& s, int16_t k) {
         ModFun::SendLimThr(s, k);
         ModFun::SendLimAttack(s, k);
         ModFun::SendLimRelease(s, k);
     },
     [](Image& p, int16_t k) {
         Put(p, img::OutLim(k), {10, 20, 200});
     }},
    {"limiter bypass", kEight, [](FrmCtrl&, int16_t) {}, ModFun::SendLimByp,
     [](Image& p, int16_t k) { FlipBit(p, img::LimBypass, k); }},
    {"crosspoint", kCrosspoints,
     [](FrmCtrl& f, int16_t k) { f.Check9(k).SetValue(Flip(f.Check9(k).Value())); },
     ModFun::SendMixPoint, [](Image& p, int16_t k) { FlipBit(p, img::Route(k / 8, k % 8), 7); }},
    {"master level", kMasterLevels,
     [](FrmCtrl& f, int16_t k) { f.Slider100(k).SetValue(k == 0 ? 55 : 1000); },
     ModFun::SendMasterLevel,
     [](Image& p, int16_t k) {
         Put(p, k == 0 ? img::MasterIn : img::MasterOut,
             k == 0 ? std::initializer_list<int>{0, 55} : std::initializer_list<int>{3, 0xE8});
     }},
};

class SenderEnds : public SenderTest {
  protected:
    // Controls, records, image and device agree: the image applied and sent.
    void SetUp() override {
        SenderTest::SetUp();
        if (HasFailure()) return;
        ModFun::ApplyDeviceImage(S());
    }
};

TEST_F(SenderEnds, EverySenderAtTheFirstAndLastIndexOfItsRanges) {
    for (const Row& row : kRows) {
        for (int16_t k : row.indices) {
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(k));
            Image expected = S().DevImage[slot].ProgImage;
            row.want(expected, k);
            S().UiUpdating = true;
            row.set(F(), k);
            S().UiUpdating = false;
            row.send(S(), k);
            EXPECT_FALSE(S().TxFailed);
            EXPECT_EQ(S().DevImage[slot].ProgImage, expected);
            const Bytes memory =
                H().ReadMemory(slot, model::WorkingProgramAddr, model::ProgramBytes);
            EXPECT_EQ(memory, Bytes(expected.begin(), expected.begin() + model::ProgramBytes));
            if (HasFailure()) return;
        }
    }
}

}  // namespace
