// The delay frame of each output tab (coarse and fine arrows, the typed delay in milliseconds
// or metres, the bypass) and the delay unit option of the overview.
#include <algorithm>
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/senders/DelaySenders.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/OutEqUtilities.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"
#include "ui/Types.h"

namespace {

constexpr double kMetresPerMs = 0.34;
constexpr double kMaxMetres = 129.53932;
constexpr double kMaxMs = 380.9981;
constexpr double kFineStepMs = 0.0208;

// The typed delay's text as the conversion reads it: trimmed, cut at the first blank, a
// point read as the comma of a comma locale.
std::string DelayEntry(const std::string& text, bool decimalComma) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string entry = text.substr(first, text.find(' ', first) - first);
    if (decimalComma) std::replace(entry.begin(), entry.end(), '.', ',');
    return entry;
}

}  // namespace

void FrmCtrl::DelayFollowUp(int16_t o) {
    ModFun::CalcGraphEqCh(s_, o);
    ModLink::LinkDelay(s_, o);
}

void FrmCtrl::UpDown2_Change(int16_t o) {
    RunChange([&] { ModFun::SendDelay(s_, o); }, [&] { DelayFollowUp(o); });
}

void FrmCtrl::UpDown1_Change(int16_t o) {
    UpDown2_Change(o);
}

void FrmCtrl::Command8_Click(int16_t o) {
    RunChange([&] { ModFun::SendDelayByp(s_, o); }, [&] { DelayFollowUp(o); });
}

void FrmCtrl::Option1_Click(int16_t unit) {
    RunChange([&] { ModFun::LoadLabelDelay(s_, unit); }, {});
}

void FrmCtrl::Text2_KeyPress(int16_t o, int16_t& key) {
    if (s_.UiUpdating) return;
    const bool comma = s_.DecimalComma != 0;
    if (key == '.' || key == ',') key = static_cast<int16_t>(sys::DecimalSeparator(comma));
    const bool passes = (key >= '0' && key <= '9') || key == ui::vbKeyBack || key == ' ' ||
                        key == sys::DecimalSeparator(comma);
    if (key != ui::vbKeyReturn) {
        if (!passes) key = ' ';
        return;
    }
    BeginEntry();
    double value = 0;
    if (!sys::ParseNumber(DelayEntry(Text2(o).Text(), comma), comma, value)) {
        s_.host.MsgBox(kIncorrectValue, ui::vbOKOnly, "Warning");
        EndEntry();
        return;
    }
    if (s_.DevParam[s_.CurDev].DelayUnit() == 1) value = std::min(value, kMaxMetres) / kMetresPerMs;
    // A pasted negative delay is no delay at all.
    value = std::clamp(value, 0.0, kMaxMs);
    const double whole = sys::Int(value);
    s_.UiUpdating = true;
    UpDown2(o).SetValue(std::clamp(static_cast<int32_t>(whole), 0, 380));
    UpDown1(o).SetValue(std::clamp<int32_t>(sys::CInt((value - whole) / kFineStepMs), 0, 48));
    s_.UiUpdating = false;
    ModFun::SendDelay(s_, o);
    if (!s_.TxFailed) DelayFollowUp(o);
    EndEntry();
}
