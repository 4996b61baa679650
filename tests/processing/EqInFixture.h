// "Inputs EQ" opened from the editor window of a slot without a device, or of a connected
// one: the input types as the device image gives them, the dialog driven while it is open,
// and the band records of the image.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "processing/FrmEqIn.h"
#include "state/State.h"
#include "support/Typing.h"
#include "ui/HeadlessHost.h"

namespace eqintest {

// An input band record: type, frequency, Q index, gain index.
struct Record {
    int type, freq, q, gain;
    bool operator==(const Record&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Record& r) {
    return os << "{" << r.type << ", " << r.freq << ", " << r.q << ", " << r.gain << "}";
}

// Image (or device memory, 64 higher) address of band b of input i in its Line (bank 0) or
// Mic (bank 16) set.
inline int BandAddr(int i, int b, bool mic) {
    return model::EqInBandAddr[3 * i + b] + (mic ? 16 : 0);
}
inline int FlagAddr(int i, bool mic) {
    return model::EqInFlagAddr[i] + (mic ? 16 : 0);
}

// Inputs whose bit of lineBits is set are Line inputs, the others Mic; every input's
// processing is the equaliser unless fbkBits has its bit set. Sets the image and the
// parameter record as loading the device's image does.
inline void SetInputTypes(State& s, int16_t slot, uint8_t lineBits, uint8_t fbkBits = 0) {
    s.DevImage[slot].ProgImage[model::InSourceAddr] = lineBits;
    for (int i = 0; i < 8; ++i) {
        s.DevParam[slot].InSource()[i] = (lineBits >> i & 1) != 0 ? 1.0 : 0.0;
        s.DevParam[slot].InProcType()[i] = (fbkBits >> i & 1) != 0 ? 0.0 : 1.0;
    }
}

using testsupport::Enter;

// Drags band b's marker so that its corner goes to (left, top) twips, the pointer held at the
// marker's centre; then lets it go.
inline void DragMarker(FrmEqIn& d, int16_t b, float left, float top) {
    ui::Label& m = d.Label5(b);
    m.UserMouseDown(ui::vbLeftButton, 0, 60, 60);
    m.UserMouseMove(ui::vbLeftButton, 0, left - static_cast<float>(m.Left()) + 60,
                    top - static_cast<float>(m.Top()) + 60);
    m.UserMouseUp(ui::vbLeftButton, 0, 60, 60);
}

// Presses the equaliser "Edit" of input i on the editor's Inputs tab and runs drive on the
// dialog it opens; then closes the dialog with "Exit".
inline void OnEqIn(ui::HeadlessHost& host, FrmCtrl& editor, int16_t i,
                   const std::function<void(FrmEqIn&)>& drive) {
    bool shown = false;
    host.DriveModal("FrmEqIn", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmEqIn&>(form);
        shown = true;
        drive(d);
        if (d.Loaded()) d.Command2.UserClick();
    });
    editor.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    editor.Command10(i).UserClick();
    EXPECT_TRUE(shown);
}

}  // namespace eqintest
