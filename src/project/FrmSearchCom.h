// The COM search: walks COM1 to COM32 through the program's serial link, 100 ms after the
// window opened, and closes again. The USB search stops at the first port on which a device
// answers; the RS485 search lists every port that opens. SearchComFound and SearchComPort
// tell the result.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmSearchCom : public ui::Form {
  public:
    // usb: the USB search, else the RS485 search.
    FrmSearchCom(State& s, bool usb);

    void Timer1_Timer();
    // One frame of cmd to address on the open port, with its own time-outs: True when a
    // device answered it (0x00: reply byte 4 is 'F'; 0x39: reply byte 10 is 'F'). The reply
    // is then in RxBuf(0..12).
    bool TxCheckDev(uint8_t& cmd, uint8_t& address);

    ui::Label Label1{*this, "Label1"};
    ui::Label Label2{*this, "Label2"};  // the port being tried
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Timer Timer1{*this, "Timer1"};

    static constexpr int kHighestPort = 32;

  protected:
    void Form_Load() override;

  private:
    void LayOut();
    void ShowPort(int port);
    // True when port opened (USB: at the second attempt at the latest).
    bool OpenPort(int port, int attempts);
    void SearchUsb();
    void SearchRs485();

    State& s_;
    bool usb_;
};
