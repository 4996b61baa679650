#include "devsim/Commands.h"

#include <algorithm>

namespace devsim {

namespace {

// The request as the handlers read it, and the reply they fill.
struct Exchange {
    DeviceState& state;
    const Frame& request;
    Frame reply;

    uint8_t D(int i) const { return request[kDataPos + i]; }
    int Address() const { return D(0) << 8 | D(1); }
    // Output index 0..7 of an output channel number 8..15, or -1.
    int Output() const { return D(0) >= 8 && D(0) < 16 ? D(0) - 8 : -1; }
    int Input() const { return D(0) < 8 ? D(0) : -1; }

    // Copies `count` data bytes from d[first] on into the working program from imageAddr on.
    void Store(int imageAddr, int first, int count) {
        for (int k = 0; k < count; ++k) state.Prog(imageAddr + k) = D(first + k);
    }

    // Starts a reply that reports: the header stays, the data bytes are cleared.
    void Report() { std::fill(reply.begin() + kDataPos, reply.begin() + kDataPos + 8, 0); }
    void Put(int pos, uint8_t value) { reply[pos] = value; }
};

uint8_t MemAt(const DeviceState& s, int addr) {
    return addr < kMemorySize ? s.memory[static_cast<size_t>(addr)] : 0;
}

void MemPut(DeviceState& s, int addr, uint8_t value) {
    if (addr < kMemorySize) s.memory[static_cast<size_t>(addr)] = value;
}

template <size_t N>
void PutBytes(Exchange& x, int pos, const std::array<uint8_t, N>& bytes, size_t from = 0,
              size_t count = N) {
    for (size_t k = 0; k < count; ++k) x.Put(pos + static_cast<int>(k), bytes[from + k]);
}

// --- channel parameters ------------------------------------------------------------------

void Gain(Exchange& x) {
    const int ch = x.D(0);
    if (ch >= 16) return;
    x.state.Prog(image::LevelLow(ch)) = x.D(3);
    x.state.Prog(image::LevelHigh(ch)) = x.D(7);
}

// The level of one channel with the bypass, mute and polarity bits of its group.
void ChannelBlock(Exchange& x) {
    const int ch = x.D(0);
    if (ch >= 16) return;
    const bool out = ch >= 8;
    Gain(x);
    x.state.Prog(out ? image::OutLevelBypass : image::InLevelBypass) = x.D(4);
    x.state.Prog(out ? image::OutMute : image::InMute) = x.D(5);
    x.state.Prog(out ? image::OutPolarity : image::InPolarity) = x.D(6);
}

void MasterLevel(Exchange& x) {
    if (x.D(0) == 0) x.Store(image::MasterIn, 6, 2);
    if (x.D(0) == 8) x.Store(image::MasterOut, 6, 2);
}

void OutDelay(Exchange& x) {
    const int o = x.Output();
    if (o < 0) return;
    x.state.Prog(image::DelayBypass) = x.D(4);
    x.Store(image::OutDelay(o), 5, 3);
}

// The sub-code in d1 only says which value changed; the frame carries the whole block.
void OutCompressor(Exchange& x) {
    const int o = x.Output();
    if (o < 0) return;
    x.state.Prog(image::CompBypass) = x.D(2);
    x.Store(image::OutComp(o), 3, 5);
}

void OutLimiter(Exchange& x) {
    const int o = x.Output();
    if (o < 0) return;
    x.state.Prog(image::LimBypass) = x.D(4);
    x.Store(image::OutLim(o), 5, 3);
}

void OutXover(Exchange& x) {
    const int o = x.Output();
    if (o < 0 || x.D(1) > 1) return;
    x.Store(image::OutXover(o, x.D(1)), 5, 3);
}

// Inputs have two banks of three bands; the frame does not name the bank, so the band lands in
// the bank that the input's Mic/Line bit selects (set: bank 0, clear: bank 1), the bank the
// editor sends from.
void EqBand(Exchange& x) {
    const int band = x.D(1);
    if (const int o = x.Output(); o >= 0 && band < 5) {
        x.state.Prog(image::OutEqFlags(o)) = x.D(2);
        x.Store(image::OutEqBand(o, band), 3, 5);
    } else if (const int i = x.Input(); i >= 0 && band < 3) {
        const int bank = (x.state.Prog(image::InSource) >> i & 1) ? 0 : 1;
        x.state.Prog(image::InEqFlags(i, bank)) = x.D(2);
        x.Store(image::InEqBand(i, bank, band), 3, 5);
    }
}

void MixPoint(Exchange& x) {
    const int o = x.Output();
    if (o < 0 || x.D(6) >= 8) return;
    x.state.Prog(image::Route(o, x.D(6))) = x.D(7);
}

void InputFilter(Exchange& x) {
    if (const int i = x.Input(); i >= 0) x.state.Prog(image::InFilter(i)) = x.D(7);
}

void NoiseGate(Exchange& x) {
    const int i = x.Input();
    if (i < 0) return;
    x.state.Prog(image::GateEnable) = x.D(4);
    x.Store(image::NoiseGate(i), 5, 3);
}

// --- memory, name, programs ----------------------------------------------------------------

// Always eight bytes, the size of one reply, whatever d2 asks for.
void ReadMem(Exchange& x, int addr) {
    x.Report();
    for (int k = 0; k < 8; ++k) x.Put(kDataPos + k, MemAt(x.state, addr + k));
}

void ReadByte(Exchange& x) {
    x.Report();
    x.Put(kDataPos + 4, MemAt(x.state, x.Address()));
}

void WriteMem4(Exchange& x) {
    for (int k = 0; k < 4; ++k) MemPut(x.state, x.Address() + k, x.D(2 + k));
}

// The switch preset follows a recalled normal program when the link is on.
void RecallProgram(Exchange& x) {
    const int slot = x.D(0);
    if (slot >= kSlotCount) return;
    auto& mem = x.state.memory;
    std::copy_n(mem.begin() + SlotAddr(slot), kImageSize, mem.begin() + kWorkingProgramAddr);
    mem[kCurrentProgramAddr] = static_cast<uint8_t>(slot);
    if (slot < 6 && mem[kSwitchLinkAddr] != 0) {
        mem[kCurrentSwitchPresetAddr] = static_cast<uint8_t>(slot);
        x.state.switchOutputs = mem[kSwitchMaskAddr + slot] & 0x0F;
    }
}

// --- switches, settings, network -----------------------------------------------------------

void SelectSwitchPreset(Exchange& x) {
    const uint8_t preset = x.D(7);
    if (preset >= kSwitchPresetCount) return;
    x.state.Mem(kCurrentSwitchPresetAddr) = preset;
    x.state.switchOutputs = x.state.Mem(kSwitchMaskAddr + preset) & 0x0F;
}

// d7 = 0: the RS485 ID pair, d0 = ID; d7 = 1: the IP pair, d0..d3 = address, d4 = DHCP. Both
// requests of a pair carry the same values (d6 = 1, then 0), so each one simply stores them.
// The new ID and address are what the device reports from now on; the simulator keeps serving
// under the address it was started with, as a real unit does until it is restarted.
void SetNetConfig(Exchange& x) {
    if (x.D(7) == 0) {
        x.state.identity.rs485Id = x.D(0);
    } else {
        for (int k = 0; k < 4; ++k) x.state.identity.ip[k] = x.D(k);
        x.state.Mem(kNetModeAddr) = x.D(4);
    }
}

void ReadDevState(Exchange& x) {
    x.Report();
    x.Put(9, x.state.externalLines);
    x.Put(11, ExternalSignalIndex(x.state));
}

// --- identity and meters -------------------------------------------------------------------

void ReadVersion(Exchange& x) {
    const Identity& id = x.state.identity;
    x.Report();
    PutBytes(x, 4, id.firmware);
    PutBytes(x, 7, id.dsp);
    x.Put(10, kFrameTag);  // the COM search takes this as "a device answered"
    x.Put(11, id.model);
}

void ReadIp(Exchange& x) {
    x.Report();
    PutBytes(x, 4, x.state.identity.ip);
    x.Put(8, x.state.identity.rs485Id);
}

void ReadUid(Exchange& x) {
    x.Report();
    PutBytes(x, 5, x.state.identity.uid, x.D(0) == 0 ? 0 : 6, 6);
}

void Report8(Exchange& x, const std::array<uint8_t, 8>& values) {
    x.Report();
    PutBytes(x, 4, values);
}

void PollStatus(Exchange& x) {
    x.Report();
    PutBytes(x, 5, x.state.meters.status);
}

}  // namespace

bool IsSendOnlyOnSerial(uint8_t code) {
    return code == kSilent || code == kCloseSerial;
}

Frame Execute(DeviceState& state, const Frame& request) {
    Exchange x{state, request, request};
    switch (request[kCodePos]) {
        case kCheckDevice:
            x.Report();
            x.Put(kDataPos, kFrameTag);
            break;
        case kChannelBlock:
            ChannelBlock(x);
            break;
        case kOutDelay:
            OutDelay(x);
            break;
        case kOutCompressor:
            OutCompressor(x);
            break;
        case kOutXover:
            OutXover(x);
            break;
        case kEqBand:
            EqBand(x);
            break;
        case kFeedbackFreq:
            state.Prog(image::FeedbackFreq) = x.D(7);
            break;
        case kOutLimiter:
            OutLimiter(x);
            break;
        case kMixPoint:
            MixPoint(x);
            break;
        case kInputSource:
            state.Prog(image::InSource) = x.D(7);
            break;
        case kReadMem:
            ReadMem(x, x.Address());
            break;
        case kReadByte:
            ReadByte(x);
            break;
        case kWriteByte:
            MemPut(state, x.Address(), x.D(4));
            break;
        case kPollStatus:
            PollStatus(x);
            break;
        case kPhantomPower:
            state.Prog(image::Phantom) = x.D(7);
            break;
        case kInputOption:
            state.Prog(image::InFeedback) = x.D(7);
            break;
        case kMasterLevel:
            MasterLevel(x);
            break;
        case kWriteMem4:
            WriteMem4(x);
            break;
        case kReadIp:
            ReadIp(x);
            break;
        // The mask sets the outputs; it is kept only when stored with a byte write at 54 + preset.
        case kSwitchMask:
            state.switchOutputs = x.D(7) & 0x0F;
            break;
        case kRecallProgram:
            RecallProgram(x);
            break;
        case kSetNetConfig:
            SetNetConfig(x);
            break;
        case kInputProcType:
            state.Prog(image::InProcType) = x.D(7);
            break;
        case kInputBalanced:
            state.Prog(image::Balanced) = x.D(7);
            break;
        case kReadName:
            ReadMem(x, kDeviceNameAddr + (x.D(1) & 8));
            break;
        case kExtPriority:
            state.Mem(kExtPriorityAddr) = x.D(7);
            break;
        case kReadDevState:
            ReadDevState(x);
            break;
        case kExtActiveMode:
            state.Mem(kExtActiveLowAddr) = x.D(7);
            break;
        case kExtSignalEnable:
            state.Mem(kExtEnableAddr) = x.D(7);
            break;
        case kGain:
            Gain(x);
            break;
        case kPollMeterA:
            Report8(x, state.meters.limiterMeter);
            break;
        case kPollGainReduction:
            Report8(x, state.meters.gainReduction);
            break;
        case kReadVersion:
            ReadVersion(x);
            break;
        case kWallPanelMode:
            state.Mem(kWallPanelAddr) = x.D(0);
            break;
        case kSelectSwitchPreset:
            SelectSwitchPreset(x);
            break;
        case kLinkSwitchPreset:
            state.Mem(kSwitchLinkAddr) = x.D(7);
            break;
        case kInputFilter:
            InputFilter(x);
            break;
        case kFrontPanelLock:
            state.Mem(kFrontPanelLockAddr) = x.D(7);
            break;
        case kPollLevelsIn:
            Report8(x, state.meters.inputLevels);
            break;
        case kPollLevelsOut:
            Report8(x, state.meters.outputLevels);
            break;
        case kNoiseGate:
            NoiseGate(x);
            break;
        case kAutoMixerActive:
            state.Prog(image::AutoMixActive) = x.D(7);
            break;
        case kAutoMixerMode:
            state.Prog(image::AutoMixMode) = x.D(7);
            break;
        case kAutoMixerByte:  // d5 = third byte, d6 = first, d7 = second
            state.Prog(image::AutoMixBytes + 2) = x.D(5);
            x.Store(image::AutoMixBytes, 6, 2);
            break;
        case kPriorityMask:
            state.Prog(image::DuckPriority) = x.D(7);
            break;
        case kDuckerParamA:
            state.Prog(image::DuckHold) = x.D(7);
            break;
        case kDuckerParamB:
            x.Store(image::DuckRelease, 6, 2);
            break;
        case kDuckerParamC:
            state.Prog(image::DuckAttenuation) = x.D(5);
            state.Prog(image::DuckGating) = x.D(6);
            break;
        case kReadUid:
            ReadUid(x);
            break;
        case kReadMac:
            x.Report();
            PutBytes(x, 4, state.identity.mac);
            break;
        // Disconnect, close and bulk-update brackets need nothing from a device that applies
        // every frame at once; they are answered like a setting.
        default:
            break;
    }
    return x.reply;
}

}  // namespace devsim
