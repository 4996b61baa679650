// An editor window of a device slot that holds the default image, is in the project and is not
// connected: every send succeeds without an exchange, so arbitrary input runs through the
// editor's own code only. Made once per fuzzing process.
#pragma once

#include <cstdlib>
#include <memory>

#include "app/Wiring.h"
#include "editor/FrmCtrl.h"
#include "model/DeviceDefaults.h"
#include "project/DeviceWindows.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

struct OfflineEditor {
    static constexpr int16_t kSlot = 3;

    OfflineEditor() {
        model::InitDeviceDefault(*state, static_cast<uint8_t>(kSlot));
        state->DevList[kSlot].Used = -1;
        ModProject::OpenSpeakerEditor(*state, kSlot);
        editor = ExistingFrmCtrl(*state, kSlot);
        if (editor == nullptr) std::abort();
    }

    ui::HeadlessHost host;
    std::unique_ptr<State> state = NewState(host);
    FrmCtrl* editor = nullptr;
};
