// "Store program": stores the current device's program into one of its six normal slots.
#pragma once

#include "programs/StoreWindow.h"

class FrmStore : public StoreWindow {
  public:
    explicit FrmStore(State& s) : StoreWindow(s, "FrmStore", false) {}
};
