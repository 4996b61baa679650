#include "editor/senders/ChannelBlock.h"

#include "model/AddressTables.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"

namespace ModFun {

uint8_t PackBits(const std::function<double(int k)>& flag) {
    int bits = 0;
    for (int k = 0; k < 8; ++k) {
        if (flag(k) != 0) bits |= 1 << k;
    }
    return static_cast<uint8_t>(bits);
}

bool SendChannelBlock(State& s, int16_t c) {
    const int16_t dev = s.CurDev;
    const auto& img = s.DevImage[dev].ProgImage;
    const int g = c / 8;
    return ModRxTx::TxCommand(
        s, dev, CmdChannelBlock, static_cast<uint8_t>(c), 0, 0, img[model::GainAddrLo[c]],
        img[g == 0 ? model::ChFlagAddrIn : model::ChFlagAddrOut], img[model::MuteAddr[g]],
        img[model::PolarityAddr[g]], img[model::GainAddrHi[c]]);
}

}  // namespace ModFun
