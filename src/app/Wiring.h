// Puts the program together: a fresh state whose hooks the windows above the device protocol
// and the editor have filled in. The program and every test make their state here.
#pragma once

#include <memory>

struct State;

namespace ui {
class Host;
}

std::unique_ptr<State> NewState(ui::Host& host);
