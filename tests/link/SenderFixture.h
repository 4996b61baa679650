// A connected simulated device, the current one, for the sender tests: its editor window
// exists but is not open, so the senders read controls that the test sets.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "editor/FrmCtrl.h"
#include "project/Connect.h"
#include "support/DeviceTest.h"

class SenderTest : public testsupport::DeviceTest {
  protected:
    using Bytes = std::vector<uint8_t>;

    // The tests read the frames from the simulator's log.
    void SetUp() override {
        Start();
        VX_REQUIRE_SIMULATOR(H());
        H().ShortenTimeouts(0.1);
        slot = H().AddDevice();
        ModProject::ConnectDevice(S(), slot);
        S().CurDev = slot;
        H().Device().ClearLog();
    }
    FrmCtrl& F() { return FrmCtrlOf(S(), slot); }
    uint8_t Img(int addr) { return S().DevImage[slot].ProgImage[addr]; }
    // Code and data bytes of every request since the log was cleared, and of the last one.
    std::vector<Bytes> Sent() {
        std::vector<Bytes> frames;
        for (const auto& logged : H().Device().Log()) {
            frames.emplace_back(logged.request.begin() + 3, logged.request.begin() + 12);
        }
        return frames;
    }
    Bytes LastData() {
        const auto frames = Sent();
        return frames.empty() ? Bytes{} : frames.back();
    }
    // Sets controls as the image loaders do, without their handlers.
    void Quietly(const std::function<void()>& set) {
        S().UiUpdating = true;
        set();
        S().UiUpdating = false;
    }
    // The device drops the connection at the next frame with that code.
    void Drop(uint8_t code) { H().Device().AddFault({devsim::FaultKind::DropConnection, code}); }

    int16_t slot = 0;
};
