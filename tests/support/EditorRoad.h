// The editor window end to end against the device: a fixture that connects the devices, opens
// an editor and reads the working program back over the wire.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "editor/FrmCtrl.h"
#include "editor/FrmImage.h"
#include "model/MemoryMap.h"
#include "model/ResponseGrid.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"
#include "support/DeviceTest.h"
#include "support/Typing.h"

namespace testsupport {

class EditorRoadTest : public DeviceTest {
  protected:
    using Bytes = std::vector<uint8_t>;

    // The devices put into the project and connected (their images read) with short
    // time-outs; their slots, slot the first. Starts the harness with options unless the test
    // started it already (to prepare the simulated devices first).
    std::vector<int16_t> Connect(const DeviceOptions& options = {}) {
        if (!harness_) Start(options);
        H().ShortenTimeouts(0.1);
        std::vector<int16_t> slots;
        for (size_t k = 0; k < H().DeviceCount(); ++k) {
            slots.push_back(H().AddDevice(k));
            ModProject::ConnectDevice(S(), slots.back());
            EXPECT_EQ(S().DevList[slots.back()].Online, 1);
        }
        if (!slots.empty()) slot = slots[0];
        return slots;
    }
    // Opens the slot's editor as the status window's "Edit" does, on tab when one is given.
    FrmCtrl& Edit(int16_t at, int16_t tab = -1) {
        ModProject::OpenSpeakerEditor(S(), at);
        FrmCtrl* f = ExistingFrmCtrl(S(), at);
        EXPECT_NE(f, nullptr);
        if (tab >= 0) f->SSTab1.UserSelectTab(tab);
        return *f;
    }
    // The slot's editor closed, then its device disconnected and connected again from its
    // status window as a user does, so the PC reads the device afresh; the questions it answered
    // are taken.
    void Reconnect(int16_t at) {
        CloseEditor(at);
        FrmDevice& w = FrmDeviceOf(S(), at);
        if (S().DevList[at].Online == 1) {
            H().host.Answer(ui::vbYes);
            w.Label1.UserClick();
        }
        w.Label1.UserClick();
        EXPECT_EQ(S().DevList[at].Online, 1);
        H().host.TakeMessages();
    }
    // The slot's editor, when open, closed by its close box, the question answered Yes.
    void CloseEditor(int16_t at) {
        if (FrmCtrl* f = ExistingFrmCtrl(S(), at)) {
            H().host.Answer(ui::vbYes);
            EXPECT_TRUE(f->UserClose());
        }
    }
    // One device connected and its editor open on tab.
    FrmCtrl& ConnectAndEdit(int16_t tab = -1) {
        Connect();
        return Edit(slot, tab);
    }
    bool Simulated() { return !H().External(); }
    void ClearLog(size_t k = 0) {
        if (Simulated()) H().Device(k).ClearLog();
    }
    // Codes of the requests simulated device k received since its log was cleared.
    std::vector<uint8_t> Codes(size_t k = 0) {
        std::vector<uint8_t> codes;
        for (const Bytes& f : Requests(k)) codes.push_back(f[3]);
        return codes;
    }
    // The simulated device received exactly frames, or frames with these codes, since its log
    // was cleared (not checked on an outside device).
    void ExpectRequests(const std::vector<Bytes>& frames) {
        if (Simulated()) {
            EXPECT_EQ(Requests(), frames);
        }
    }
    void ExpectCodes(const std::vector<uint8_t>& codes) {
        if (Simulated()) {
            EXPECT_EQ(Codes(), codes);
        }
    }
    // Working-program bytes of slot at image address addr, read back over the wire.
    Bytes Memory(int addr, int count) {
        return H().ReadMemory(slot, addr + model::WorkingProgramAddr, count);
    }
    // One byte of the working program read back; -1 on a failed request.
    int Byte(int addr) { return DeviceByte(addr + model::WorkingProgramAddr); }
    // One byte at a device address read back; -1 on a failed request.
    int DeviceByte(int deviceAddr) {
        const Bytes b = H().ReadMemory(slot, deviceAddr, 1);
        return b.empty() ? -1 : b[0];
    }
    // Each output's curve as the editor's picture shows it, in the view the output shows: the
    // end of every segment drawn after the view's background.
    using Curve = std::vector<std::pair<float, float>>;
    std::array<Curve, 8> DrawnCurves(FrmCtrl& f) {
        std::array<Curve, 8> curves;
        const FrmImage& images = FrmImageOf(S());
        for (int16_t o = 0; o < 8; ++o) {
            const auto& drawn = f.Picture1(o).DisplayList();
            const auto& background = f.Option3(o).Value() ? images.Picture1 : images.Picture2;
            for (size_t k = std::min(background.DisplayList().size(), drawn.size());
                 k < drawn.size(); ++k) {
                curves[o].emplace_back(drawn[k].x2, drawn[k].y2);
            }
        }
        return curves;
    }
    // Every output of the slot's editor is drawn, point by point, as a fresh editor on the same
    // image draws it in the same view: the editor is closed and opened again, and each output
    // that showed "Phase" is switched to it. The fresh editor stays open.
    FrmCtrl& ExpectDrawnAsFresh(int16_t at) {
        FrmCtrl* f = ExistingFrmCtrl(S(), at);
        EXPECT_NE(f, nullptr);
        std::array<bool, 8> phase{};
        for (int16_t o = 0; o < 8; ++o) phase[o] = !f->Option3(o).Value();
        const std::array<Curve, 8> drawn = DrawnCurves(*f);
        CloseEditor(at);
        FrmCtrl& fresh = Edit(at);
        for (int16_t o = 0; o < 8; ++o) {
            if (!phase[o]) continue;
            fresh.SSTab1.UserSelectTab(static_cast<int16_t>(o + 1));
            EXPECT_TRUE(fresh.Option4(o).UserClick());
        }
        const std::array<Curve, 8> expected = DrawnCurves(fresh);
        for (int16_t o = 0; o < 8; ++o) {
            EXPECT_TRUE(SameCurve(drawn[o], expected[o]))
                << "output " << o << (phase[o] ? ", phase" : ", magnitude");
        }
        return fresh;
    }
    // Both curves have a point in every column and end them on the same rows.
    static ::testing::AssertionResult SameCurve(const Curve& mine, const Curve& fresh) {
        if (mine.size() != model::GraphPoints || fresh.size() != model::GraphPoints) {
            return ::testing::AssertionFailure()
                   << mine.size() << " and " << fresh.size() << " points";
        }
        for (size_t i = 0; i < mine.size(); ++i) {
            if (mine[i] != fresh[i]) {
                return ::testing::AssertionFailure()
                       << "point " << i << " on row " << mine[i].second << ", not "
                       << fresh[i].second;
            }
        }
        return ::testing::AssertionSuccess();
    }
    // No edit is running.
    void ExpectIdle() {
        EXPECT_TRUE(S().OpDone);
        EXPECT_FALSE(S().EditBusy);
    }
    // No edit running, no controls being filled, nothing went wrong.
    void ExpectClean() {
        EXPECT_TRUE(H().host.Problems().empty());
        ExpectIdle();
        EXPECT_FALSE(S().UiUpdating);
    }

    int16_t slot = 0;
};

}  // namespace testsupport
