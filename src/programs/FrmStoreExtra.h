// "Store Program Extra": stores the current device's program into one of its four extra slots.
#pragma once

#include "programs/StoreWindow.h"

class FrmStoreExtra : public StoreWindow {
  public:
    explicit FrmStoreExtra(State& s) : StoreWindow(s, "FrmStoreExtra", true) {}
};
