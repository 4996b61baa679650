// The channels of a device linked to each other, for end-to-end tests of the channel link and
// the channel copy: the fields each channel holds in the working program (with a value of its
// own for every channel, so that a value carried to the wrong place or not at all shows), the
// arrangements of link sets and stereo pairs, and every control whose edit the link repeats
// with the fields that edit carries to the linked channels.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "editor/FrmCtrl.h"
#include "editor/FrmSelFilter.h"
#include "model/AddressTables.h"
#include "processing/FrmEqIn.h"
#include "processing/FrmLimiter.h"
#include "processing/FrmNG.h"
#include "support/Typing.h"
#include "ui/HeadlessHost.h"

namespace testsupport {

// A slider moved to another position than it holds; false when it took no move.
inline bool Move(ui::Slider& slider) {
    return slider.UserScroll(slider.Value() == slider.Min() ? slider.Min() + 1 : slider.Min());
}

// The bits of mask in the byte at addr of the working program. seed is the channel's own value
// of a byte field; a bit field is seeded by the test. from >= 0 marks a bit that the edit
// itself changes on the edited channel, from that value.
struct Field {
    int addr;
    uint8_t mask = 0xFF;
    int seed = 0;
    int from = -1;
};
using Fields = std::vector<Field>;
using Bytes = std::vector<uint8_t>;

// A byte field's value, or a bit field's state (0 or 1).
inline int Get(const Bytes& m, const Field& f) {
    const int b = m.at(static_cast<size_t>(f.addr)) & f.mask;
    return f.mask == 0xFF ? b : (b != 0 ? 1 : 0);
}
inline void Put(Bytes& m, const Field& f, int value) {
    uint8_t& b = m.at(static_cast<size_t>(f.addr));
    if (f.mask == 0xFF) {
        b = static_cast<uint8_t>(value);
    } else {
        b = static_cast<uint8_t>((b & ~f.mask) | (value != 0 ? f.mask : 0));
    }
}

// ---- The fields of input i and output o, with values valid for the device ----

inline Fields Bit(int addr, int16_t ch, int from = -1) {
    return {{addr, static_cast<uint8_t>(1 << ch), 0, from}};
}
inline Fields Join(std::initializer_list<Fields> parts) {
    Fields all;
    for (const Fields& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// A level word with a high byte of 1..4 and a low byte of its own.
inline Fields Level(int hi, int lo, int16_t c) {
    return {{hi, 0xFF, c % 4 + 1}, {lo, 0xFF, 20 + 11 * c}};
}
inline Fields InLevel(int16_t i) {
    return Level(model::GainAddrHi[i], model::GainAddrLo[i], i);
}
inline Fields OutLevel(int16_t o) {
    return Level(model::GainAddrHi[8 + o], model::GainAddrLo[8 + o], static_cast<int16_t>(7 - o));
}
// Filter type 1 or 2 (never off) in bits 6..7, frequency step 1..22.
inline Fields InFilter(int16_t i) {
    return {{model::InFilterAddr[i], 0xFF, (1 + i % 2) * 64 + 3 * i + 1}};
}
inline Fields InGate(int16_t i) {
    const int a = model::NgAddr[i];
    return {{a, 0xFF, 10 + 7 * i}, {a + 1, 0xFF, 2 + i}, {a + 2, 0xFF, 1 + 3 * i}};
}
// A band's gain byte (48 - slider position) that is never 24, the byte of 0 dB.
inline int Gain(int g) {
    return g < 24 ? g : g + 1;
}
// An equaliser band record: type, frequency high and low, Q index, 48 - gain slider. The
// frequency over Q stays inside what a peaking band admits; the type differs between each edited
// channel and its members or copies, and is the same on outputs 2 and 8.
inline Fields EqBand(int a, int c, int b) {
    static constexpr int kType[9] = {0, 1, 2, 0, 1, 0, 2, 1, 2};
    const int freq = 300 + 517 * c + 41 * b;
    return {{a, 0xFF, (kType[c] + b) % 3},
            {a + 1, 0xFF, freq >> 8},
            {a + 2, 0xFF, freq & 0xFF},
            {a + 3, 0xFF, 5 + 9 * c + b},
            {a + 4, 0xFF, Gain(4 + 5 * c + b)}};
}
// Bank 0 is the set of a Line input, 16 the set of a Mic input.
inline Fields InEqBand(int16_t i, int16_t b, int bank) {
    return EqBand(model::EqInBandAddr[3 * i + b] + bank, i + bank / 16, b);
}
// The bypass bits of the input's three bands as one byte, and as the three bits.
inline Fields InEqFlags(int16_t i, int bank) {
    return {{model::EqInFlagAddr[i] + bank, 0xFF, (i + 1 + bank / 16) % 8}};
}
inline Fields InEqFlagBits(int16_t i, int bank) {
    Fields bits;
    for (int b = 0; b < 3; ++b) bits.push_back({model::EqInFlagAddr[i] + bank, uint8_t(1 << b)});
    return bits;
}
inline Fields OutEqBand(int16_t o, int16_t b) {
    return EqBand(model::EqOutBandAddr[5 * o + b], o, b);
}
// High-pass (kind 0) or low-pass (1): frequency high and low, a type that is never off.
inline Fields Xover(int16_t o, int kind) {
    static constexpr int kType[8] = {1, 4, 7, 2, 5, 8, 3, 6};
    const int a = model::XoverAddr[2 * o + kind];
    const int freq = 50 + 613 * o + 7000 * kind;
    return {{a, 0xFF, freq >> 8}, {a + 1, 0xFF, freq & 0xFF}, {a + 2, 0xFF, kType[(o + kind) % 8]}};
}
// Whole milliseconds high and low (under 380; the high byte 0 for outputs 1, 4 and 7), fine
// steps (under 48).
inline Fields Delay(int16_t o) {
    const int a = model::DelayAddr[o];
    const int ms = 256 * (o % 3 != 0 ? 1 : 0) + 10 + 13 * o;
    return {{a, 0xFF, ms >> 8}, {a + 1, 0xFF, ms & 0xFF}, {a + 2, 0xFF, 3 + 6 * o}};
}
// Threshold, ratio, knee, attack, release.
inline Fields Compressor(int16_t o) {
    const int a = model::CompAddr[o];
    return {{a, 0xFF, 20 + 25 * o},
            {a + 1, 0xFF, 2 + 3 * o},
            {a + 2, 0xFF, 5 + 12 * o},
            {a + 3, 0xFF, 1 + 3 * o},
            {a + 4, 0xFF, 2 + 3 * o}};
}
// Release, attack, threshold.
inline Fields Limiter(int16_t o) {
    const int a = model::LimAddr[o];
    return {{a, 0xFF, 3 + 3 * o}, {a + 1, 0xFF, 1 + 3 * o}, {a + 2, 0xFF, 30 + 25 * o}};
}

// The bit bytes of the inputs and of the outputs a channel has one bit in (the Mic/Line bits
// and the stereo pairs are the arrangement's).
inline constexpr int kInputBits[] = {
    model::ChFlagAddrIn, model::PolarityAddr[0], model::MuteAddr[0], model::BalancedAddr,
    model::NgEnableAddr, model::InModeAddr,      model::InProcAddr};
inline constexpr int kOutputBits[] = {model::ChFlagAddrOut, model::PolarityAddr[1],
                                      model::MuteAddr[1],   model::DelayBypAddr,
                                      model::CompBypAddr,   model::LimBypAddr};

// Every byte field of input i and of output o.
inline Fields InputFields(int16_t i) {
    Fields all = Join({InLevel(i), InFilter(i), InGate(i)});
    for (int bank : {0, 16}) {
        all = Join({all, InEqFlags(i, bank)});
        for (int16_t b = 0; b < 3; ++b) all = Join({all, InEqBand(i, b, bank)});
    }
    return all;
}
inline Fields OutputFields(int16_t o) {
    Fields all = Join({OutLevel(o), Xover(o, 0), Xover(o, 1), Delay(o), Compressor(o), Limiter(o)});
    for (int16_t b = 0; b < 5; ++b) all = Join({all, OutEqBand(o, b)});
    return all;
}

inline uint8_t BitsOf(const std::vector<int16_t>& indices) {
    uint8_t bits = 0;
    for (int16_t k : indices) bits = static_cast<uint8_t>(bits | 1 << k);
    return bits;
}

// The working program m with every field of every channel at its own value and every bit of a
// channel in a pattern where the first channel differs from the last two and from the second;
// the inputs in line are in Line mode, the others Mic, the input pairs in stereo in stereo mode.
// A Mic input's feedback suppressor is on only while it is the input's processing; a Line input
// has the equaliser and no feedback suppressor.
inline void SeedChannels(Bytes& m, const std::vector<int16_t>& line,
                         const std::vector<int16_t>& stereo) {
    for (int16_t c = 0; c < 8; ++c) {
        for (const Field& f : Join({InputFields(c), OutputFields(c)})) {
            m.at(static_cast<size_t>(f.addr)) = static_cast<uint8_t>(f.seed);
        }
        static constexpr int kBits[8] = {0, 1, 0, 1, 0, 1, 1, 1};
        for (int addr : kInputBits) Put(m, Bit(addr, c)[0], kBits[c] ^ addr % 2);
        for (int addr : kOutputBits) Put(m, Bit(addr, c)[0], kBits[c] ^ addr % 2);
        const bool lineInput = std::count(line.begin(), line.end(), c) != 0;
        const bool feedback = c % 2 == 0 && !lineInput;
        Put(m, Bit(model::InProcAddr, c)[0], feedback ? 0 : 1);
        Put(m, Bit(model::InModeAddr, c)[0], feedback && c % 4 == 0 ? 1 : 0);
        uint8_t bypassed = 0;
        for (int b = 0; b < 5; ++b)
            bypassed = static_cast<uint8_t>(bypassed | (kBits[c] ^ b % 2) << b);
        m.at(static_cast<size_t>(model::EqOutFlagAddr[c])) = bypassed;
    }
    m.at(model::InSourceAddr) = BitsOf(line);
    m.at(model::StereoModeAddr) = BitsOf(stereo);
}

// ---- Arrangements of linked channels ----

struct Arrangement {
    const char* name;
    bool outputs;
    std::vector<int16_t> linked;  // link boxes ticked, channels 0..7 of the side
    std::vector<int16_t> line;    // inputs in Line mode (the others Mic)
    std::vector<int16_t> stereo;  // input pairs in stereo mode
    // The channels edited in turn, each with the members its edit reaches.
    std::vector<std::pair<int16_t, std::vector<int16_t>>> edits;
    // The link set's inputs of the other mode, which the Mic/Line edit reaches besides (as it
    // reaches no stereo pair).
    std::vector<int16_t> otherMode = {};

    bool LinkSet() const { return !linked.empty(); }
    bool Line(int16_t i) const { return std::count(line.begin(), line.end(), i) != 0; }
    bool Stereo(int16_t i) const { return std::count(stereo.begin(), stereo.end(), i / 2) != 0; }
    // The equaliser set of input i: 16 for a Mic input.
    int Bank(int16_t i) const { return outputs || Line(i) ? 0 : 16; }
};

inline const std::vector<Arrangement>& Arrangements() {
    static const std::vector<Arrangement> all = {
        // Input 3 edited in a link set of inputs 1, 2, 3, 5, 6 (the stereo pair 5-6) and 8;
        // inputs 4 and 7 are not in the set. With Mic inputs, inputs 1 and 8 follow; input 2
        // and the pair, Line inputs, do not. With Line inputs, the pair follows too, and input 2,
        // a Mic input, does not. Mic/Line reaches input 2 too, but never the pair.
        {"InputLinkSetMic", false, {0, 1, 2, 4, 7}, {1, 4, 5}, {2}, {{2, {0, 7}}}, {1}},
        {"InputLinkSetLine",
         false,
         {0, 1, 2, 4, 7},
         {0, 2, 4, 5, 7},
         {2},
         {{2, {0, 4, 5, 7}}},
         {1}},
        // Pairs 1-2 and 7-8 in stereo mode, neither in the link set.
        {"StereoPairs", false, {}, {0, 1, 6, 7}, {0, 3}, {{0, {1}}, {7, {6}}}},
        // Outputs 2 and 8 follow output 1.
        {"OutputLinkSet", true, {0, 1, 7}, {}, {}, {{0, {1, 7}}}},
    };
    return all;
}

// The arrangement made as a user makes it: Mic/Line modes, stereo pairs (answered Yes), then
// the link boxes; a step already in place is left. A stereo pair that is switched on copies
// its first input onto the second.
inline void Arrange(FrmCtrl& f, ui::HeadlessHost& host, const Arrangement& a) {
    if (!a.outputs) {
        f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
        const uint8_t line = BitsOf(a.line);
        for (int16_t i = 0; i < 8; ++i) {
            const int16_t mode = line >> i & 1;
            if (f.Combo5(i).ListIndex() != mode) f.Combo5(i).UserSelect(mode);
        }
        for (int16_t p : a.stereo) {
            if (f.Check11(p).Value() == 1) continue;
            host.Answer(ui::vbYes);
            f.Check11(p).UserClick();
        }
    }
    for (int16_t k : a.linked) {
        ui::CheckBox& box = f.Check13(static_cast<int16_t>(a.outputs ? k + 8 : k));
        if (box.Value() == 0) box.UserClick();
    }
}

// ---- The controls whose edit the link repeats ----

// Where the link repeats a control's edit.
enum class Reach {
    Everywhere,
    StereoPartnerOnly,  // "Balanced", never repeated over the input link set
    Nowhere,            // mute
};
enum class AfterFailure {
    Stops,
    VisitsEveryMember,  // the delay: each member is sent whatever a send gave
    // "Flat Eq": each band of a channel is sent whatever a send gave; a failed last band ends
    // the repeat.
    TriesEveryBand,
};
// Which inputs offer the control: a stereo pair's Mic/Line mode is fixed, and a Line input has
// no processing or feedback choice.
enum class Offered { Always, NotInStereo, MicOnly };

struct LinkedControl {
    const char* name;
    bool outputs;
    Reach reach;
    // The fields of channel ch (0..7 of its side) that the edit carries; bank is the edited
    // input's equaliser set (16 for a Mic input).
    std::function<Fields(int16_t ch, int bank)> fields;
    // The user's edit on channel ch; false when the control took none.
    std::function<bool(FrmCtrl& f, ui::HeadlessHost& host, int16_t ch)> edit;
    // Brings channel ch where the control takes an edit, when it is not there.
    std::function<void(FrmCtrl& f, int16_t ch)> ready = {};
    // The repeat reaches the link set's inputs of the other Mic/Line mode too.
    bool everyMode = false;
    Offered offered = Offered::Always;
    // What follows a failed send while the editor stays open.
    AfterFailure afterFailure = AfterFailure::Stops;
};

namespace linked {

using Edit = std::function<bool(FrmCtrl&, ui::HeadlessHost&, int16_t)>;

// An edit on the inputs tab, or on output ch's tab.
inline Edit OnInput(std::function<bool(FrmCtrl&, int16_t)> edit) {
    return [edit](FrmCtrl& f, ui::HeadlessHost&, int16_t i) {
        f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
        return edit(f, i);
    };
}
inline Edit OnOutput(std::function<bool(FrmCtrl&, int16_t)> edit) {
    return [edit](FrmCtrl& f, ui::HeadlessHost&, int16_t o) {
        f.SSTab1.UserSelectTab(static_cast<int16_t>(1 + o));
        return edit(f, o);
    };
}
inline int16_t Other(const ui::ComboBox& list) {
    return static_cast<int16_t>(1 - list.ListIndex());
}
// The dialog behind button, its edit made and the dialog closed.
template <class D>
Edit InDialog(const char* form, int16_t tab, std::function<ui::Control&(FrmCtrl&, int16_t)> button,
              std::function<bool(D&, ui::HeadlessHost&)> edit) {
    return [=](FrmCtrl& f, ui::HeadlessHost& host, int16_t ch) {
        f.SSTab1.UserSelectTab(tab < 0 ? static_cast<int16_t>(1 + ch) : tab);
        bool edited = false;
        host.DriveModal(form, [&](ui::Form& d) {
            edited = edit(static_cast<D&>(d), host);
            if (d.Loaded()) d.UserClose();
        });
        return button(f, ch).UserClick() && edited;
    };
}
inline int16_t Band(int16_t o, int16_t b) {
    return static_cast<int16_t>(5 * o + b);
}
inline int16_t Ch(int16_t o) {
    return static_cast<int16_t>(8 + o);
}

}  // namespace linked

inline const std::vector<LinkedControl>& LinkedControls() {
    using namespace linked;
    auto onlyBank = [](Fields (*fields)(int16_t)) {
        return [fields](int16_t ch, int) { return fields(ch); };
    };
    auto bit = [](int addr, int from) {
        return [addr, from](int16_t ch, int) { return Bit(addr, ch, from); };
    };
    auto eqBand = [](int16_t b) {
        return [b](int16_t o, int) {
            return Join({OutEqBand(o, b), Bit(model::EqOutFlagAddr[o], b)});
        };
    };
    auto withSwitch = [](Fields (*fields)(int16_t), int addr) {
        return [fields, addr](int16_t o, int) { return Join({fields(o), Bit(addr, o)}); };
    };
    auto gate = [](int from) {
        return [from](int16_t i, int) {
            return Join({Bit(model::NgEnableAddr, i, from), InGate(i)});
        };
    };
    auto inEq = [](int16_t b) {
        return [b](int16_t i, int bank) {
            return Join({InEqBand(i, b, bank), InEqFlagBits(i, bank)});
        };
    };
    auto gateDialog = [](bool (*edit)(FrmNG&)) {
        return InDialog<FrmNG>(
            "FrmNG", FrmCtrl::kTabInputs,
            [](FrmCtrl& f, int16_t i) -> ui::Control& { return f.Command13(i); },
            [edit](FrmNG& d, ui::HeadlessHost&) { return edit(d); });
    };
    auto slider = [](ui::ControlArray<ui::Slider> FrmCtrl::*s) {
        return OnOutput([s](FrmCtrl& f, int16_t o) { return Move((f.*s)(o)); });
    };
    static const std::vector<LinkedControl> all = {
        // Inputs.
        {"Balanced", false, Reach::StereoPartnerOnly, bit(model::BalancedAddr, 0),
         OnInput([](FrmCtrl& f, int16_t i) { return f.Check4(i).UserClick(); })},
        {"NoiseGateEnable", false, Reach::Everywhere, gate(0),
         OnInput([](FrmCtrl& f, int16_t i) { return f.Check5(i).UserClick(); })},
        {"InputLevelBypass", false, Reach::Everywhere, bit(model::ChFlagAddrIn, 0),
         OnInput([](FrmCtrl& f, int16_t i) { return f.Command90(i).UserClick(); })},
        {"InputLevel", false, Reach::Everywhere, onlyBank(InLevel),
         OnInput([](FrmCtrl& f, int16_t i) { return Move(f.Slider1(i)); })},
        {"InputLevelTyped", false, Reach::Everywhere, onlyBank(InLevel),
         OnInput([](FrmCtrl& f, int16_t i) {
             Enter(f.Text1(i), "-110.5");
             return true;
         })},
        {"InputFilterType", false, Reach::Everywhere, onlyBank(InFilter),
         OnInput([](FrmCtrl& f, int16_t i) {
             return f.Combo9(i).UserSelect(f.Combo9(i).ListIndex() == 1 ? 2 : 1);
         })},
        {"InputFilterTyped", false, Reach::Everywhere, onlyBank(InFilter),
         OnInput([](FrmCtrl& f, int16_t i) {
             Enter(f.Text14(i), "1000");
             return true;
         }),
         [](FrmCtrl& f, int16_t i) {
             if (f.Combo9(i).ListIndex() == 0) f.Combo9(i).UserSelect(1);
         }},
        // A Mic input turned Line loses its feedback suppressor and takes the equaliser; a
        // Line input turned Mic keeps the equaliser.
        {.name = "MicLine",
         .outputs = false,
         .reach = Reach::Everywhere,
         .fields =
             [](int16_t i, int bank) {
                 if (bank == 0) return Bit(model::InSourceAddr, i, 1);
                 return Join({Bit(model::InSourceAddr, i, 0), Bit(model::InModeAddr, i, 1),
                              Bit(model::InProcAddr, i, 0)});
             },
         .edit = OnInput(
             [](FrmCtrl& f, int16_t i) { return f.Combo5(i).UserSelect(Other(f.Combo5(i))); }),
         .everyMode = true,
         .offered = Offered::NotInStereo},
        {"InputPolarity", false, Reach::Everywhere, bit(model::PolarityAddr[0], 0),
         OnInput([](FrmCtrl& f, int16_t i) { return f.Check2(i).UserClick(); })},
        {"InputMute", false, Reach::Nowhere, bit(model::MuteAddr[0], 0),
         OnInput([](FrmCtrl& f, int16_t i) { return f.Check1(i).UserClick(); })},
        {.name = "ProcessingType",
         .outputs = false,
         .reach = Reach::Everywhere,
         .fields =
             [](int16_t i, int) {
                 return Join({Bit(model::InProcAddr, i, 0), Bit(model::InModeAddr, i, 1)});
             },
         .edit = OnInput(
             [](FrmCtrl& f, int16_t i) { return f.Combo1(i).UserSelect(Other(f.Combo1(i))); }),
         .offered = Offered::MicOnly},
        {.name = "FeedbackMode",
         .outputs = false,
         .reach = Reach::Everywhere,
         .fields = bit(model::InModeAddr, 0),
         .edit = OnInput(
             [](FrmCtrl& f, int16_t i) { return f.Combo4(i).UserSelect(Other(f.Combo4(i))); }),
         .offered = Offered::MicOnly},
        {"NoiseGateDialogThreshold", false, Reach::Everywhere, gate(-1),
         gateDialog([](FrmNG& d) { return Move(d.Slider3); })},
        {"NoiseGateDialogAttack", false, Reach::Everywhere, gate(-1),
         gateDialog([](FrmNG& d) { return Move(d.Slider7); })},
        {"NoiseGateDialogRelease", false, Reach::Everywhere, gate(-1),
         gateDialog([](FrmNG& d) { return Move(d.Slider8); })},
        {"NoiseGateDialogEnable", false, Reach::Everywhere, gate(0),
         gateDialog([](FrmNG& d) { return d.Check5.UserClick(); })},
        {"InputEqFirstBand", false, Reach::Everywhere, inEq(0),
         InDialog<FrmEqIn>(
             "FrmEqIn", FrmCtrl::kTabInputs,
             [](FrmCtrl& f, int16_t i) -> ui::Control& { return f.Command10(i); },
             [](FrmEqIn& d, ui::HeadlessHost&) { return Move(d.Slider2(0)); })},
        {"InputEqLastBand", false, Reach::Everywhere, inEq(2),
         InDialog<FrmEqIn>(
             "FrmEqIn", FrmCtrl::kTabInputs,
             [](FrmCtrl& f, int16_t i) -> ui::Control& { return f.Command10(i); },
             [](FrmEqIn& d, ui::HeadlessHost&) { return Move(d.Slider2(2)); })},
        {"InputEqFlat", false, Reach::Everywhere,
         [](int16_t i, int bank) {
             Fields gains;
             for (int16_t b = 0; b < 3; ++b) gains.push_back(InEqBand(i, b, bank)[4]);
             return gains;
         },
         InDialog<FrmEqIn>(
             "FrmEqIn", FrmCtrl::kTabInputs,
             [](FrmCtrl& f, int16_t i) -> ui::Control& { return f.Command10(i); },
             [](FrmEqIn& d, ui::HeadlessHost& host) {
                 host.Answer(ui::vbYes);
                 return d.Command1.UserClick();
             })},
        // Outputs.
        {"OutputLevel", true, Reach::Everywhere, onlyBank(OutLevel),
         OnOutput([](FrmCtrl& f, int16_t o) { return Move(f.Slider1(Ch(o))); })},
        {"OutputLevelTyped", true, Reach::Everywhere, onlyBank(OutLevel),
         OnOutput([](FrmCtrl& f, int16_t o) {
             Enter(f.Text1(Ch(o)), "-110.5");
             return true;
         })},
        {"OutputLevelBypass", true, Reach::Everywhere, bit(model::ChFlagAddrOut, 0),
         OnOutput([](FrmCtrl& f, int16_t o) { return f.Command90(Ch(o)).UserClick(); })},
        {"OutputPolarity", true, Reach::Everywhere, bit(model::PolarityAddr[1], 0),
         OnOutput([](FrmCtrl& f, int16_t o) { return f.Check2(Ch(o)).UserClick(); })},
        {"OutputMute", true, Reach::Nowhere, bit(model::MuteAddr[1], 0),
         OnOutput([](FrmCtrl& f, int16_t o) { return f.Check1(Ch(o)).UserClick(); })},
        {"EqFirstBandGain", true, Reach::Everywhere, eqBand(0),
         OnOutput([](FrmCtrl& f, int16_t o) { return Move(f.Slider2(Band(o, 0))); })},
        {"EqLastBandGainTyped", true, Reach::Everywhere, eqBand(4),
         OnOutput([](FrmCtrl& f, int16_t o) {
             Enter(f.Text12(Band(o, 4)), "-7.5");
             return true;
         })},
        {"EqLastBandFrequency", true, Reach::Everywhere, eqBand(4),
         OnOutput([](FrmCtrl& f, int16_t o) {
             Enter(f.Text4(Band(o, 4)), "2345");
             return true;
         })},
        {"EqFirstBandQ", true, Reach::Everywhere, eqBand(0),
         OnOutput([](FrmCtrl& f, int16_t o) { return f.UpDown3(Band(o, 0)).UserUp(); })},
        {"EqLastBandType", true, Reach::Everywhere, eqBand(4),
         InDialog<FrmSelFilter>(
             "FrmSelFilter", -1,
             [](FrmCtrl& f, int16_t o) -> ui::Control& { return f.Command3(Band(o, 4)); },
             [](FrmSelFilter& d, ui::HeadlessHost&) {
                 d.Combo1.UserSelect(static_cast<int16_t>((d.Combo1.ListIndex() + 2) % 3));
                 return d.Command1(0).UserClick();
             })},
        {"EqLastBandBypass", true, Reach::Everywhere,
         [](int16_t o, int) { return Join({OutEqBand(o, 4), Bit(model::EqOutFlagAddr[o], 4, 0)}); },
         OnOutput([](FrmCtrl& f, int16_t o) { return f.Command6(Band(o, 4)).UserClick(); })},
        // The band's marker dragged on the output's graph to about 250 Hz and +6 dB.
        {"EqLastBandDragged", true, Reach::Everywhere, eqBand(4),
         OnOutput([](FrmCtrl& f, int16_t o) {
             if (f.Check3(o).Value() == 0) f.Check3(o).UserClick();
             ui::Label& marker = f.Label5(Band(o, 4));
             return marker.UserMouseDown(ui::vbLeftButton, 0, 60, 60) &&
                    marker.UserMouseMove(ui::vbLeftButton, 0, 3165.0f - marker.Left(),
                                         1447.5f - 48 * 6.15f - marker.Top()) &&
                    marker.UserMouseUp(ui::vbLeftButton, 0, 60, 60);
         })},
        {.name = "FlatEq",
         .outputs = true,
         .reach = Reach::Everywhere,
         .fields =
             [](int16_t o, int) {
                 Fields gains;
                 for (int16_t b = 0; b < 5; ++b) gains.push_back(OutEqBand(o, b)[4]);
                 return gains;
             },
         .edit =
             [](FrmCtrl& f, ui::HeadlessHost& host, int16_t o) {
                 f.SSTab1.UserSelectTab(static_cast<int16_t>(1 + o));
                 host.Answer(ui::vbYes);
                 return f.Command1(o).UserClick();
             },
         .afterFailure = AfterFailure::TriesEveryBand},
        {"HighPassType", true, Reach::Everywhere, [](int16_t o, int) { return Xover(o, 0); },
         OnOutput([](FrmCtrl& f, int16_t o) {
             ui::ComboBox& type = f.Combo2(static_cast<int16_t>(2 * o));
             return type.UserSelect(static_cast<int16_t>((type.ListIndex() + 4) % 9));
         })},
        {"LowPassFrequency", true, Reach::Everywhere, [](int16_t o, int) { return Xover(o, 1); },
         OnOutput([](FrmCtrl& f, int16_t o) {
             Enter(f.Text8(static_cast<int16_t>(2 * o + 1)), "15000");
             return true;
         })},
        {.name = "DelayCoarse",
         .outputs = true,
         .reach = Reach::Everywhere,
         .fields = withSwitch(Delay, model::DelayBypAddr),
         .edit = OnOutput([](FrmCtrl& f, int16_t o) { return f.UpDown2(o).UserUp(); }),
         .afterFailure = AfterFailure::VisitsEveryMember},
        {.name = "DelayFine",
         .outputs = true,
         .reach = Reach::Everywhere,
         .fields = withSwitch(Delay, model::DelayBypAddr),
         .edit = OnOutput([](FrmCtrl& f, int16_t o) { return f.UpDown1(o).UserUp(); }),
         .afterFailure = AfterFailure::VisitsEveryMember},
        {.name = "DelayTyped",
         .outputs = true,
         .reach = Reach::Everywhere,
         .fields = withSwitch(Delay, model::DelayBypAddr),
         .edit = OnOutput([](FrmCtrl& f, int16_t o) {
             Enter(f.Text2(o), "123.4");
             return true;
         }),
         .afterFailure = AfterFailure::VisitsEveryMember},
        {.name = "DelayBypass",
         .outputs = true,
         .reach = Reach::Everywhere,
         .fields =
             [](int16_t o, int) {
                 return Join({Delay(o), Bit(model::DelayBypAddr, o, 0)});
             },
         .edit = OnOutput([](FrmCtrl& f, int16_t o) { return f.Command8(o).UserClick(); }),
         .afterFailure = AfterFailure::VisitsEveryMember},
        {"CompressorThreshold", true, Reach::Everywhere, withSwitch(Compressor, model::CompBypAddr),
         slider(&FrmCtrl::Slider400)},
        {"CompressorRatio", true, Reach::Everywhere, withSwitch(Compressor, model::CompBypAddr),
         slider(&FrmCtrl::Slider401)},
        {"CompressorKnee", true, Reach::Everywhere, withSwitch(Compressor, model::CompBypAddr),
         slider(&FrmCtrl::Slider402)},
        {"CompressorAttack", true, Reach::Everywhere, withSwitch(Compressor, model::CompBypAddr),
         slider(&FrmCtrl::Slider403)},
        {"CompressorRelease", true, Reach::Everywhere, withSwitch(Compressor, model::CompBypAddr),
         slider(&FrmCtrl::Slider404)},
        {"CompressorKneeTyped", true, Reach::Everywhere, withSwitch(Compressor, model::CompBypAddr),
         OnOutput([](FrmCtrl& f, int16_t o) {
             Enter(f.Text402(o), "37");
             return true;
         })},
        {"CompressorBypass", true, Reach::Everywhere,
         [](int16_t o, int) { return Join({Compressor(o), Bit(model::CompBypAddr, o, 0)}); },
         OnOutput([](FrmCtrl& f, int16_t o) { return f.Command5(o).UserClick(); })},
        {"LimiterThreshold", true, Reach::Everywhere, withSwitch(Limiter, model::LimBypAddr),
         slider(&FrmCtrl::Slider4)},
        {"LimiterAttack", true, Reach::Everywhere, withSwitch(Limiter, model::LimBypAddr),
         slider(&FrmCtrl::Slider5)},
        {"LimiterRelease", true, Reach::Everywhere, withSwitch(Limiter, model::LimBypAddr),
         slider(&FrmCtrl::Slider6)},
        {"LimiterBypass", true, Reach::Everywhere,
         [](int16_t o, int) { return Join({Limiter(o), Bit(model::LimBypAddr, o, 0)}); },
         OnOutput([](FrmCtrl& f, int16_t o) { return f.Command7(o).UserClick(); })},
        {"CompressorDialogRatio", true, Reach::Everywhere,
         withSwitch(Compressor, model::CompBypAddr),
         InDialog<FrmLimiter>(
             "FrmLimiter", -1, [](FrmCtrl& f, int16_t o) -> ui::Control& { return f.Command50(o); },
             [](FrmLimiter& d, ui::HeadlessHost&) { return Move(d.Slider401); })},
        {"LimiterDialogThreshold", true, Reach::Everywhere, withSwitch(Limiter, model::LimBypAddr),
         InDialog<FrmLimiter>(
             "FrmLimiter", -1, [](FrmCtrl& f, int16_t o) -> ui::Control& { return f.Command51(o); },
             [](FrmLimiter& d, ui::HeadlessHost&) { return Move(d.Slider4); })},
        {"LimiterDialogBypass", true, Reach::Everywhere,
         [](int16_t o, int) { return Join({Limiter(o), Bit(model::LimBypAddr, o, 0)}); },
         InDialog<FrmLimiter>(
             "FrmLimiter", -1, [](FrmCtrl& f, int16_t o) -> ui::Control& { return f.Command51(o); },
             [](FrmLimiter& d, ui::HeadlessHost&) { return d.Command7.UserClick(); })},
    };
    return all;
}

// A control edited in an arrangement of its side where it is offered; repeats tells whether
// the link repeats it there.
struct LinkCase {
    const Arrangement* where;
    const LinkedControl* control;
    bool repeats;
};

inline std::string LinkCaseName(const LinkCase& c) {
    return std::string(c.where->name) + "_" + c.control->name;
}
inline void PrintTo(const LinkCase& c, std::ostream* os) {
    *os << LinkCaseName(c);
}

// Every control in every arrangement where it is offered; with repeatingOnly, only where the
// link repeats it.
inline std::vector<LinkCase> LinkCases(bool repeatingOnly) {
    std::vector<LinkCase> cases;
    for (const Arrangement& a : Arrangements()) {
        for (const LinkedControl& c : LinkedControls()) {
            const int16_t edited = a.edits.front().first;
            const bool offered = c.offered == Offered::Always ||
                                 (c.offered == Offered::NotInStereo && !a.Stereo(edited)) ||
                                 (c.offered == Offered::MicOnly && !a.Line(edited));
            if (c.outputs != a.outputs || !offered) continue;
            const bool repeats =
                c.reach == Reach::StereoPartnerOnly ? !a.LinkSet() : c.reach != Reach::Nowhere;
            if (repeats || !repeatingOnly) cases.push_back({&a, &c, repeats});
        }
    }
    return cases;
}

}  // namespace testsupport
