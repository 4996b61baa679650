// The second half of a connect: everything the program keeps about a device besides its
// working program, read into a scratch copy that the caller commits only when the whole
// connect succeeded.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/DevImageRecord.h"
#include "model/DevParamRecord.h"

struct State;

namespace Speaker {

// What a connect reads of one device slot.
struct DeviceReadBack {
    std::string DevName;  // name read with CmdReadName
    model::DevImageRecord Image;
    model::DevParamRecord Param;
    std::string NickName;  // the 16-character name at device memory 32..47
    std::string FwVersion;
    std::string DspVersion;
    int16_t DevModel = 0;
    std::string DevInfoText;  // MAC address
    std::string DevUid;
    int16_t DevNetMode = 0;
    std::array<int16_t, 4> DevNetIp{};
    int16_t DevNetId = 0;
    int16_t RunningProgSlot = 0;
};

// A scratch copy holding the slot's present values.
DeviceReadBack ReadBackOf(const State& s, int16_t slot);

// Reads identity and versions, the name, MAC and UID, network settings, the settings block,
// the program slot markers and names, the external-signal state, the switch presets and the
// working program's name into rb, decodes them, and works out the running program. Each
// request calls step (the connect steps its progress bar). Returns false at the first request
// that got no reply; rb is then partly filled and must be thrown away.
bool ReadDeviceAtConnect(State& s, int16_t slot, DeviceReadBack& rb,
                         const std::function<void()>& step);

// Makes rb the slot's image, parameter record, identity and nick name and clears the slot's
// link masks.
void CommitReadBack(State& s, int16_t slot, const DeviceReadBack& rb);

// The running program: the current program register, or the extra program 6 + signal when
// an enabled external signal is active (lines active low when activeMode is not 0).
int16_t RunningProgramSlot(double curProgReg, double extSignalIndex, uint8_t lines,
                           double extEnableMask, double extActiveMode);

}  // namespace Speaker
