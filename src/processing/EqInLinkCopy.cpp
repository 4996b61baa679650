// The copy of an input equaliser edit onto the linked inputs, in the image and on the wire.
#include <vector>

#include "model/AddressTables.h"
#include "processing/ModEqIn.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"

namespace ModEqIn {

namespace {

// The inputs an edit of the input shown goes to: the other members of the input link set of
// the same type in ascending order or, when the input is not in the link set, its stereo
// partner.
std::vector<int16_t> Targets(const State& s) {
    const int16_t dev = s.CurDev;
    const int16_t i = s.CurInCh;
    std::vector<int16_t> targets;
    const auto& source = s.DevParam[dev].InSource();
    if (s.InLinkSet[dev][i] == 1) {
        for (int16_t k = 0; k < 8; ++k) {
            if (k != i && s.InLinkSet[dev][k] == 1 && source[k] == source[i]) {
                targets.push_back(k);
            }
        }
    } else if (s.InPairLink[dev][i / 2]) {
        targets.push_back(static_cast<int16_t>(i ^ 1));
    }
    return targets;
}

// Sends band b of input k as the image holds it, in the set of the input shown; true when the
// exchange failed.
bool SendBand(State& s, int16_t k, int16_t b) {
    const int bank = s.EqInBankOfs[s.CurInCh];
    auto& img = s.DevImage[s.CurDev].ProgImage;
    const int a = model::EqInBandAddr[3 * k + b] + bank;
    return ModRxTx::TxCommand(s, s.CurDev, CmdEqBand, static_cast<uint8_t>(k),
                              static_cast<uint8_t>(b), img[model::EqInFlagAddr[k] + bank], img[a],
                              img[a + 1], img[a + 2], img[a + 3], img[a + 4]);
}

}  // namespace

void CopyEqInToLinked(State& s, int16_t band) {
    const int16_t i = s.CurInCh;
    if (band < 0 || band > 2 || i < 0 || i > 7) return;
    const int bank = s.EqInBankOfs[i];
    auto& img = s.DevImage[s.CurDev].ProgImage;
    for (int16_t k : Targets(s)) {
        img[model::EqInFlagAddr[k] + bank] = img[model::EqInFlagAddr[i] + bank];
        const int from = model::EqInBandAddr[3 * i + band] + bank;
        const int to = model::EqInBandAddr[3 * k + band] + bank;
        for (int j = 0; j < 5; ++j) img[to + j] = img[from + j];
        if (SendBand(s, k, band)) return;
    }
}

void CopyAllEqInToLinked(State& s) {
    const int16_t i = s.CurInCh;
    if (i < 0 || i > 7) return;
    const int bank = s.EqInBankOfs[i];
    auto& img = s.DevImage[s.CurDev].ProgImage;
    for (int16_t k : Targets(s)) {
        for (int16_t b = 0; b < 3; ++b) {
            img[model::EqInBandAddr[3 * k + b] + bank + 4] =
                img[model::EqInBandAddr[3 * i + b] + bank + 4];
            if (SendBand(s, k, b)) return;
        }
    }
}

}  // namespace ModEqIn
