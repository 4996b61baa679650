// "Read Program Extra": recalls one of the current device's four extra program slots.
#pragma once

#include "programs/ReadWindow.h"

class FrmReadExtra : public ReadWindow {
  public:
    explicit FrmReadExtra(State& s) : ReadWindow(s, "FrmReadExtra", true) {}
};
