// The device's 64 KiB memory: settings, name, switch presets, the working program and the ten
// program slots, and the byte map of a program (the parameter memory).
#pragma once

namespace devsim {

constexpr int kMemorySize = 65536;

// Settings block (16..31) and other fixed low addresses.
constexpr int kCurrentSwitchPresetAddr = 16;
constexpr int kDelayUnitAddr = 17;
constexpr int kCurrentProgramAddr = 18;  // slot last stored or recalled
constexpr int kExtEnableAddr = 21;       // bit k = external input signal k + 1 enabled
constexpr int kExtActiveLowAddr = 22;    // 0 lines active high, 1 active low
constexpr int kExtPriorityAddr = 23;     // 0..7
constexpr int kNetModeAddr = 28;         // 1 = DHCP
constexpr int kFrontPanelLockAddr = 29;
constexpr int kDeviceNameAddr = 32;  // 16 characters, blank padded
constexpr int kNameLength = 16;
constexpr int kWallPanelAddr = 49;
constexpr int kSwitchLinkAddr = 53;  // 1 = switch preset follows the recalled program
constexpr int kSwitchMaskAddr = 54;  // masks of switch presets 0..9 at 54..63
constexpr int kSwitchPresetCount = 10;

// Programs: the working program and the ten stored slots hold one 912-byte image each.
constexpr int kImageSize = 912;
constexpr int kWorkingProgramAddr = 64;
constexpr int kSlotBaseAddr = 1024;
constexpr int kSlotCount = 10;
constexpr int kStoredMark = 85;

constexpr int WorkingAddr(int imageAddr) {
    return kWorkingProgramAddr + imageAddr;
}
constexpr int SlotAddr(int slot) {
    return kSlotBaseAddr + kImageSize * slot;
}

// Byte addresses inside a program image (o = output 0..7, i = input 0..7, ch = channel 0..15
// with the inputs first). Multi-byte values are big-endian.
namespace image {

constexpr int OutBlock(int o) {
    return 8 + 52 * o;
}
constexpr int Route(int o, int i) {
    return OutBlock(o) + i;
}  // bit 7 = off, bits 0..6 level
constexpr int OutDelay(int o) {
    return OutBlock(o) + 8;
}  // 3 bytes
constexpr int OutEqBand(int o, int b) {
    return OutBlock(o) + 11 + 5 * b;
}  // 5 bytes
constexpr int OutXover(int o, int lowPass) {
    return OutBlock(o) + 36 + 3 * lowPass;
}
constexpr int OutComp(int o) {
    return OutBlock(o) + 42;
}  // 5 bytes
constexpr int OutLim(int o) {
    return OutBlock(o) + 47;
}  // 3 bytes
constexpr int OutEqFlags(int o) {
    return OutBlock(o) + 50;
}
constexpr int LevelHigh(int ch) {
    return ch < 8 ? ch : OutBlock(ch - 8) + 51;
}
constexpr int LevelLow(int ch) {
    return ch < 8 ? 472 + ch : 455 + (ch - 8);
}

constexpr int InPolarity = 424;
constexpr int InSource = 425;  // bit set: Line, input EQ bank 0; clear: Mic, bank 1
constexpr int InFeedback = 426;
constexpr int InMute = 427;
constexpr int OutMute = 428;
constexpr int OutPolarity = 429;
constexpr int Phantom = 430;
constexpr int FeedbackFreq = 431;
constexpr int ProgName = 432;  // 16 characters
constexpr int InLevelBypass = 448;
constexpr int OutLevelBypass = 449;
constexpr int DelayBypass = 450;
constexpr int CompBypass = 451;
constexpr int LimBypass = 452;
constexpr int ProgMark = 463;
constexpr int MasterIn = 464;   // 2 bytes
constexpr int MasterOut = 466;  // 2 bytes
constexpr int InProcType = 468;
constexpr int Balanced = 471;

constexpr int InEqBankSize = 16;
constexpr int InEqBand(int i, int bank, int b) {
    return 480 + 32 * i + InEqBankSize * bank + 5 * b;
}
constexpr int InEqFlags(int i, int bank) {
    return 480 + 32 * i + InEqBankSize * bank + 15;
}
constexpr int ChannelName(int ch) {
    return 736 + 8 * ch;
}
constexpr int InFilter(int i) {
    return ChannelName(i) + 7;
}
constexpr int NoiseGate(int i) {
    return 864 + 3 * i;
}  // threshold, attack, release

constexpr int GateEnable = 888;
constexpr int AutoMixActive = 889;
constexpr int AutoMixMode = 890;
constexpr int AutoMixBytes = 893;  // 3 bytes
constexpr int DuckPriority = 898;
constexpr int DuckHold = 899;
constexpr int DuckRelease = 900;
constexpr int DuckAttack = 901;
constexpr int DuckGating = 902;
constexpr int DuckAttenuation = 904;
constexpr int StereoPairs = 911;

}  // namespace image
}  // namespace devsim
