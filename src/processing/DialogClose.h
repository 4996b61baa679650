// What every processing dialog does when asked to close.
#pragma once

struct State;

namespace processing {

// While an operation of the dialog runs (OpDone clear): the message "Please wait the last
// requested operation to be accomplished" and true, the dialog stays open.
bool RefuseCloseWhileBusy(State& s);

}  // namespace processing
