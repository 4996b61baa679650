// The status window of one device of the project: its caption names the link and tells
// online or offline, Label1 connects or disconnects, Label2 opens the editor, Label10 shows
// the nick name, ProgressBar1 follows a connect. Closing it deletes the device.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmDevice : public ui::Form {
  public:
    explicit FrmDevice(State& s);

    // Opens the link of the window's slot with messages: the serial port (twice, 50 ms
    // apart) and up to four handshakes, or the TCP connection and its handshake. ok receives
    // whether the device answered.
    void SearchConnection(int16_t slot, bool& ok);
    // CurDevWin := the slot whose status window this is; unchanged when none is.
    void FindDeviceWindowSlot();

    void Label1_Click();
    void Label2_Click();
    void Label10_DblClick();

    ui::Label Label1{*this, "Label1"};    // "Connect" / "Disconnect"
    ui::Label Label2{*this, "Label2"};    // "Edit"
    ui::Label Label10{*this, "Label10"};  // nick name
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};

    static constexpr ui::Twips kWidth = 3450;
    static constexpr ui::Twips kHeight = 665;

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    void Layout();
    bool Disconnect(int16_t slot);

    State& s_;
};

// The slot's status window, created (not loaded, not shown) when the slot holds none or its
// window was unloaded. The unloaded one is released once nothing of it runs.
FrmDevice& FrmDeviceOf(State& s, int16_t slot);
