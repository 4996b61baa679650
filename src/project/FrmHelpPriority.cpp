#include "project/FrmHelpPriority.h"

#include <array>
#include <string>

#include "state/State.h"

namespace {

// Recall order per priority: program E<n> follows contact S<n>.
constexpr std::array<const char*, 8> kOrder = {
    "E4 S4, E3 S3, E2 S2, E1 S1", "E3 S3, E2 S2, E1 S1, E4 S4", "E2 S2, E1 S1, E4 S4, E3 S3",
    "E1 S1, E4 S4, E3 S3, E2 S2", "E1 S1, E4 S4, E3 S3, E2 S2", "E2 S2, E3 S3, E4 S4, E1 S1",
    "E3 S3, E4 S4, E1 S1, E2 S2", "E4 S4, E1 S1, E2 S2, E3 S3",
};

}  // namespace

FrmHelpPriority::FrmHelpPriority(State& s) : ui::Form(s.host, "FrmHelpPriority") {
    SetCaption("Priority info");
    SetSizable(false);
    constexpr ui::Twips rowHeight = 300;
    constexpr std::array<ui::Twips, 3> lefts = {120, 1080, 3960};
    constexpr std::array<ui::Twips, 3> widths = {900, 2760, 2760};
    constexpr ui::Twips width = 6840;
    for (int16_t r = 0; r <= 8; ++r) {
        for (int16_t c = 0; c < 3; ++c) {
            ui::Label& cell = Label1.Load(static_cast<int16_t>(3 * r + c));
            std::string text;
            if (r == 0) {
                const char* heads[] = {"Priority", "Signal Active High", "Signal Active Low"};
                text = heads[c];
                cell.SetFont(8, true);
            } else {
                text = c == 0 ? std::to_string(r - 1) : kOrder[static_cast<size_t>(r - 1)];
            }
            cell.SetCaption(text);
            cell.Move(lefts[static_cast<size_t>(c)], 120 + rowHeight * r,
                      widths[static_cast<size_t>(c)], rowHeight);
        }
    }
    const ui::Twips buttonTop = 120 + rowHeight * 9 + 180;
    SetClientSize(width, buttonTop + 375 + 120);
    Command1.SetCaption("OK");
    Command1.SetDefault(true);
    Command1.SetCancel(true);
    Command1.Move(width - 1095 - 120, buttonTop, 1095, 375);
    Command1.On().Click = [this](int16_t) { Command1_Click(); };
}

void FrmHelpPriority::Command1_Click() {
    Unload();
}
