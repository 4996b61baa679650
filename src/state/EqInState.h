// The data of the input equaliser editor under the system's names. Part of the program's one
// state object.
#pragma once

#include <array>
#include <cstdint>

class FrmEqIn;

namespace processing {

struct EqInState {
    // Filter type (0 "PEAK EQ", 1 "HiSHF Q", 2 "LoSHF Q") of band 0..2 of the input shown.
    std::array<int16_t, 3> EqInType{};
    // Per input, the equaliser set of its block in the image that it uses: 0 for a Line
    // input, 16 for a Mic input.
    std::array<int16_t, 8> EqInBankOfs{};
    // The "Inputs EQ" dialog while it exists, else nullptr.
    FrmEqIn* EqInWin = nullptr;
};

}  // namespace processing
