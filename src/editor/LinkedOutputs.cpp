#include "editor/LinkedOutputs.h"

#include "state/State.h"
#include "ui/Host.h"

namespace editor {

void RepeatOnLinkedOutputs(State& s, int16_t o, int waitMs,
                           const std::function<void(int16_t p)>& repeat) {
    if (o < 0 || o > 7) return;
    const auto& members = s.OutLinkSet[s.CurDev];
    if (members[o] != 1) return;
    for (int16_t p = 0; p < 8; ++p) {
        if (p == o || members[p] != 1) continue;
        if (waitMs > 0) s.host.Sleep(waitMs);
        repeat(p);
        if (s.TxFailed) return;
    }
}

}  // namespace editor
