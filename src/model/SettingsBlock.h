// The device settings block (device addresses 16..31, kept in DevExtra) as the parameter
// record mirrors it.
#pragma once

#include "model/DevImageRecord.h"
#include "model/DevParamRecord.h"

namespace model {

// Refreshes the record's mirrors of the settings block: external signals, switch preset,
// delay unit, front-panel lock and the six register copies. The current-program register is
// left to the caller (a new slot keeps the one it had).
void MirrorSettingsBlock(const DevImageRecord& img, DevParamRecord& par);

}  // namespace model
