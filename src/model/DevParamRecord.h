// The decoded parameter record of one device. It lives in memory only and is rebuilt from the
// device image. Its first part is a block of 528 doubles addressed by index; the senders, the
// editors and the decode share these indices, and the named ranges below lie in the block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace model {

struct DevParamRecord {
    std::array<double, 528> Doubles{};

    std::array<std::string, 6> SlotName;       // normal program slots 0..5
    std::array<std::string, 4> ExtraSlotName;  // extra program slots 6..9
    std::string CurProgName;                   // name of the working program
    double ExtSignalIndex = 0;
    std::array<double, 6> RegMirror{};  // copies of device addresses 24..29
    std::array<double, 4> SwitchState{};
    std::array<double, 10> SwitchPresetMask{};
    double CurSwitchPreset = 0;
    double SwitchPresetLink = 0;
    double ExtPriority = 0;
    double ExtActiveMode = 0;
    double ExtEnableMask = 0;
    double WallPanelMode = 0;
    std::array<int16_t, 8> GateEnable{};

    // Output equaliser, element = output * 5 + band (indices 0..159).
    std::span<double, 40> OutEqGain() { return Block<0, 40>(); }
    std::span<const double, 40> OutEqGain() const { return Block<0, 40>(); }
    std::span<double, 40> OutEqFreq() { return Block<40, 40>(); }
    std::span<const double, 40> OutEqFreq() const { return Block<40, 40>(); }
    std::span<double, 40> OutEqQ() { return Block<80, 40>(); }
    std::span<const double, 40> OutEqQ() const { return Block<80, 40>(); }
    std::span<double, 40> OutEqBypass() { return Block<120, 40>(); }
    std::span<const double, 40> OutEqBypass() const { return Block<120, 40>(); }
    // Input equaliser bands (indices 160..355).
    std::span<double, 49> InEqGain() { return Block<160, 49>(); }
    std::span<const double, 49> InEqGain() const { return Block<160, 49>(); }
    std::span<double, 49> InEqFreq() { return Block<209, 49>(); }
    std::span<const double, 49> InEqFreq() const { return Block<209, 49>(); }
    std::span<double, 49> InEqQ() { return Block<258, 49>(); }
    std::span<const double, 49> InEqQ() const { return Block<258, 49>(); }
    std::span<double, 49> InEqBypass() { return Block<307, 49>(); }
    std::span<const double, 49> InEqBypass() const { return Block<307, 49>(); }
    // Delay display unit: 0 time, 1 distance.
    double& DelayUnit() { return Doubles[356]; }
    double DelayUnit() const { return Doubles[356]; }
    std::span<double, 8> DelayCoarse() { return Block<357, 8>(); }
    std::span<const double, 8> DelayCoarse() const { return Block<357, 8>(); }
    std::span<double, 8> DelayFine() { return Block<365, 8>(); }
    std::span<const double, 8> DelayFine() const { return Block<365, 8>(); }
    // Crossover, element = output * 2 + (0 high-pass, 1 low-pass).
    std::span<double, 16> XoverFreq() { return Block<373, 16>(); }
    std::span<const double, 16> XoverFreq() const { return Block<373, 16>(); }
    std::span<double, 16> XoverType() { return Block<389, 16>(); }
    std::span<const double, 16> XoverType() const { return Block<389, 16>(); }
    double& CurProgReg() { return Doubles[405]; }
    double CurProgReg() const { return Doubles[405]; }
    std::span<double, 8> InProcType() { return Block<406, 8>(); }
    std::span<const double, 8> InProcType() const { return Block<406, 8>(); }
    std::span<double, 8> InFeedbackOn() { return Block<414, 8>(); }
    std::span<const double, 8> InFeedbackOn() const { return Block<414, 8>(); }
    std::span<double, 8> InSource() { return Block<422, 8>(); }
    std::span<const double, 8> InSource() const { return Block<422, 8>(); }
    // Per channel: inputs 0..7, outputs 8..15.
    std::span<double, 16> ChLevelDb() { return Block<430, 16>(); }
    std::span<const double, 16> ChLevelDb() const { return Block<430, 16>(); }
    std::span<double, 16> MuteFlag() { return Block<446, 16>(); }
    std::span<const double, 16> MuteFlag() const { return Block<446, 16>(); }
    std::span<double, 16> PolarityFlag() { return Block<462, 16>(); }
    std::span<const double, 16> PolarityFlag() const { return Block<462, 16>(); }
    std::span<double, 8> InBalanced() { return Block<478, 8>(); }
    std::span<const double, 8> InBalanced() const { return Block<478, 8>(); }
    // Master input gain in percent (0), master output volume in dB (1).
    std::span<double, 2> MasterLevel() { return Block<510, 2>(); }
    std::span<const double, 2> MasterLevel() const { return Block<510, 2>(); }
    double& FrontPanelLock() { return Doubles[516]; }
    double FrontPanelLock() const { return Doubles[516]; }
    // Marker byte of program slot k; 85 = stored.
    std::span<double, 10> SlotStatus() { return Block<518, 10>(); }
    std::span<const double, 10> SlotStatus() const { return Block<518, 10>(); }

    bool operator==(const DevParamRecord&) const = default;

  private:
    template <size_t First, size_t Count>
    std::span<double, Count> Block() {
        return std::span<double, 528>(Doubles).subspan<First, Count>();
    }
    template <size_t First, size_t Count>
    std::span<const double, Count> Block() const {
        return std::span<const double, 528>(Doubles).subspan<First, Count>();
    }
};

}  // namespace model
