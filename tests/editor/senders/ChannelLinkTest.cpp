// The channel link end to end: an edit on one channel of a link set or stereo pair reaches the
// other members in the device's memory, read back over the wire ("Balanced" only the stereo
// partner); a member that stops answering ends the repeat. For every control the link repeats,
// each field the edit carries reaches every member whole and nothing else changes.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "model/AddressTables.h"
#include "protocol/Commands.h"
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

// Members that take a band, and then a delay, are drawn, in either view, as a fresh editor on
// the image draws them: the third output, inverted and showing "Phase", with the band and then
// the 2 ms delay it took. Opening the fresh editor dissolves the link, so it is linked again.
TEST_F(ChannelLink, MembersAreDrawnWithWhatTheyTook) {
    FrmCtrl& f = ConnectAndEdit(3);
    f.Check2(10).UserClick();
    f.Option4(2).UserClick();
    LinkOutputs(f, {0, 1, 2});
    f.SSTab1.UserSelectTab(1);
    Enter(f.Text4(1), "2500");
    Enter(f.Text12(1), "6");
    FrmCtrl& fresh = ExpectDrawnAsFresh(slot);
    LinkOutputs(fresh, {0, 1, 2});
    fresh.SSTab1.UserSelectTab(1);
    for (int k = 0; k < 2; ++k) fresh.UpDown2(0).UserUp();
    EXPECT_TRUE(H().host.Problems().empty());
    ExpectDrawnAsFresh(slot);
    EXPECT_NEAR(S().Graph.Curves(slot).DelayPhase[2][0],
                -(20 * 3.1415926535 * 96 / 24000) * 57.2957877855694, 1e-9);
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
    using LinkEdit = std::pair<int16_t, std::vector<int16_t>>;

    Bytes Program() { return Memory(0, model::ProgramBytes); }
    // The members an edit reaches in ascending order.
    std::vector<int16_t> Members(const LinkEdit& edit) {
        const testsupport::LinkCase& c = GetParam();
        if (!c.repeats) return {};
        std::vector<int16_t> reached = edit.second;
        if (c.control->everyMode) {
            const testsupport::Arrangement& a = *c.where;
            reached.insert(reached.end(), a.otherMode.begin(), a.otherMode.end());
            std::erase_if(reached, [&](int16_t k) { return a.Stereo(k); });
        }
        std::sort(reached.begin(), reached.end());
        return reached;
    }
    // For each edit in turn, the edited channel's frames, then frames with the same codes for
    // each member in ascending order, each block addressed to its channel (a bracket frame
    // aside), and nothing else.
    void ExpectFramesInMemberOrder(const std::vector<Bytes>& frames) {
        const testsupport::Arrangement& a = *GetParam().where;
        std::vector<int16_t> blocks;
        for (const LinkEdit& edit : a.edits) {
            blocks.push_back(edit.first);
            for (int16_t m : Members(edit)) blocks.push_back(m);
        }
        ASSERT_FALSE(frames.empty());
        ASSERT_EQ(frames.size() % blocks.size(), 0u) << frames.size() << " frames";
        const size_t length = frames.size() / blocks.size();
        for (size_t k = 0; k < blocks.size(); ++k) {
            const int channel = a.outputs ? blocks[k] + 8 : blocks[k];
            for (size_t j = 0; j < length; ++j) {
                const Bytes& frame = frames[k * length + j];
                EXPECT_EQ(frame[3], frames[j][3]) << "block " << k << " frame " << j;
                if (frame[3] != CmdBulkUpdate) {
                    EXPECT_EQ(frame[4], channel) << "block " << k << " frame " << j;
                }
            }
        }
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
    auto bitSeed = [](const Field& f, bool edited) {
        return f.from >= 0 ? f.from : edited ? 0 : 1;
    };
    for (const LinkEdit& edit : a.edits) {
        const int bank = a.Bank(edit.first);
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
    ClearLog();
    for (const LinkEdit& edit : a.edits) EXPECT_TRUE(c.edit(f, H().host, edit.first)) << edit.first;
    if (Simulated()) ExpectFramesInMemberOrder(Requests());
    const Bytes after = Program();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(H().host.Problems().empty());
    for (const auto& m : H().host.Messages()) EXPECT_NE(m.style & ui::vbYesNo, 0) << m.prompt;

    Bytes expected = before;
    for (const LinkEdit& edit : a.edits) {
        const int bank = a.Bank(edit.first);
        const testsupport::Fields from = c.fields(edit.first, bank);
        for (const Field& field : from) {
            testsupport::Put(expected, field, testsupport::Get(after, field));
        }
        for (int16_t m : Members(edit)) {
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

// ---- A failed send over a link set, the editor kept open ----

class RepeatStops : public ChannelLink,
                    public ::testing::WithParamInterface<testsupport::LinkCase> {
  protected:
    // The frames sent when the n-th of an edit's frames fails: own of them the edited channel's,
    // each member's as many.
    static int Expected(testsupport::AfterFailure after, int n, int own, int frames) {
        switch (after) {
            case testsupport::AfterFailure::Stops:
                return n;
            case testsupport::AfterFailure::VisitsEveryMember:
                return n <= own ? n : frames;
            case testsupport::AfterFailure::TriesEveryBand:
                return n % own == 0 ? n : frames;
        }
        return n;
    }
};

// Every control repeated over the input (Mic and Line) and output link sets, on a serial link
// whose failed exchange leaves the editor open: a device that does not answer at any one frame
// of the edit and its repeat gets nothing after that frame, but for the delay, whose repeat
// visits every member whatever a send gave, and "Flat Eq", which sends every band of a channel.
TEST_P(RepeatStops, NothingGoesOutAfterTheFailedFrame) {
    const testsupport::Arrangement& a = *GetParam().where;
    const testsupport::LinkedControl& c = *GetParam().control;
    Connect({.link = testsupport::Link::Usb});
    FrmCtrl& f = Edit(slot);
    VX_REQUIRE_SIMULATOR(H());
    testsupport::Arrange(f, H().host, a);
    const int16_t edited = a.edits.front().first;
    if (c.ready) c.ready(f, edited);
    S().OfflineOnError = false;
    devsim::Device& d = H().Device();
    ClearLog();
    int start = d.FrameCount();
    ASSERT_TRUE(c.edit(f, H().host, edited));
    const int frames = d.FrameCount() - start;
    const int channel = a.outputs ? edited + 8 : edited;
    int own = 0;
    for (const Bytes& r : Requests()) {
        if (r[3] != CmdBulkUpdate && r[4] != channel) break;
        ++own;
    }
    ASSERT_GT(frames, own) << "the edit is repeated";
    for (int n = 1; n <= frames && !HasFailure(); ++n) {
        SCOPED_TRACE("no answer at frame " + std::to_string(n) + " of " + std::to_string(frames));
        d.ClearFaults();
        start = d.FrameCount();
        d.AddFault({.kind = devsim::FaultKind::NoReply, .fromFrame = start + n, .count = 1});
        c.edit(f, H().host, edited);
        EXPECT_EQ(d.FrameCount() - start, Expected(c.afterFailure, n, own, frames));
        EXPECT_FALSE(f.Finished());
    }
}

std::vector<testsupport::LinkCase> LinkSetRepeats() {
    std::vector<testsupport::LinkCase> cases;
    for (const auto& c : testsupport::LinkCases(true)) {
        if (c.where->LinkSet()) cases.push_back(c);
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryLinkSetControl, RepeatStops, ::testing::ValuesIn(LinkSetRepeats()),
                         [](const auto& info) { return testsupport::LinkCaseName(info.param); });

}  // namespace
