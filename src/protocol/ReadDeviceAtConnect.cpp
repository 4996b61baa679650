#include "protocol/ReadDeviceAtConnect.h"

#include "model/SettingsBlock.h"

#include <cstdio>

#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "model/SettingsBlock.h"
#include "model/Tables.h"
#include "model/ValueBytes.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace Speaker {

namespace {

constexpr int kSlotNameOffset = 432;
constexpr int kNameAddr = 32;
constexpr int kNetModeAddr = 28;
constexpr int kWallPanelAddr = 49;
constexpr int kSwitchLinkAddr = 53;
constexpr int kWorkingProgName = 496;

std::string Hex2(uint8_t x) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", x);
    return buf;
}

// The requests of one read-back; each returns false when no reply came.
class Reader {
  public:
    Reader(State& s, int16_t slot, const std::function<void()>& step)
        : s_(s), slot_(slot), step_(step) {}

    uint8_t R(int n) const { return s_.RxBuf[n]; }
    void Step() { step_(); }

    bool Ask(uint8_t cmd, uint8_t d0 = 0, uint8_t d1 = 0, uint8_t d2 = 0) {
        return ModRxTx::TxQuery(s_, slot_, cmd, d0, d1, d2);
    }
    // Memory requests carry the address high byte first.
    bool AskAt(uint8_t cmd, int addr, uint8_t d2 = 0) {
        model::SplitValueBytes(s_, addr, 0);
        return Ask(cmd, s_.ValBytes[2], s_.ValBytes[3], d2);
    }
    bool ReadByte(int addr, uint8_t& out) {
        if (!AskAt(CmdReadByte, addr)) return false;
        out = R(8);
        return true;
    }
    // Eight bytes of memory appended as characters.
    bool ReadText(int addr, std::string& out) {
        if (!AskAt(CmdReadMem, addr, 8)) return false;
        for (int n = 4; n <= 11; ++n) out.push_back(static_cast<char>(R(n)));
        return true;
    }

  private:
    State& s_;
    int16_t slot_;
    const std::function<void()>& step_;
};

bool ReadIdentity(Reader& rd, DeviceReadBack& rb) {
    if (!rd.Ask(CmdReadVersion)) return false;
    rb.FwVersion = std::to_string(rd.R(4) * 10 + rd.R(5)) + "." + std::to_string(rd.R(6));
    rb.DspVersion =
        std::to_string(rd.R(7)) + "." + std::to_string(rd.R(8)) + "." + std::to_string(rd.R(9));
    rb.DevModel = rd.R(11);
    rd.Step();

    rb.NickName.clear();
    for (int a : {kNameAddr, kNameAddr + 8}) {
        if (!rd.ReadText(a, rb.NickName)) return false;
        rd.Step();
    }

    rb.DevInfoText.clear();
    if (!rd.Ask(CmdReadMac)) return false;
    for (int n = 4; n <= 9; ++n) rb.DevInfoText += (n > 4 ? "." : "") + Hex2(rd.R(n));
    rd.Step();

    rb.DevUid.clear();
    for (uint8_t half : {0, 1}) {
        if (!rd.Ask(CmdReadUid, half)) return false;
        for (int n = 5; n <= 10; ++n) rb.DevUid += Hex2(rd.R(n));
        rd.Step();
    }

    uint8_t netMode = 0;
    if (!rd.ReadByte(kNetModeAddr, netMode)) return false;
    rb.DevNetMode = netMode;
    rd.Step();
    return true;
}

// The settings block, device addresses 16..31, mirrored in DevExtra and decoded.
bool ReadSettings(Reader& rd, DeviceReadBack& rb) {
    auto& extra = rb.Image.DevExtra;
    for (int a : {16, 24}) {
        if (!rd.AskAt(CmdReadMem, a, 8)) return false;
        for (int j = 0; j < 8; ++j) extra[a + j] = rd.R(4 + j);
        rd.Step();
    }
    model::MirrorSettingsBlock(rb.Image, rb.Param);
    rb.Param.CurProgReg() = extra[18];

    if (!rd.Ask(CmdReadIp)) return false;
    for (int k = 0; k < 4; ++k) rb.DevNetIp[k] = rd.R(4 + k);
    rb.DevNetId = rd.R(8);

    uint8_t wall = 0;
    if (!rd.ReadByte(kWallPanelAddr, wall)) return false;
    rb.Param.WallPanelMode = wall;
    rd.Step();
    return true;
}

bool ReadProgramSlots(Reader& rd, model::DevParamRecord& par) {
    for (int k = 0; k < 10; ++k) {
        uint8_t mark = 0;
        if (!rd.ReadByte(model::ProgramSlotAddr(k) + model::ProgMarkAddr, mark)) return false;
        par.SlotStatus()[k] = mark;
        rd.Step();
    }
    for (int k = 0; k < 10; ++k) {
        std::string& name = k < 6 ? par.SlotName[k] : par.ExtraSlotName[k - 6];
        if (par.SlotStatus()[k] != model::StoredProgramMark) {
            name = model::EmptyProgNameText();
            continue;
        }
        name.clear();
        const int at = model::ProgramSlotAddr(k) + kSlotNameOffset;
        if (!rd.ReadText(at, name) || !rd.ReadText(at + 8, name)) return false;
        rd.Step();
    }
    return true;
}

bool ReadSwitchesAndProgram(Reader& rd, model::DevParamRecord& par, uint8_t& lines) {
    if (!rd.Ask(CmdReadDevState)) return false;
    lines = rd.R(9);
    par.ExtSignalIndex = rd.R(11);
    rd.Step();

    if (!rd.AskAt(CmdReadMem, model::SwitchStoreCode[0], 8)) return false;
    for (int k = 0; k < 8; ++k) par.SwitchPresetMask[k] = rd.R(4 + k);
    rd.Step();
    for (int k : {8, 9}) {
        uint8_t mask = 0;
        if (!rd.ReadByte(model::SwitchStoreCode[k], mask)) return false;
        par.SwitchPresetMask[k] = mask;
        rd.Step();
    }
    uint8_t link = 0;
    if (!rd.ReadByte(kSwitchLinkAddr, link)) return false;
    par.SwitchPresetLink = link > 1 ? 1 : link;
    rd.Step();

    par.CurProgName.clear();
    for (int a : {kWorkingProgName, kWorkingProgName + 8}) {
        if (!rd.ReadText(a, par.CurProgName)) return false;
        rd.Step();
    }
    return true;
}

}  // namespace

DeviceReadBack ReadBackOf(const State& s, int16_t slot) {
    DeviceReadBack rb;
    rb.DevName = s.DevName[slot];
    rb.Image = s.DevImage[slot];
    rb.Param = s.DevParam[slot];
    rb.NickName = s.DevList[slot].NickName;
    rb.FwVersion = s.FwVersion[slot];
    rb.DspVersion = s.DspVersion[slot];
    rb.DevModel = s.DevModel[slot];
    rb.DevInfoText = s.DevInfoText[slot];
    rb.DevUid = s.DevUid[slot];
    rb.DevNetMode = s.DevNetMode[slot];
    rb.DevNetIp = s.DevNetIp[slot];
    rb.DevNetId = s.DevNetId[slot];
    rb.RunningProgSlot = s.RunningProgSlot[slot];
    return rb;
}

bool ReadDeviceAtConnect(State& s, int16_t slot, DeviceReadBack& rb,
                         const std::function<void()>& step) {
    Reader rd(s, slot, step);
    uint8_t lines = 0;
    if (!ReadIdentity(rd, rb) || !ReadSettings(rd, rb) || !ReadProgramSlots(rd, rb.Param) ||
        !ReadSwitchesAndProgram(rd, rb.Param, lines)) {
        return false;
    }
    model::DevParamRecord& par = rb.Param;
    rb.RunningProgSlot = RunningProgramSlot(par.CurProgReg(), par.ExtSignalIndex, lines,
                                            par.ExtEnableMask, par.ExtActiveMode);
    return true;
}

int16_t RunningProgramSlot(double curProgReg, double extSignalIndex, uint8_t lines,
                           double extEnableMask, double extActiveMode) {
    double slot = curProgReg;
    if (extEnableMask != 0) {
        const bool idle = extActiveMode == 0 ? lines == 0 : (lines & 0x0F) == 0x0F;
        if (!idle && extSignalIndex <= 3) slot = 6 + extSignalIndex;
    }
    return sys::CInt(slot);
}

void CommitReadBack(State& s, int16_t slot, const DeviceReadBack& rb) {
    s.DevName[slot] = rb.DevName;
    s.DevImage[slot] = rb.Image;
    s.DevParam[slot] = rb.Param;
    s.DevList[slot].NickName = rb.NickName;
    s.FwVersion[slot] = rb.FwVersion;
    s.DspVersion[slot] = rb.DspVersion;
    s.DevModel[slot] = rb.DevModel;
    s.DevInfoText[slot] = rb.DevInfoText;
    s.DevUid[slot] = rb.DevUid;
    s.DevNetMode[slot] = rb.DevNetMode;
    s.DevNetIp[slot] = rb.DevNetIp;
    s.DevNetId[slot] = rb.DevNetId;
    s.RunningProgSlot[slot] = rb.RunningProgSlot;
    s.InLinkMask[slot] = 0;
    s.OutLinkMask[slot] = 0;
}

}  // namespace Speaker
