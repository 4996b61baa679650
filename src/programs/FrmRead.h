// "Read Program": recalls one of the current device's six normal program slots.
#pragma once

#include "programs/ReadWindow.h"

class FrmRead : public ReadWindow {
  public:
    explicit FrmRead(State& s) : ReadWindow(s, "FrmRead", false) {}
};
