// The channel link end to end: an edit on one channel of a link set or stereo pair reaches the
// other members in the device's memory, read back over the wire ("Balanced" only the stereo
// partner); a member that stops answering ends the repeat. For every control the link repeats,
// each field the edit carries reaches every member whole and nothing else changes.
#include <algorithm>
#include <vector>

#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "model/AddressTables.h"
#include "support/EditorRoad.h"
#include "support/LinkedChannels.h"

namespace {

using testsupport::Enter;

class ChannelLink : public testsupport::EditorRoadTest {
  protected:
    // Ticks the link boxes of outputs (0..7) as a user does.
    static void LinkOutputs(FrmCtrl& f, const std::vector<int16_t>& outputs) {
        for (int16_t o : outputs) f.Check13(static_cast<int16_t>(o + 8)).UserClick();
    }
    int LevelWord(int16_t ch) {
        const Bytes hi = Memory(model::GainAddrHi[ch], 1);
        const Bytes lo = Memory(model::GainAddrLo[ch], 1);
        return hi.empty() || lo.empty() ? -1 : hi[0] * 256 + lo[0];
    }
};

TEST_F(ChannelLink, LinkedOutputsTakeTheLevelBandAndCrossoverOfTheEditedOne) {
    FrmCtrl& f = ConnectAndEdit();
    LinkOutputs(f, {0, 1, 2});
    f.SSTab1.UserSelectTab(1);
    const int before = LevelWord(11);
    const Bytes band4 = Memory(model::EqOutBandAddr[15], 5);
    const Bytes xover4 = Memory(model::XoverAddr[7], 3);

    Enter(f.Text1(8), "-6");
    Enter(f.Text4(1), "2500");  // band 2 of output 1
    Enter(f.Text12(1), "4");
    f.Combo2(1).UserSelect(3);  // low-pass of output 1
    Enter(f.Text8(1), "3150");
    for (int k = 0; k < 3; ++k) f.UpDown2(0).UserUp();
    f.Slider4(0).UserScroll(60);
    f.Command7(0).UserClick();  // limiter bypass
    EXPECT_TRUE(H().host.Messages().empty());

    const Bytes band = Memory(model::EqOutBandAddr[1], 5);
    const Bytes xover = Memory(model::XoverAddr[1], 3);
    const Bytes delay = Memory(model::DelayAddr[0], 3);
    const Bytes limiter = Memory(model::LimAddr[0], 3);
    EXPECT_EQ(band[1] * 256 + band[2], 2500);
    EXPECT_EQ(xover, (Bytes{0x0C, 0x4E, 3}));
    EXPECT_EQ(delay, (Bytes{0, 3, 0}));
    EXPECT_EQ(limiter.at(2), 240 - 60);
    EXPECT_EQ(Memory(model::LimOnAddr, 1), (Bytes{0x07})) << "three limiters switched alike";
    for (int16_t o = 1; o < 3; ++o) {
        SCOPED_TRACE(o);
        EXPECT_EQ(LevelWord(static_cast<int16_t>(o + 8)), 1210);
        EXPECT_EQ(Memory(model::EqOutBandAddr[5 * o + 1], 5), band);
        EXPECT_EQ(Memory(model::XoverAddr[2 * o + 1], 3), xover);
        EXPECT_EQ(Memory(model::DelayAddr[o], 3), delay);
        EXPECT_EQ(Memory(model::LimAddr[o], 3), limiter);
        EXPECT_EQ(f.Text4(static_cast<int16_t>(5 * o + 1)).Text(), "2500");
        EXPECT_EQ(f.Command7(o).BackColor(), ui::vbRed);
    }
    // Output 4 is not linked.
    EXPECT_EQ(LevelWord(11), before);
    EXPECT_EQ(Memory(model::EqOutBandAddr[15], 5), band4);
    EXPECT_EQ(Memory(model::XoverAddr[7], 3), xover4);
}

TEST_F(ChannelLink, MembersTakeTheBandAndFilterInTheSamePlaceOfTheirOutput) {
    FrmCtrl& f = ConnectAndEdit();
    LinkOutputs(f, {1, 2, 6});
    f.SSTab1.UserSelectTab(3);
    Enter(f.Text4(12), "800");  // band 3 of output 3
    for (int16_t d : {7, 32}) EXPECT_EQ(f.Text4(d).Text(), "800") << d;
    for (int16_t d : {2, 17, 37}) EXPECT_NE(f.Text4(d).Text(), "800") << d;
    Enter(f.Text8(5), "5000");  // low-pass of output 3
    for (int16_t e : {3, 13}) EXPECT_EQ(f.Text8(e).Text(), "5000") << e;
    for (int16_t e : {2, 12, 14}) EXPECT_NE(f.Text8(e).Text(), "5000") << e;
    EXPECT_EQ(Memory(model::XoverAddr[13], 2), (Bytes{0x13, 0x88}));
}

TEST_F(ChannelLink, InputsFollowTheirLinkSetByMicLineModeOrElseTheirStereoPartner) {
    FrmCtrl& f = ConnectAndEdit();
    const int16_t dev = S().CurDev;
    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    for (int16_t i : {0, 2, 4}) f.Check13(i).UserClick();
    S().DevParam[dev].InSource()[4] = 1 - S().DevParam[dev].InSource()[0];
    const int input5 = LevelWord(4);
    Enter(f.Text1(0), "-3");
    EXPECT_EQ(LevelWord(2), 1240);
    EXPECT_EQ(LevelWord(4), input5) << "another Mic/Line mode is no member";
    EXPECT_NE(LevelWord(1), 1240);

    // Inputs 7 and 8 as a stereo pair, outside the link set.
    S().InPairLink[dev][3] = true;
    Enter(f.Text1(6), "-12");
    EXPECT_EQ(LevelWord(7), 1150);
    f.Check2(7).UserClick();
    EXPECT_EQ(f.Check2(6).Value(), 1);
    const Bytes polarity = Memory(model::PolarityAddr[0], 1);
    ASSERT_FALSE(polarity.empty());
    EXPECT_EQ(polarity[0] & 0xC0, 0xC0);

    // "Balanced" repeats on the stereo partner only, never over the link set.
    const int balanced = Byte(model::BalancedAddr);
    f.Check4(0).UserClick();
    f.Check4(6).UserClick();
    const int now = Byte(model::BalancedAddr);
    EXPECT_EQ(now & 0x05, (balanced & 0x05) ^ 0x01) << "input 3 of the link set keeps its own";
    EXPECT_EQ(now >> 6 & 1, (balanced >> 6 & 1) ^ 1);
    EXPECT_EQ(now >> 7 & 1, now >> 6 & 1) << "the stereo partner follows";
}

TEST_F(ChannelLink, AFailedMemberStopsTheLimiterRepeatButTheDelayVisitsEveryMember) {
    // On a serial link a failed exchange leaves the device connected.
    Connect({.link = testsupport::Link::Usb});
    FrmCtrl& f = Edit(slot);
    VX_REQUIRE_SIMULATOR(H());
    LinkOutputs(f, {0, 1, 2, 3});
    S().OfflineOnError = false;  // the editor stays open, so what follows the failure shows
    devsim::Device& d = H().Device();
    f.SSTab1.UserSelectTab(1);
    // Output 1's own send, output 2's, then output 3's fails.
    d.AddFault({.kind = devsim::FaultKind::NoReply, .fromFrame = d.FrameCount() + 3, .count = 1});
    const uint8_t untouched = d.ImageByte(model::LimAddr[3] + 2);
    f.Slider4(0).UserScroll(60);
    EXPECT_EQ(d.ImageByte(model::LimAddr[1] + 2), 240 - 60);
    EXPECT_EQ(d.ImageByte(model::LimAddr[3] + 2), untouched) << "output 4 is never reached";
    d.AddFault({.kind = devsim::FaultKind::NoReply, .fromFrame = d.FrameCount() + 3, .count = 1});
    f.UpDown2(0).UserUp();
    for (int o = 1; o < 4; ++o) EXPECT_EQ(d.ImageByte(model::DelayAddr[o] + 1), 1) << o;
}

TEST_F(ChannelLink, AMemberThatStopsAnsweringEndsTheRepeat) {
    FrmCtrl& f = ConnectAndEdit();
    VX_REQUIRE_SIMULATOR(H());
    LinkOutputs(f, {0, 1, 2, 3});
    devsim::Device& d = H().Device();
    // Output 1's own send, output 2's, then output 3's goes unanswered.
    const int sent = d.FrameCount();
    d.AddFault({.kind = devsim::FaultKind::NoReply, .fromFrame = sent + 3});
    f.SSTab1.UserSelectTab(1);
    Enter(f.Text1(8), "-6");
    EXPECT_EQ(d.FrameCount() - sent, 3);
    auto word = [&](int16_t ch) {
        return d.ImageByte(model::GainAddrHi[ch]) * 256 + d.ImageByte(model::GainAddrLo[ch]);
    };
    EXPECT_EQ(word(9), 1210);
    EXPECT_EQ(word(11), 1270) << "output 4 is never reached";
}

// ---- Every field an edit carries, onto every member, and nothing else ----

class RepeatCarries : public ChannelLink,
                      public ::testing::WithParamInterface<testsupport::LinkCase> {
  protected:
    using Field = testsupport::Field;

    Bytes Program() { return Memory(0, model::ProgramBytes); }
    // The equaliser set of input e: Mic inputs use the second.
    static int Bank(const testsupport::Arrangement& a, int16_t e) {
        if (a.outputs) return 0;
        return std::count(a.line.begin(), a.line.end(), e) != 0 ? 0 : 16;
    }
};

// Every channel holds values of its own in every field, written over the wire before the editor
// opens; of the bits the edit carries, the edited channel's differ from its members'. After the
// edit the whole working program, read back, equals the one before but for the edited channel's
// fields and, on each member, those same fields taken whole from the edited channel. A control
// that the link does not repeat there changes its own channel only.
TEST_P(RepeatCarries, EveryFieldOntoEveryMemberAndNothingElse) {
    const testsupport::Arrangement& a = *GetParam().where;
    const testsupport::LinkedControl& c = *GetParam().control;
    Connect();
    Bytes seeded = Program();
    ASSERT_EQ(seeded.size(), static_cast<size_t>(model::ProgramBytes));
    testsupport::SeedChannels(seeded, a.line, a.stereo);
    auto members = [&](const std::pair<int16_t, std::vector<int16_t>>& edit) {
        std::vector<int16_t> reached = GetParam().repeats ? edit.second : std::vector<int16_t>{};
        if (GetParam().repeats && c.everyMode) {
            reached.insert(reached.end(), a.otherMode.begin(), a.otherMode.end());
        }
        return reached;
    };
    auto bitSeed = [](const Field& f, bool edited) {
        return f.from >= 0 ? f.from : edited ? 0 : 1;
    };
    for (const auto& edit : a.edits) {
        const int bank = Bank(a, edit.first);
        for (const Field& f : c.fields(edit.first, bank)) {
            if (f.mask != 0xFF) testsupport::Put(seeded, f, bitSeed(f, true));
        }
        for (int16_t m : edit.second) {
            for (const Field& f : c.fields(m, bank)) {
                if (f.mask != 0xFF) testsupport::Put(seeded, f, bitSeed(f, false));
            }
        }
    }
    ASSERT_TRUE(H().WriteMemory(slot, model::WorkingProgramAddr, seeded));
    Reconnect(slot);
    FrmCtrl& f = Edit(slot);
    testsupport::Arrange(f, H().host, a);
    const Bytes before = Program();
    const auto& image = S().DevImage[slot].ProgImage;
    const Bytes imageBefore(image.begin(), image.begin() + model::ProgramBytes);
    for (const auto& edit : a.edits) EXPECT_TRUE(c.edit(f, H().host, edit.first)) << edit.first;
    const Bytes after = Program();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(H().host.Problems().empty());
    for (const auto& m : H().host.Messages()) EXPECT_NE(m.style & ui::vbYesNo, 0) << m.prompt;

    Bytes expected = before;
    for (const auto& edit : a.edits) {
        const int bank = Bank(a, edit.first);
        const testsupport::Fields from = c.fields(edit.first, bank);
        for (const Field& field : from)
            testsupport::Put(expected, field, testsupport::Get(after, field));
        for (int16_t m : members(edit)) {
            const testsupport::Fields to = c.fields(m, bank);
            const bool seededApart =
                std::count(a.otherMode.begin(), a.otherMode.end(), m) == 0 || !c.everyMode;
            for (size_t j = 0; j < to.size(); ++j) {
                const int value = testsupport::Get(after, from[j]);
                if (seededApart) {
                    EXPECT_NE(testsupport::Get(before, to[j]), value)
                        << "member " << m << " holds the carried value of byte " << to[j].addr
                        << " already";
                }
                testsupport::Put(expected, to[j], value);
            }
        }
    }
    for (size_t addr = 0; addr < after.size(); ++addr) {
        EXPECT_EQ(static_cast<int>(after[addr]), static_cast<int>(expected[addr]))
            << "byte " << addr << " (before " << static_cast<int>(before[addr]) << ")";
    }
    // What the edit changed on the PC it changed in the device alike.
    for (size_t addr = 0; addr < after.size(); ++addr) {
        if (image[addr] != imageBefore[addr] || after[addr] != before[addr]) {
            EXPECT_EQ(static_cast<int>(image[addr]), static_cast<int>(after[addr]))
                << "byte " << addr << " of the PC's image";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryControl, RepeatCarries,
                         ::testing::ValuesIn(testsupport::LinkCases(false)),
                         [](const auto& info) { return testsupport::LinkCaseName(info.param); });

}  // namespace
