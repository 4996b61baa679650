// The main window's exit sequence.
#include <string>

#include "app/MDIFrmMain.h"
#include "editor/FrmCtrl.h"
#include "files/StateFiles.h"
#include "project/FrmDevice.h"
#include "project/ProjectFile.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

void MDIFrmMain::Form_QueryUnload(int16_t& cancel, int16_t) {
    if (ending_) return;
    if (!s_.OpDone) {
        s_.host.MsgBox("Please wait the last requested operation to be accomplished",
                       ui::vbOKOnly + ui::vbExclamation, "Exit");
        s_.EditBusy = false;
        cancel = -1;
        return;
    }
    if (s_.host.MsgBox("               Are you sure ? ", ui::vbYesNo + ui::vbDefaultButton2,
                       "Exit") != ui::vbYes) {
        cancel = -1;
        return;
    }
    // The busy pointer on the main window and, for the pause, on every window of the program.
    SetMousePointer(ui::vbArrowHourglass);
    s_.host.SetMousePointer(ui::vbArrowHourglass);
    ModConfig::KeepWindowPositions(s_);
    if (!SaveStateFiles()) {
        SetMousePointer(ui::vbDefault);
        s_.host.SetMousePointer(ui::vbDefault);
        cancel = -1;
        return;
    }
    StopTimers();
    SendClosingCommands();
    ending_ = true;
    s_.host.End();
}

// No request follows the closing commands: the command bar's timer and every editor's meter
// poll stop before them (a poll overdue after the pause would otherwise still go out).
void MDIFrmMain::StopTimers() {
    Timer7.SetTimerEnabled(false);
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        FrmCtrl* editor = ExistingFrmCtrl(s_, slot);
        if (editor != nullptr && editor->Timer1.Exists(slot)) {
            editor->Timer1(slot).SetTimerEnabled(false);
        }
    }
}

// Both files are written whole or not at all; a file that could not be written is named,
// and the user chooses between staying (to make room and try again) and leaving anyway.
bool MDIFrmMain::SaveStateFiles() {
    std::string failed;
    if (!StateFiles::WriteDeviceList(s_)) {
        failed += StateFiles::StateFilePath(s_, StateFiles::kStartIni) + "\r\n";
    }
    if (!StateFiles::WriteDeviceImages(s_)) {
        failed += StateFiles::StateFilePath(s_, StateFiles::kStartBfIni) + "\r\n";
    }
    if (failed.empty()) return true;
    return s_.host.MsgBox(
               "The devices could not be saved to\r\n" + failed + "\r\nExit without saving ?",
               ui::vbYesNo + ui::vbExclamation + ui::vbDefaultButton2, "Exit") == ui::vbYes;
}

// Tells the devices that the remote control ends: 0x8F once on a serial link, 0x9F to every
// connected device on TCP/IP. A failed one ends the round without the closing pause.
void MDIFrmMain::SendClosingCommands() {
    bool sent = false;
    switch (s_.LinkType) {
        case 0:
            if (s_.DevList[0].Online == 1 && !StateFiles::HoldsOtherLink(s_, 0))
                sent = !ModRxTx::TxCommand(s_, 0, CmdCloseSerial);
            break;
        case 1:
            for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
                if (s_.DevList[slot].Online != 1 || StateFiles::HoldsOtherLink(s_, slot)) continue;
                sent = !ModRxTx::TxCommand(s_, slot, CmdCloseSerial);
                break;
            }
            break;
        case 2:
            for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
                if (s_.TcpLink.IsConnected(slot) == 0) continue;
                if (ModRxTx::TxCommand(s_, slot, CmdCloseTcp)) {
                    sent = false;
                    break;
                }
                sent = true;
            }
            break;
        default:
            break;
    }
    if (sent) s_.host.Sleep(3000);
}
