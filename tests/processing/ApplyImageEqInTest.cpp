// A whole device image applied with sending on: the raw input equaliser memory of both sets
// goes out in four-byte writes, then each input's bands of the set its type selects, between
// the master levels and the output equaliser bands; a failed write ends the run.
#include "EqInFixture.h"
#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "editor/senders/ApplyDeviceImage.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "support/EditorRoad.h"

namespace {

class ApplyImageEqIn : public testsupport::EditorRoadTest {
  protected:
    // A connected device, current, whose image now holds a different equaliser in every byte
    // of the input equaliser blocks; inputs 2 and 7 (indices 1, 6) are Mic inputs.
    void SetUp() override {
        Connect();
        S().CurDev = slot;
        ASSERT_FALSE(ModRxTx::TxCommand(S(), slot, CmdInputSource, 0, 0, 0, 0, 0, 0, 0, kLine));
        eqintest::SetInputTypes(S(), slot, kLine);
        ASSERT_FALSE(HasFailure());
        auto& img = S().DevImage[slot].ProgImage;
        for (int a = 480; a < 736; ++a) img[a] = static_cast<uint8_t>(a * 7 % 97);
    }
    std::vector<Bytes> Requests() {
        std::vector<Bytes> frames;
        for (const auto& logged : H().Device().Log()) {
            frames.emplace_back(logged.request.begin() + 3, logged.request.begin() + 12);
        }
        return frames;
    }

    static constexpr uint8_t kLine = 0xBD;
};

TEST_F(ApplyImageEqIn, BothSetsAreWrittenThenTheBandsOfEachInputsSet) {
    ClearLog();
    ModFun::ApplyDeviceImage(S());
    ASSERT_FALSE(S().TxFailed);
    const auto& img = S().DevImage[slot].ProgImage;
    const Bytes memory = Memory(480, 256);
    ASSERT_EQ(memory.size(), 256u);
    EXPECT_TRUE(std::equal(memory.begin(), memory.end(), img.begin() + 480));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(S().EqInBankOfs[i], (kLine >> i & 1) != 0 ? 0 : 16) << i;
    }
    if (!Simulated()) return;  // the frames as the simulator logged them
    const auto frames = Requests();
    const auto first = std::find_if(frames.begin(), frames.end(),
                                    [](const Bytes& f) { return f[0] == CmdWriteMem4; });
    ASSERT_LE(std::distance(first, frames.end()), static_cast<ptrdiff_t>(frames.size()));
    ASSERT_GE(std::distance(first, frames.end()), 88);
    for (int k = 0; k < 64; ++k) {
        const Bytes& f = first[k];
        ASSERT_EQ(f[0], CmdWriteMem4) << k;
        const int a = 480 + 4 * k;
        EXPECT_EQ(f[1] * 256 + f[2], a + 64) << k;
        EXPECT_EQ(Bytes(f.begin() + 3, f.begin() + 7), Bytes(img.begin() + a, img.begin() + a + 4));
        EXPECT_EQ(f[7], 0);
        EXPECT_EQ(f[8], 0);
    }
    for (int k = 0; k < 24; ++k) {
        const Bytes& f = first[64 + k];
        const int i = k / 3;
        const int b = k % 3;
        const bool mic = (kLine >> i & 1) == 0;
        const int a = eqintest::BandAddr(i, b, mic);
        ASSERT_EQ(f[0], CmdEqBand) << k;
        EXPECT_EQ(f[1], i);
        EXPECT_EQ(f[2], b);
        EXPECT_EQ(f[3], img[eqintest::FlagAddr(i, mic)]) << k;
        EXPECT_EQ(Bytes(f.begin() + 4, f.end()), Bytes(img.begin() + a, img.begin() + a + 5)) << k;
    }
    // Before them the master levels, after them the output equaliser bands.
    EXPECT_EQ(first[-1][0], CmdMasterLevel);
    EXPECT_EQ(first[88][0], CmdEqBand);
    EXPECT_EQ(first[88][1], 8) << "output 1";
}

TEST_F(ApplyImageEqIn, AFailedWriteEndsTheRunBeforeAnyBand) {
    VX_REQUIRE_SIMULATOR(H());
    H().Device().ClearLog();
    H().Device().AddFault({devsim::FaultKind::NoReply, CmdWriteMem4, 1});
    ModFun::ApplyDeviceImage(S());
    EXPECT_TRUE(S().TxFailed);
    const auto frames = Requests();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back()[0], CmdWriteMem4) << "nothing after the failed write";
    EXPECT_EQ(std::count_if(frames.begin(), frames.end(),
                            [](const Bytes& f) { return f[0] == CmdEqBand; }),
              0);
}

}  // namespace
