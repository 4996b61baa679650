// A connected device, the current one, for the tests that read their effects back from the
// device's memory over the wire; its editor opened when the test asks for it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "EqInFixture.h"
#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "link/Commands.h"
#include "link/ModRxTx.h"
#include "model/MemoryMap.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "support/DeviceTest.h"

class RoadTest : public testsupport::DeviceTest {
  protected:
    using Bytes = std::vector<uint8_t>;

    void Connect(const testsupport::DeviceOptions& options = {}) {
        Start(options);
        H().ShortenTimeouts(0.1);
        slot = H().AddDevice();
        ModProject::ConnectDevice(S(), slot);
        ASSERT_EQ(S().DevList[slot].Online, 1);
        S().CurDev = slot;
    }
    // Connected, with the editor open.
    FrmCtrl& Open(const testsupport::DeviceOptions& options = {}) {
        Connect(options);
        ModProject::OpenSpeakerEditor(S(), slot);
        FrmCtrl* f = ExistingFrmCtrl(S(), slot);
        EXPECT_NE(f, nullptr);
        return *f;
    }
    // The inputs of lineBits made Line inputs, the others Mic, on the device and the PC.
    void SetLineInputs(uint8_t lineBits) {
        EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdInputSource, 0, 0, 0, 0, 0, 0, 0, lineBits));
        eqintest::SetInputTypes(S(), slot, lineBits);
    }
    // Bytes at image address addr, read back from the device.
    Bytes Memory(int addr, int count) {
        return H().ReadMemory(slot, addr + model::WorkingProgramAddr, count);
    }
    static void Enter(ui::TextBox& box, const std::string& text) { eqintest::Enter(box, text); }

    int16_t slot = 0;
};
