// The channel copy dialogs end to end: a confirmed copy leaves the destination's bytes in the
// device's memory equal to the source's for every field copied and changes nothing else (the
// whole parameter memory read back over the wire before and after); each refusal shows its
// message and sends nothing. From the first channel onto the last and back, with every field
// of every channel at a value of its own, the copy sends its frames in their fixed order.
#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <set>
#include <vector>

#include "devsim/Device.h"
#include "model/AddressTables.h"
#include "processing/FrmCopyChannel.h"
#include "protocol/Commands.h"
#include "support/EditorRoad.h"
#include "support/LinkedChannels.h"

namespace {

using testsupport::Enter;

constexpr int kProgramSize = 912;

class ChannelCopy : public testsupport::EditorRoadTest {
  protected:
    Bytes Program() { return Memory(0, kProgramSize); }
    // Answers the copy dialog with source and destination and "Confirm", then Yes.
    void CopyWith(FrmCtrl& f, int16_t button, const char* form, int16_t from, int16_t to,
                  bool yes = true) {
        if (yes) H().host.Answer(ui::vbYes);
        H().host.DriveModal(form, [&](ui::Form& dialog) {
            auto& d = static_cast<FrmCopyChannel&>(dialog);
            d.Combo1(0).UserSelect(from);
            d.Combo1(1).UserSelect(to);
            d.Command1(0).UserClick();
            if (d.Visible()) d.Command1(1).UserClick();
        });
        f.Command2(button).UserClick();
    }
    static bool Bit(const Bytes& m, int addr, int k) { return (m.at(addr) >> k & 1) != 0; }
    // Every byte that differs between before and after lies in allowed.
    static void OnlyChanged(const Bytes& before, const Bytes& after, const std::set<int>& allowed) {
        ASSERT_EQ(after.size(), before.size());
        for (size_t a = 0; a < before.size(); ++a) {
            if (before[a] != after[a]) {
                EXPECT_TRUE(allowed.count(static_cast<int>(a))) << a;
            }
        }
    }
};

TEST_F(ChannelCopy, AnInputCopyCarriesEveryFieldOntoTheDestinationOnly) {
    FrmCtrl& f = ConnectAndEdit();
    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    Enter(f.Text1(0), "-5");
    f.Command90(0).UserClick();
    f.Check2(0).UserClick();
    f.Check5(0).UserClick();
    f.Combo9(0).UserSelect(2);
    f.Check13(2).UserClick();  // a link that the copy dissolves
    const Bytes before = Program();
    ASSERT_EQ(before.size(), static_cast<size_t>(kProgramSize));

    CopyWith(f, 8, "FrmCopyInput", 0, 3);
    EXPECT_TRUE(H().host.Problems().empty());
    const Bytes after = Program();
    const int s = 0;
    const int d = 3;
    EXPECT_EQ(after[model::GainAddrHi[d]], after[model::GainAddrHi[s]]);
    EXPECT_EQ(after[model::GainAddrLo[d]], after[model::GainAddrLo[s]]);
    EXPECT_EQ(after[model::InFilterAddr[d]], after[model::InFilterAddr[s]]);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(after[model::NgAddr[d] + j], after[model::NgAddr[s] + j]);
    const std::set<int> bitBytes = {448, 424, 425, 426, 468, 888};
    for (int addr : bitBytes) EXPECT_EQ(Bit(after, addr, d), Bit(after, addr, s)) << addr;
    const int bank = S().EqInBankOfs[s];
    for (int j = 0; j < 16; ++j) {
        EXPECT_EQ(after[480 + 32 * d + bank + j], after[480 + 32 * s + bank + j]) << j;
    }
    std::set<int> allowed = bitBytes;
    allowed.insert({model::GainAddrHi[d], model::GainAddrLo[d], model::InFilterAddr[d]});
    for (int j = 0; j < 3; ++j) allowed.insert(model::NgAddr[d] + j);
    for (int j = 0; j < 32; ++j) allowed.insert(480 + 32 * d + j);
    OnlyChanged(before, after, allowed);
    for (int16_t i = 0; i < 8; ++i) EXPECT_EQ(f.Check13(i).Value(), 0) << i;
    EXPECT_EQ(S().InLinkMask[S().CurDev], 0);
}

TEST_F(ChannelCopy, AnOutputCopyCarriesEveryFieldOntoTheDestinationOnly) {
    FrmCtrl& f = ConnectAndEdit();
    f.SSTab1.UserSelectTab(2);
    Enter(f.Text1(9), "-7");
    Enter(f.Text4(6), "1200");
    f.Combo2(3).UserSelect(4);
    f.UpDown2(1).UserUp();
    f.Slider4(1).UserScroll(50);
    f.Slider400(1).UserScroll(70);
    f.Command5(1).UserClick();
    f.Check2(9).UserClick();
    f.Check13(8 + 5).UserClick();
    f.Check13(8 + 6).UserClick();
    const Bytes before = Program();
    ASSERT_EQ(before.size(), static_cast<size_t>(kProgramSize));

    CopyWith(f, 9, "FrmCopyOut", 1, 5);
    EXPECT_TRUE(H().host.Problems().empty());
    const Bytes after = Program();
    const int s = 1;
    const int d = 5;
    for (int j = 16; j < 60; ++j) EXPECT_EQ(after[52 * d + j], after[52 * s + j]) << j;
    EXPECT_EQ(after[455 + d], after[455 + s]);
    std::set<int> allowed = {429, 449, 450, 451, 452};
    for (int addr : allowed) EXPECT_EQ(Bit(after, addr, d), Bit(after, addr, s)) << addr;
    allowed.insert(455 + d);
    for (int j = 16; j < 60; ++j) allowed.insert(52 * d + j);
    OnlyChanged(before, after, allowed);
    for (int16_t o = 8; o < 16; ++o) EXPECT_EQ(f.Check13(o).Value(), 0) << o;
    EXPECT_EQ(f.Text4(26).Text(), "1200");
}

// The copy gives the bands before the level bypass, polarity and delay, and still draws the
// destination with all of them, in either view, as a fresh editor on the image draws it.
TEST_F(ChannelCopy, AnOutputCopyDrawsTheDestinationWithAllItGave) {
    FrmCtrl& f = ConnectAndEdit(2);
    Enter(f.Text1(9), "-6");
    f.Command90(9).UserClick();                         // level bypass
    f.Check2(9).UserClick();                            // polarity
    for (int k = 0; k < 3; ++k) f.UpDown2(1).UserUp();  // 3 ms, 144 samples
    f.SSTab1.UserSelectTab(6);
    f.Option4(5).UserClick();
    CopyWith(f, 9, "FrmCopyOut", 1, 5);
    CopyWith(f, 9, "FrmCopyOut", 1, 6);
    EXPECT_TRUE(H().host.Problems().empty());

    // Flat bands, no crossover: output 6 shows the delay's phase turned by the polarity, output 7
    // the middle row without the bypassed level.
    const auto drawn = DrawnCurves(f);
    const double phase = -(20 * 3.1415926535 * 144 / 24000) * 57.2957877855694 - 180 + 360;
    EXPECT_EQ(drawn[5].at(0).second, std::nearbyint(95.4 - 0.5305555555555556 * phase));
    EXPECT_TRUE(std::all_of(drawn[6].begin(), drawn[6].end(),
                            [](const auto& point) { return point.second == 95; }));
    ExpectDrawnAsFresh(slot);
}

TEST_F(ChannelCopy, RefusalsTellWhyAndSendNothing) {
    FrmCtrl& f = ConnectAndEdit();
    const Bytes before = Program();
    auto refused = [&](int16_t button, const char* form, int16_t from, int16_t to) {
        ClearLog();
        H().host.TakeMessages();
        CopyWith(f, button, form, from, to, false);
        ExpectRequests({});
        const auto messages = H().host.TakeMessages();
        return messages.empty() ? std::string() : messages[0].title + ": " + messages[0].prompt;
    };
    EXPECT_EQ(refused(8, "FrmCopyInput", 2, 2),
              "Copy Input: Copy not possible, Source=Destination");
    EXPECT_EQ(refused(9, "FrmCopyOut", 4, 4), "Copy Output: Copy not possible, Source=Destination");
    S().DevImage[S().CurDev].ProgImage[911] = 0x01;  // inputs 1 and 2 as a stereo pair
    EXPECT_EQ(refused(8, "FrmCopyInput", 0, 1),
              "Copy Input: Copy not possible, channel already in stereo mode");
    S().DevImage[S().CurDev].ProgImage[911] = 0;
    auto source = S().DevParam[S().CurDev].InSource();
    source[0] = 0;
    source[3] = 1;
    S().DevImage[S().CurDev].ProgImage[425] = 0x08;
    EXPECT_EQ(refused(8, "FrmCopyInput", 0, 3),
              "Copy Input: Copy not possible,\r\n" + f.Label13(0).Caption() +
                  " is set to Mic Mode\r\n" + f.Label13(3).Caption() + " is set to Line mode");
    // No to the question copies nothing.
    H().host.Answer(ui::vbNo);
    EXPECT_EQ(refused(9, "FrmCopyOut", 0, 1), "Copy Output:                Are you sure ? ");
    EXPECT_EQ(Program(), before);
}

// A copy takes the equaliser set the source uses now: inputs that were Mic inputs when the
// editor opened and were then switched to Line copy their Line set, read back from the device.
TEST_F(ChannelCopy, AnInputCopyTakesTheEqualiserSetOfTheSourcesPresentType) {
    Connect();
    const int line = 480;                         // input 1, band 1 of the Line set
    const int mic = 480 + 16;                     // input 1, band 1 of the Mic set
    const Bytes lineBand{0, 0x0F, 0xA0, 30, 40};  // 4000 Hz
    const Bytes micBand{0, 0x00, 0xFA, 10, 36};   // 250 Hz
    for (const auto& [addr, bytes] : {std::pair<int, Bytes>{425, {0xF6}},  // inputs 1, 4 Mic
                                      {line, lineBand},
                                      {mic, micBand}}) {
        ASSERT_TRUE(H().WriteMemory(slot, model::WorkingProgramAddr + addr, bytes));
    }
    Reconnect(slot);
    FrmCtrl& f = Edit(slot, FrmCtrl::kTabInputs);
    f.Combo5(0).UserSelect(1);
    f.Combo5(3).UserSelect(1);
    ASSERT_EQ(Byte(425), 0xFF);

    CopyWith(f, 8, "FrmCopyInput", 0, 3);
    EXPECT_TRUE(H().host.Problems().empty());
    EXPECT_EQ(Memory(line + 3 * 32, 5), lineBand) << "input 4 uses the Line set the copy gives";
    EXPECT_EQ(Memory(mic + 3 * 32, 5), (Bytes{0, 3, 232, 24, 24})) << "its Mic set stays";

    // Stereo mode copies the first input of the pair onto the second in the same way.
    f.Combo5(0).UserSelect(0);
    f.Combo5(1).UserSelect(0);
    f.Combo5(0).UserSelect(1);
    f.Combo5(1).UserSelect(1);
    H().host.Answer(ui::vbYes);
    f.Check11(0).UserClick();
    EXPECT_EQ(Memory(line + 32, 5), lineBand) << "input 2 takes input 1's Line set";
}

// ---- First channel onto last and back: every field, the frames in order ----

struct CopyCase {
    const char* name;
    bool outputs;
    int16_t from;
    int16_t to;
    bool line;                         // the inputs in Line mode (else Mic)
    std::vector<int16_t> stereo = {};  // input pairs in stereo mode
    // The channels copied onto: to, and its stereo partner when to is in a pair.
    std::vector<int16_t> Destinations() const {
        if (std::count(stereo.begin(), stereo.end(), to / 2) == 0) return {to};
        return {to, static_cast<int16_t>(to ^ 1)};
    }
};

void PrintTo(const CopyCase& c, std::ostream* os) {
    *os << c.name;
}

// Code, channel and second data byte of each frame.
using Shape = std::array<int, 3>;

// The fields of channel ch that the copy carries: an input's level bypass, Mic/Line mode,
// level, polarity, gate, filter, feedback suppressor, processing and the equaliser set of its
// type; an output's level, compressor, limiter, crossovers, equaliser, level bypass, polarity
// and delay, each with its switch. Not carried: mute, "Balanced", names, routing.
testsupport::Fields CopiedFields(const CopyCase& c, int16_t ch) {
    using namespace testsupport;
    if (!c.outputs) {
        const int bank = c.line ? 0 : 16;
        Fields all = Join({Bit(model::ChFlagAddrIn, ch), Bit(model::InSourceAddr, ch), InLevel(ch),
                           Bit(model::PolarityAddr[0], ch), Bit(model::NgEnableAddr, ch),
                           InGate(ch), InFilter(ch), Bit(model::InModeAddr, ch),
                           Bit(model::InProcAddr, ch), InEqFlags(ch, bank)});
        for (int16_t b = 0; b < 3; ++b) all = Join({all, InEqBand(ch, b, bank)});
        return all;
    }
    Fields all =
        Join({OutLevel(ch), Bit(model::CompBypAddr, ch), Compressor(ch), Bit(model::LimBypAddr, ch),
              Limiter(ch), Xover(ch, 0), Xover(ch, 1), Fields{{model::EqOutFlagAddr[ch]}}});
    for (int16_t b = 0; b < 5; ++b) all = Join({all, OutEqBand(ch, b)});
    return Join({all, Bit(model::ChFlagAddrOut, ch), Bit(model::PolarityAddr[1], ch),
                 Bit(model::DelayBypAddr, ch), Delay(ch)});
}

// The frames of a copy onto channel d (0..7), in the order the copy sends them. An input: level
// bypass; Mic/Line in a bracket with the feedback suppressor, level and processing it implies;
// level; polarity; gate; filter; feedback mode in a bracket; processing with its feedback
// suppressor; the three equaliser bands.
std::vector<Shape> CopyFrames(bool outputs, int d) {
    if (!outputs) {
        std::vector<Shape> frames = {
            {CmdChannelBlock, d, 0}, {CmdBulkUpdate, 0, 0},   {CmdInputSource, d, 0},
            {CmdInputOption, d, 0},  {CmdGain, d, 0},         {CmdInputProcType, d, 0},
            {CmdBulkUpdate, 1, 0},   {CmdChannelBlock, d, 0}, {CmdChannelBlock, d, 0},
            {CmdNoiseGate, d, 0},    {CmdInputFilter, d, 0},  {CmdBulkUpdate, 0, 0},
            {CmdInputOption, d, 0},  {CmdBulkUpdate, 1, 0},   {CmdInputProcType, d, 0},
            {CmdInputOption, d, 0}};
        for (int b = 0; b < 3; ++b) frames.push_back({CmdEqBand, d, b});
        return frames;
    }
    // An output: level; compressor switch and its five values; limiter switch and its three;
    // high-pass and low-pass; the five bands; level bypass; polarity; delay switch; delay.
    const int ch = d + 8;
    std::vector<Shape> frames = {{CmdChannelBlock, ch, 0}, {CmdOutCompressor, ch, 0}};
    for (int sub : {0, 0, 0, 1, 2}) frames.push_back({CmdOutCompressor, ch, sub});
    for (int k = 0; k < 4; ++k) frames.push_back({CmdOutLimiter, ch, 0});
    for (int kind : {0, 1}) frames.push_back({CmdOutXover, ch, kind});
    for (int b = 0; b < 5; ++b) frames.push_back({CmdEqBand, ch, b});
    for (int code : {CmdChannelBlock, CmdChannelBlock, CmdOutDelay, CmdOutDelay}) {
        frames.push_back({code, ch, 0});
    }
    return frames;
}

class CopyCarries : public ChannelCopy, public ::testing::WithParamInterface<CopyCase> {};

// Every field of every channel holds a value of its own (the Mic/Line mode aside, which the
// dialog requires alike, and a Line input's fixed processing), written over the wire before the
// editor opens. After the copy the whole working program read back equals the one before but
// for the destination's copied fields, now the source's (a destination in a stereo pair takes
// its partner along); what changed on the PC changed in the device alike; the frames came in
// their fixed order.
TEST_P(CopyCarries, EveryFieldOntoTheDestinationInTheFixedFrameOrder) {
    const CopyCase& c = GetParam();
    Connect();
    Bytes seeded = Program();
    ASSERT_EQ(seeded.size(), static_cast<size_t>(kProgramSize));
    testsupport::SeedChannels(
        seeded, c.line ? std::vector<int16_t>{0, 1, 2, 3, 4, 5, 6, 7} : std::vector<int16_t>{},
        c.stereo);
    ASSERT_TRUE(H().WriteMemory(slot, model::WorkingProgramAddr, seeded));
    Reconnect(slot);
    FrmCtrl& f = Edit(slot, c.outputs ? static_cast<int16_t>(1 + c.from) : FrmCtrl::kTabInputs);
    const Bytes before = Program();
    const auto& image = S().DevImage[slot].ProgImage;
    const Bytes imageBefore(image.begin(), image.begin() + kProgramSize);
    ClearLog();
    CopyWith(f, c.outputs ? 9 : 8, c.outputs ? "FrmCopyOut" : "FrmCopyInput", c.from, c.to);
    const Bytes after = Program();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(H().host.Problems().empty());

    const testsupport::Fields from = CopiedFields(c, c.from);
    Bytes expected = before;
    std::vector<Shape> frames;
    for (int16_t d : c.Destinations()) {
        const testsupport::Fields to = CopiedFields(c, d);
        for (size_t j = 0; j < to.size(); ++j) {
            const int value = testsupport::Get(before, from[j]);
            const bool alikeByRule =
                to[j].addr == model::InSourceAddr ||
                (c.line && (to[j].addr == model::InModeAddr || to[j].addr == model::InProcAddr));
            if (!alikeByRule) {
                EXPECT_NE(testsupport::Get(before, to[j]), value)
                    << "byte " << to[j].addr << " holds the source's value already";
            }
            testsupport::Put(expected, to[j], value);
        }
        const std::vector<Shape> onto = CopyFrames(c.outputs, d);
        frames.insert(frames.end(), onto.begin(), onto.end());
    }
    for (size_t addr = 0; addr < after.size(); ++addr) {
        EXPECT_EQ(static_cast<int>(after[addr]), static_cast<int>(expected[addr]))
            << "byte " << addr << " (before " << static_cast<int>(before[addr]) << ")";
        if (image[addr] != imageBefore[addr] || after[addr] != before[addr]) {
            EXPECT_EQ(static_cast<int>(image[addr]), static_cast<int>(after[addr]))
                << "byte " << addr << " of the PC's image";
        }
    }
    if (Simulated()) {
        std::vector<Shape> sent;
        for (const Bytes& r : Requests()) {
            if (r[3] != CmdReadMem) sent.push_back({r[3], r[4], r[5]});
        }
        EXPECT_EQ(sent, frames);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FirstAndLast, CopyCarries,
    ::testing::Values(CopyCase{"InputOneOntoEightMic", false, 0, 7, false},
                      CopyCase{"InputEightOntoOneLine", false, 7, 0, true},
                      CopyCase{"InputOneOntoEightOfAStereoPair", false, 0, 7, true, {3}},
                      CopyCase{"OutputOneOntoEight", true, 0, 7, false},
                      CopyCase{"OutputEightOntoOne", true, 7, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
