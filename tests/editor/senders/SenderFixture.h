// A connected device, the current one, for the sender tests: its editor window exists but is
// not open, so the senders read controls that the test sets. The effects are read back from
// the device's memory over the wire, so the tests also run against an outside device; the
// frames themselves are checked in the simulator's log where it runs.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "devsim/MemoryMap.h"
#include "editor/FrmCtrl.h"
#include "model/MemoryMap.h"
#include "support/EditorRoad.h"

class SenderTest : public testsupport::EditorRoadTest {
  protected:
    void SetUp() override {
        Connect();
        ASSERT_FALSE(HasFailure());
        S().CurDev = slot;
        ClearLog();
    }
    FrmCtrl& F() { return FrmCtrlOf(S(), slot); }
    uint8_t Img(int addr) { return S().DevImage[slot].ProgImage[addr]; }
    // Code and data bytes of every request since the log was cleared, and of the last one
    // (simulator only).
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
    // Frame checks that only the simulator's log can serve; an outside device skips them.
    void ExpectSent(const std::vector<Bytes>& frames) {
        if (!Simulated()) return;
        EXPECT_EQ(Sent(), frames);
    }
    void ExpectLast(const Bytes& frame) {
        if (!Simulated()) return;
        EXPECT_EQ(LastData(), frame);
    }
    // The device drops the connection at the next frame with that code.
    void Drop(uint8_t code) { H().Device().AddFault({devsim::FaultKind::DropConnection, code}); }
};
