#include "editor/senders/ApplyImageEqIn.h"

#include "editor/senders/LinkSets.h"
#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "model/ValueBytes.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"

namespace ModFun {

namespace {
constexpr int kInEqFirst = 480;
constexpr int kInEqLast = 735;
}  // namespace

bool SendInEqMemory(State& s) {
    const int16_t dev = s.CurDev;
    for (int a = kInEqFirst; a <= kInEqLast; a += 4) {
        const auto& img = s.DevImage[dev].ProgImage;
        model::SplitValueBytes(s, a + model::WorkingProgramAddr, 0);
        if (ModRxTx::TxCommand(s, dev, CmdWriteMem4, s.ValBytes[2], s.ValBytes[3], img[a],
                               img[a + 1], img[a + 2], img[a + 3])) {
            return false;
        }
        StepProgressCtrl(s);
    }
    return true;
}

bool SendInEqBands(State& s) {
    const int16_t dev = s.CurDev;
    for (int16_t k = 0; k < 24; ++k) {
        const int16_t i = k / 3;
        const int16_t b = k % 3;
        s.EqInBankOfs[i] = s.DevParam[dev].InSource()[i] == 1.0 ? 0 : 16;
        const int16_t ofs = s.EqInBankOfs[i];
        const auto& img = s.DevImage[dev].ProgImage;
        const int a = model::EqInBandAddr[k] + ofs;
        if (ModRxTx::TxCommand(s, dev, CmdEqBand, static_cast<uint8_t>(i), static_cast<uint8_t>(b),
                               img[model::EqInFlagAddr[i] + ofs], img[a], img[a + 1], img[a + 2],
                               img[a + 3], img[a + 4])) {
            return false;
        }
        StepProgressCtrl(s);
    }
    return true;
}

}  // namespace ModFun
