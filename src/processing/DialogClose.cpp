#include "processing/DialogClose.h"

#include "state/State.h"
#include "ui/Host.h"

namespace processing {

bool RefuseCloseWhileBusy(State& s) {
    if (s.OpDone) return false;
    s.host.MsgBox("Please wait the last requested operation to be accomplished",
                  ui::vbOKOnly + ui::vbExclamation, "Close window");
    return true;
}

}  // namespace processing
