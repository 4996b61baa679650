#include "programs/ProgramRest.h"

#include <algorithm>
#include <vector>

#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"

namespace ModProg {

namespace {

// A four-byte write reaches the last program byte at most.
constexpr int kLastWriteAddr = model::ProgramBytes - 4;

// The image addresses of the bytes left out, in ascending order.
std::vector<int> LeftOutBytes() {
    std::vector<int> at;
    const auto run = [&](int first, int count) {
        for (int a = first; a < first + count; ++a) at.push_back(a);
    };
    run(model::ProgNameAddr, 16);
    run(453, 2);
    run(model::ProgMarkAddr, 1);
    run(model::MasterLevelAddr[0], 1);
    run(469, 2);
    // Byte 6 of an input's name block; bytes 6 and 7 of an output's.
    for (int ch = 0; ch < 8; ++ch) run(model::ChNameAddr[ch] + 6, 1);
    for (int ch = 8; ch < 16; ++ch) run(model::ChNameAddr[ch] + 6, 2);
    run(891, 2);
    run(896, 2);
    // The second ducker group, not part of the sequence, and the byte beside the third.
    run(900, 2);
    run(903, 1);
    run(905, 6);
    return at;
}

}  // namespace

bool SendProgramRest(State& s, const std::array<uint8_t, 913>& program) {
    const int16_t dev = s.CurDev;
    auto& img = s.DevImage[dev].ProgImage;
    const std::vector<int> bytes = LeftOutBytes();
    for (int a : bytes) img[a] = program[a];
    int written = -1;  // the last byte a write has covered
    for (int a : bytes) {
        if (a <= written) continue;
        const int first = std::min(a, kLastWriteAddr);
        const int addr = first + model::WorkingProgramAddr;
        if (ModRxTx::TxCommand(s, dev, CmdWriteMem4, static_cast<uint8_t>(addr >> 8),
                               static_cast<uint8_t>(addr & 0xFF), img[first], img[first + 1],
                               img[first + 2], img[first + 3])) {
            return true;
        }
        written = first + 3;
    }
    return false;
}

}  // namespace ModProg
