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

// d5 = the third byte, d6 = the first, d7 = the second.
void AutoMixerBytes(Exchange& x) {
    x.state.Prog(image::AutoMixBytes + 2) = x.D(5);
    x.Store(image::AutoMixBytes, 6, 2);
}

void DuckerParamC(Exchange& x) {
    x.state.Prog(image::DuckAttenuation) = x.D(5);
    x.state.Prog(image::DuckGating) = x.D(6);
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

// The handshake: 0x46 in byte 4 says a device answered.
void CheckDevice(Exchange& x) {
    x.Report();
    x.Put(kDataPos, kFrameTag);
}

void ReadMac(Exchange& x) {
    x.Report();
    PutBytes(x, 4, x.state.identity.mac);
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

// Settings of one byte, taken from d7: a byte of the working program (by image address) or a
// byte of the settings outside it.
struct ByteSetting {
    uint8_t code;
    int addr;
};

constexpr ByteSetting kProgramBytes[] = {
    {kFeedbackFreq, image::FeedbackFreq},     {kInputSource, image::InSource},
    {kPhantomPower, image::Phantom},          {kInputOption, image::InFeedback},
    {kInputProcType, image::InProcType},      {kInputBalanced, image::Balanced},
    {kAutoMixerActive, image::AutoMixActive}, {kAutoMixerMode, image::AutoMixMode},
    {kPriorityMask, image::DuckPriority},     {kDuckerParamA, image::DuckHold},
};

constexpr ByteSetting kMemoryBytes[] = {
    {kExtPriority, kExtPriorityAddr},       {kExtActiveMode, kExtActiveLowAddr},
    {kExtSignalEnable, kExtEnableAddr},     {kLinkSwitchPreset, kSwitchLinkAddr},
    {kFrontPanelLock, kFrontPanelLockAddr},
};

struct Command {
    uint8_t code;
    void (*run)(Exchange&);
};

// Disconnect, the closing codes and the bulk-update bracket are missing on purpose: a device
// that applies every frame at once needs nothing from them and answers them like a setting.
constexpr Command kCommands[] = {
    {kCheckDevice, CheckDevice},
    {kChannelBlock, ChannelBlock},
    {kOutDelay, OutDelay},
    {kOutCompressor, OutCompressor},
    {kOutXover, OutXover},
    {kEqBand, EqBand},
    {kOutLimiter, OutLimiter},
    {kMixPoint, MixPoint},
    {kReadMem, [](Exchange& x) { ReadMem(x, x.Address()); }},
    {kReadByte, ReadByte},
    {kWriteByte, [](Exchange& x) { MemPut(x.state, x.Address(), x.D(4)); }},
    {kPollStatus, PollStatus},
    {kMasterLevel, MasterLevel},
    {kWriteMem4, WriteMem4},
    {kReadIp, ReadIp},
    // Sets the outputs; a preset's mask is kept only when stored with a byte write at 54 + preset.
    {kSwitchMask, [](Exchange& x) { x.state.switchOutputs = x.D(7) & 0x0F; }},
    {kRecallProgram, RecallProgram},
    {kSetNetConfig, SetNetConfig},
    {kReadName, [](Exchange& x) { ReadMem(x, kDeviceNameAddr + (x.D(1) & 8)); }},
    {kReadDevState, ReadDevState},
    {kGain, Gain},
    {kPollMeterA, [](Exchange& x) { Report8(x, x.state.meters.limiterMeter); }},
    {kPollGainReduction, [](Exchange& x) { Report8(x, x.state.meters.gainReduction); }},
    {kReadVersion, ReadVersion},
    {kWallPanelMode, [](Exchange& x) { x.state.Mem(kWallPanelAddr) = x.D(0); }},
    {kSelectSwitchPreset, SelectSwitchPreset},
    {kInputFilter, InputFilter},
    {kPollLevelsIn, [](Exchange& x) { Report8(x, x.state.meters.inputLevels); }},
    {kPollLevelsOut, [](Exchange& x) { Report8(x, x.state.meters.outputLevels); }},
    {kNoiseGate, NoiseGate},
    {kAutoMixerByte, AutoMixerBytes},
    {kDuckerParamB, [](Exchange& x) { x.Store(image::DuckRelease, 6, 2); }},
    {kDuckerParamC, DuckerParamC},
    {kReadUid, ReadUid},
    {kReadMac, ReadMac},
};

}  // namespace

bool IsSendOnlyOnSerial(uint8_t code) {
    return code == kSilent || code == kCloseSerial;
}

Frame Execute(DeviceState& state, const Frame& request) {
    Exchange x{state, request, request};
    const uint8_t code = request[kCodePos];
    for (const ByteSetting& s : kProgramBytes) {
        if (s.code == code) state.Prog(s.addr) = x.D(7);
    }
    for (const ByteSetting& s : kMemoryBytes) {
        if (s.code == code) state.Mem(s.addr) = x.D(7);
    }
    for (const Command& c : kCommands) {
        if (c.code == code) c.run(x);
    }
    return x.reply;
}

}  // namespace devsim
