// Applying a whole image to the model, the editor and the device, with two images that differ in
// every byte the sequence sends and hold a value of their own for every channel, band, filter and
// crosspoint: every decoded field of every index follows the image, the image comes out as it
// went in, and the device's working program becomes the image where the sequence sends it, with
// the bytes around it as they were. While sending is blocked (the editor's load) nothing leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SenderFixture.h"
#include "devsim/MemoryMap.h"
#include "editor/senders/ApplyDeviceImage.h"
#include "support/TravellingProgram.h"

namespace {

namespace img = devsim::image;
using Bytes = std::vector<uint8_t>;

// The travelling program (see testsupport::Program): a value of its own for every channel,
// band, filter and crosspoint, flag bits in patterns of their own, v = 0 and v = 1 differing in
// every byte. The master input gain is one byte, the second of its pair: the pair's high byte is
// 0, as the level sender writes it.
Bytes Image(int v) {
    Bytes p = testsupport::Program(v);
    p[img::MasterIn] = 0;
    return p;
}

// Image bytes the sequence sends to no device: the program's name and mark, bytes no sender
// uses, bytes 6 (and of outputs 7) of each name slot, the automatic mixer's bytes besides its
// switch, mode and three levels, the ducker's second group and the bytes after its attenuation.
bool Unsent(int a) {
    if ((a >= img::ProgName && a < img::ProgName + 16) || a == img::ProgMark) return true;
    if (a == 453 || a == 454 || a == 469 || a == 470) return true;
    if (a >= img::ChannelName(0) && a < img::ChannelName(16)) {
        const int ch = (a - img::ChannelName(0)) / 8;
        const int at = (a - img::ChannelName(0)) % 8;
        return at == 6 || (at == 7 && ch >= 8);
    }
    return a == 891 || a == 892 || a == 896 || a == 897 || a == 903 || (a >= 905 && a <= 910);
}

bool Bit(uint8_t byte, int k) {
    return (byte >> k & 1) != 0;
}

class ApplyDeviceImageTest : public SenderTest {
  protected:
    // Every field the sequence decodes from the image p, for every index.
    void ExpectDecoded(const Bytes& p) {
        const model::DevParamRecord& par = S().DevParam[slot];
        FrmCtrl& f = F();
        for (int16_t ch = 0; ch < 16; ++ch) {
            SCOPED_TRACE("channel " + std::to_string(ch));
            const int k = ch % 8;
            const bool in = ch < 8;
            const bool mute = Bit(p[in ? img::InMute : img::OutMute], k);
            const bool polarity = Bit(p[in ? img::InPolarity : img::OutPolarity], k);
            EXPECT_EQ(par.MuteFlag()[ch], mute ? 1 : 0);
            EXPECT_EQ(par.PolarityFlag()[ch], polarity ? 1 : 0);
            EXPECT_EQ(f.Check1(ch).Value(), mute ? 1 : 0);
            EXPECT_EQ(f.Check2(ch).Value(), polarity ? 1 : 0);
            EXPECT_EQ(S().GainBypass[slot][ch],
                      Bit(p[in ? img::InLevelBypass : img::OutLevelBypass], k) ? 1 : 0);
            const int word = p[img::LevelHigh(ch)] * 256 + p[img::LevelLow(ch)];
            EXPECT_EQ(f.Slider1(ch).Value(), (in ? 1390 : 1450) - word);
            const std::string name(p.begin() + img::ChannelName(ch),
                                   p.begin() + img::ChannelName(ch) + 6);
            EXPECT_EQ(S().ChName[slot][ch].substr(0, 6), name);
            EXPECT_EQ(f.Check13(ch).Value(), 0) << "applying an image unlinks every channel";
        }
        for (int16_t i = 0; i < 8; ++i) {
            SCOPED_TRACE("input " + std::to_string(i));
            const uint8_t filter = p[img::InFilter(i)];
            EXPECT_EQ(S().InFilterFreqIdx[slot][i], filter & 31);
            EXPECT_EQ(S().InFilterType[slot][i], filter >> 6);
            EXPECT_EQ(f.UpDown6(i).Value(), filter & 31);
            EXPECT_EQ(f.Combo9(i).ListIndex(), filter >> 6);
            EXPECT_EQ(par.InBalanced()[i], Bit(p[img::Balanced], i) ? 1 : 0);
            EXPECT_EQ(f.Check4(i).Value(), Bit(p[img::Balanced], i) ? 1 : 0);
            EXPECT_EQ(par.InFeedbackOn()[i], Bit(p[img::InFeedback], i) ? 1 : 0);
            EXPECT_EQ(f.Combo4(i).ListIndex(), Bit(p[img::InFeedback], i) ? 1 : 0);
            EXPECT_EQ(par.InSource()[i], Bit(p[img::InSource], i) ? 1 : 0);
            EXPECT_EQ(f.Combo5(i).ListIndex(), Bit(p[img::InSource], i) ? 1 : 0);
            EXPECT_EQ(par.InProcType()[i], Bit(p[img::InProcType], i) ? 1 : 0);
            EXPECT_EQ(f.Combo1(i).ListIndex(), Bit(p[img::InProcType], i) ? 1 : 0);
            EXPECT_EQ(par.GateEnable[i], Bit(p[img::GateEnable], i) ? 1 : 0);
            EXPECT_EQ(f.Check5(i).Value(), Bit(p[img::GateEnable], i) ? 1 : 0);
            EXPECT_EQ(f.Check8(i).Value(), Bit(p[img::DuckPriority], i) ? 1 : 0);
        }
        for (int16_t o = 0; o < 8; ++o) {
            SCOPED_TRACE("output " + std::to_string(o));
            EXPECT_EQ(S().DelayByp[slot][o], Bit(p[img::DelayBypass], o) ? 1 : 0);
            EXPECT_EQ(S().CompByp[slot][o], Bit(p[img::CompBypass], o) ? 1 : 0);
            EXPECT_EQ(S().LimByp[slot][o], Bit(p[img::LimBypass], o) ? 1 : 0);
            const int delay = img::OutDelay(o);
            EXPECT_EQ(f.UpDown2(o).Value(), p[delay] * 256 + p[delay + 1]);
            EXPECT_EQ(f.UpDown1(o).Value(), p[delay + 2]);
            const int comp = img::OutComp(o);
            EXPECT_EQ(f.Slider400(o).Value(), 240 - p[comp]);
            EXPECT_EQ(f.Slider401(o).Value(), 31 - p[comp + 1]);
            EXPECT_EQ(f.Slider402(o).Value(), 100 - p[comp + 2]);
            EXPECT_EQ(f.Slider403(o).Value(), 29 - p[comp + 3]);
            EXPECT_EQ(f.Slider404(o).Value(), 29 - p[comp + 4]);
            const int lim = img::OutLim(o);
            EXPECT_EQ(f.Slider4(o).Value(), 240 - p[lim + 2]);
            EXPECT_EQ(f.Slider5(o).Value(), 29 - p[lim + 1]);
            EXPECT_EQ(f.Slider6(o).Value(), 29 - p[lim]);
            for (int16_t b = 0; b < 5; ++b) {
                const auto k = static_cast<int16_t>(5 * o + b);
                const int a = img::OutEqBand(o, b);
                EXPECT_EQ(par.OutEqBypass()[k], Bit(p[img::OutEqFlags(o)], b) ? 1 : 0) << k;
                EXPECT_EQ(S().EqOutType[slot][k], p[a]) << k;
                EXPECT_EQ(f.Text4(k).Text(), std::to_string(p[a + 1] * 256 + p[a + 2])) << k;
                EXPECT_EQ(f.UpDown3(k).Value(), p[a + 3]) << k;
                EXPECT_EQ(f.Slider2(k).Value(), 48 - p[a + 4]) << k;
            }
            for (int16_t lp = 0; lp < 2; ++lp) {
                const auto n = static_cast<int16_t>(2 * o + lp);
                const int a = img::OutXover(o, lp);
                EXPECT_EQ(f.Text8(n).Text(), std::to_string(p[a] * 256 + p[a + 1])) << n;
                EXPECT_EQ(f.Combo2(n).ListIndex(), p[a + 2]) << n;
            }
            for (int16_t i = 0; i < 8; ++i) {
                const auto x = static_cast<int16_t>(8 * o + i);
                EXPECT_EQ(f.Check9(x).Value(), Bit(p[img::Route(o, i)], 7) ? 0 : 1) << x;
            }
            EXPECT_EQ(f.Check3(o).Value(), S().DevImage[slot].PanelState[30 + o]);
        }
        for (int16_t pair = 0; pair < 4; ++pair) {
            EXPECT_EQ(S().InPairLink[slot][pair], Bit(p[img::StereoPairs], pair)) << pair;
            EXPECT_EQ(f.Check11(pair).Value(), Bit(p[img::StereoPairs], pair) ? 1 : 0) << pair;
        }
        EXPECT_EQ(S().InLinkMask[slot], 0);
        EXPECT_EQ(S().OutLinkMask[slot], 0);
        EXPECT_EQ(par.DelayUnit(), S().DevImage[slot].DevExtra[17]);
        EXPECT_TRUE(f.Option1(S().DevImage[slot].DevExtra[17]).Value());
        EXPECT_EQ(f.Check7.Value(), p[img::AutoMixActive]);
        EXPECT_EQ(f.Check6.Value(), p[img::Phantom]);
        EXPECT_EQ(f.Slider7.Value(), p[img::FeedbackFreq]);
        EXPECT_EQ(f.Slider100(0).Value(), p[img::MasterIn + 1]);
        EXPECT_EQ(f.Slider100(1).Value(), p[img::MasterOut] * 256 + p[img::MasterOut + 1]);
    }
};

TEST_F(ApplyDeviceImageTest, EveryIndexTakesItsOwnValueAndTheDeviceItsBytes) {
    constexpr int from = model::WorkingProgramAddr - 8;  // with the bytes around the program
    constexpr int count = model::ProgramBytes + 16;
    for (bool blocked : {true, false}) {
        for (int v : {0, 1}) {
            SCOPED_TRACE(std::string(blocked ? "blocked, " : "sending, ") + std::to_string(v));
            const Bytes p = Image(v);
            model::DevImageRecord& image = S().DevImage[slot];
            std::copy(p.begin(), p.end(), image.ProgImage.begin());
            image.DevExtra[17] = static_cast<uint8_t>(v);
            for (int o = 0; o < 8; ++o)
                image.PanelState[30 + o] = static_cast<uint8_t>((o + v) % 2);
            const model::DevImageRecord before = image;
            const Bytes device = H().ReadMemory(slot, from, count);
            ASSERT_EQ(device.size(), static_cast<size_t>(count));
            F().SSTab1.SetTab(3);
            ClearLog();
            S().TxBlocked = blocked;
            S().LoadStateWord = -1;
            ModFun::ApplyDeviceImage(S());
            S().LoadStateWord = 0;
            S().TxBlocked = false;

            EXPECT_EQ(S().DevImage[slot], before) << "the image comes out as it went in";
            ExpectDecoded(p);
            EXPECT_EQ(F().SSTab1.Tab(), 3);
            EXPECT_FALSE(S().UiUpdating);
            if (blocked) ExpectRequests({});
            const Bytes after = H().ReadMemory(slot, from, count);
            for (int d = from; d < from + count; ++d) {
                const int a = d - model::WorkingProgramAddr;
                const bool sent = !blocked && a >= 0 && a < model::ProgramBytes && !Unsent(a);
                const auto at = static_cast<size_t>(d - from);
                EXPECT_EQ(after[at], sent ? p[static_cast<size_t>(a)] : device[at])
                    << "device address " << d;
            }
        }
    }
}

}  // namespace
