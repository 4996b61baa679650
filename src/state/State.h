// The program's one state object: every process-wide variable the system names, as members
// under those names, and the per-slot windows. The program creates one at start and each
// test creates a fresh one with NewState (app/Wiring.h), which also fills in its hooks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/ModelState.h"
#include "state/AppState.h"
#include "state/EditorState.h"
#include "state/EqInState.h"
#include "state/LinkState.h"
#include "state/ProgramsState.h"
#include "state/ProjectState.h"
#include "state/WindowHooks.h"
#include "state/WindowPtr.h"

namespace ui {
class Form;
class Host;
}  // namespace ui

class FrmDevice;
class FrmCtrl;

struct State : model::ModelState,
               LinkState,
               ProjectState,
               AppState,
               editor::EditorState,
               processing::EqInState,
               ProgramsState,
               WindowHooks {
    explicit State(ui::Host& host);
    ~State();
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    ui::Host& host;

    int16_t CurDev = 0;         // the device whose editor was activated last
    bool UiUpdating = false;    // code fills controls: handlers return at once
    bool EditBusy = false;      // an editor handler or a device operation runs
    bool OpDone = true;         // no parameter operation is running
    bool CmdBusy = false;       // a main-window or status-window command runs
    int16_t GraphHold = 0;      // 1 while a whole image is applied
    int16_t LoadStateWord = 0;  // a program from a slot or a file is being applied
    // Set by the image loaders around the input senders whose frames they leave out.
    bool ApplyingBalanced = false;  // no channel block after the balanced bits
    bool ApplyingFeedback = false;  // no bulk bracket around the feedback bits

    // Editor bookkeeping: element 0 of EditorSlot is True (-1) while the slot's editor is
    // open, element 1 the slot as the link knows it, element 2 the slot itself.
    model::PerSlot<std::array<int16_t, 3>> EditorSlot{};
    int16_t EditorLastIdx = -1;             // open editors minus 1
    int16_t EditorLoadDev = 0;              // slot handed to an editor being loaded
    model::PerSlot<int32_t> FrmCtrlHwnd{};  // 255 = no editor

    // The per-slot windows; reach them through FrmDeviceOf (project/FrmDevice.h), FrmCtrlOf
    // and NewFrmCtrl (editor/FrmCtrl.h).
    model::PerSlot<WindowPtr<FrmDevice>> FrmDeviceWin;
    model::PerSlot<WindowPtr<FrmCtrl>> FrmCtrlWin;
    // Keeps an unloaded window that was replaced until nothing of it runs any more (a
    // handler of it, or a modal loop one of them opened), then releases it.
    void RetireWindow(std::unique_ptr<ui::Form> form);
    // A fresh window of type W in w; the one it replaces is retired. Only code that knows W
    // calls it.
    template <class W>
    W& RenewWindow(WindowPtr<W>& w) {
        if (w) RetireWindow(w.Release());
        w = WindowPtr<W>(std::make_unique<W>(*this));
        return *w;
    }

  private:
    void ReleaseIdle(ui::Form* form);

    std::vector<std::unique_ptr<ui::Form>> retired_;
    std::shared_ptr<int> alive_;
};
