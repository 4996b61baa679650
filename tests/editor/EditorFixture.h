// An editor window of a device slot without a device: the slot holds the default image, is in
// the project and is not connected, so every send succeeds without an exchange.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/Wiring.h"
#include "editor/FrmCtrl.h"
#include "model/DeviceDefaults.h"
#include "project/DeviceWindows.h"
#include "state/State.h"
#include "support/Typing.h"
#include "ui/HeadlessHost.h"

class EditorFixture : public ::testing::Test {
  protected:
    static constexpr int16_t kSlot = 3;

    void SetUp() override { Prepare(kSlot); }

    void Prepare(int16_t slot) {
        model::InitDeviceDefault(*s, static_cast<uint8_t>(slot));
        s->DevList[slot].Used = -1;
    }
    uint8_t& Image(int addr, int16_t slot = kSlot) { return s->DevImage[slot].ProgImage[addr]; }

    // Opens the slot's editor as the status window's "Edit" does.
    FrmCtrl& Open(int16_t slot = kSlot) {
        ModProject::OpenSpeakerEditor(*s, slot);
        FrmCtrl* f = ExistingFrmCtrl(*s, slot);
        EXPECT_NE(f, nullptr);
        return *f;
    }

    // Opens the slot's editor with the tab shown.
    FrmCtrl& OpenOn(int16_t tab, int16_t slot = kSlot) {
        FrmCtrl& f = Open(slot);
        f.SSTab1.UserSelectTab(tab);
        return f;
    }

    // No edit is running.
    void ExpectIdle() {
        EXPECT_TRUE(s->OpDone);
        EXPECT_FALSE(s->EditBusy);
    }
    static void Enter(ui::TextBox& box, const std::string& text) { testsupport::Enter(box, text); }
    static void Retype(ui::TextBox& box, const std::string& text) {
        testsupport::Retype(box, text);
    }

    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);
};
