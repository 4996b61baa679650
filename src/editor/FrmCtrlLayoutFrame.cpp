// Layout of the window frame: toolbar and status line at the top, the tab strip, the link
// boxes and device buttons below it, and the level strip that every channel shows.
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/FrmCtrlLayout.h"

using editor::Put;

namespace {

struct ToolButton {
    int16_t index;
    const char* caption;
    const char* toolTip;
    ui::Twips width;
};

// The toolbar buttons from left to right; 5, 6 and 7 have no caption and are not shown.
constexpr ToolButton kToolbar[] = {
    {0, "Load", "Load program from PC", 900},
    {1, "Save", "Save program to PC", 900},
    {2, "Store", "Store program to device", 900},
    {3, "Read", "Read program from device", 900},
    {4, "Lock front-panel", "Password", 1560},
    {5, "", "", 300},
    {6, "", "", 300},
    {7, "", "", 300},
    {8, "Input Copy", "Input Copy", 1140},
    {9, " Ouput Copy", "Output Copy", 1200},
    {12, "Configure", "Configure external signal", 1080},
};

constexpr const char* kTabCaptions[11] = {"Inputs",  "Output1", "Output2", "Output3",
                                          "Output4", "Output5", "Output6", "Output7",
                                          "Output8", "Routing", "Overview"};

std::string Numbered(const char* stem, int n) {
    return stem + std::to_string(n);
}

}  // namespace

void FrmCtrl::LayoutFrame() {
    Toolbar1.Move(0, 0, 8940, 480);
    ui::Twips x = 60;
    for (const ToolButton& b : kToolbar) {
        ui::CommandButton& button = Put(Command2.Load(b.index), Toolbar1, x, 60, b.width, 360);
        button.SetCaption(b.caption);
        button.SetToolTipText(b.toolTip);
        if (b.caption[0] == '\0') {
            button.SetVisible(false);
            continue;
        }
        x += b.width + 30;
    }
    Label8.Move(9060, 120, 3900, 240);
    Label8.SetCaption("01: PRESET DEFAULT ");
    Label19.Move(13020, 120, 2655, 240);
    Label19.SetCaption("Status: Offline");

    SSTab1.Move(0, 510, 15735, 8025);
    SSTab1.SetTabs(11);
    SSTab1.SetTabsPerRow(11);
    for (int16_t t = 0; t < 11; ++t) SSTab1.SetTabCaption(t, kTabCaptions[t]);

    FrameInLinked.Move(60, 8565, 4080, 945);
    FrameInLinked.SetCaption("Input Linked");
    FrameOutLinked.Move(4200, 8565, 4080, 945);
    FrameOutLinked.SetCaption("Output Linked");
    for (int16_t ch = 0; ch < 16; ++ch) {
        const int16_t k = ch % 8;
        ui::Frame& frame = ch < 8 ? FrameInLinked : FrameOutLinked;
        Put(Check13.Load(ch), frame, 120 + 990 * (k % 4), 255 + 330 * (k / 4), 960, 255)
            .SetCaption(Numbered(ch < 8 ? "Inp" : "Out", k + 1));
    }

    FrameExtraProg.Move(8340, 8565, 2130, 945);
    FrameExtraProg.SetCaption("Extra Program");
    const ToolButton extra[] = {{10, "Read", "Read Extra program from device", 900},
                                {11, "Store", "Store Extra program to device", 900}};
    for (int k = 0; k < 2; ++k) {
        ui::CommandButton& button =
            Put(Command2.Load(extra[k].index), FrameExtraProg, 120 + 990 * k, 375, 900, 360);
        button.SetCaption(extra[k].caption);
        button.SetToolTipText(extra[k].toolTip);
    }
    FrameUsbRs485.Move(10530, 8565, 1230, 945);
    FrameUsbRs485.SetCaption("USB/RS485");
    Put(Command11, FrameUsbRs485, 120, 375, 990, 360).SetCaption("Setup");
    Command9.Move(11820, 8640, 1140, 360);
    Command9.SetCaption("Switch");
    Check12.Move(11820, 9120, 1740, 255);
    Check12.SetCaption("Lock Front-panel");
    Command17.Move(13620, 8640, 1140, 360);
    Command17.SetCaption("Version");
    ProgressBar1.Move(13620, 9135, 2055, 225);
    ProgressBar1.SetVisible(false);
}

void FrmCtrl::LayoutLevelStrip(int16_t ch, ui::Control& container, int16_t page, ui::Twips left,
                               ui::Twips top, ui::Twips width, ui::Twips height) {
    const bool output = ch >= 8;
    ui::Frame& frame = Put(FrameLevel.Load(ch), container, left, top, width, height, page);
    frame.SetCaption(output ? "Lev [dB]" : "Gain [dB]");

    ui::Slider& slider = Put(Slider1.Load(ch), frame, 60, 225, 360, height - 600);
    editor::SetupSlider(slider, output ? 1450 : 1390, true);
    Put(Text1.Load(ch), frame, 60, height - 345, 750, 285).SetText("-12.4dB");

    // The column right of the slider: meter, polarity, mute and the level buttons.
    const ui::Twips x = 480;
    const ui::Twips w = width - 525;
    Put(Label15.Load(ch), frame, x, 225, w, 210).SetCaption("Lev [dBu ]");
    Put(Label14.Load(ch), frame, x, 435, 690, 210).SetCaption("<-30");
    Put(ProgressBar3.Load(ch), frame, x, 660, w, 165).SetRange(0, 50);
    ui::Twips y = 870;
    if (output) {
        ui::Frame& phase = Put(FramePhase.Load(ch), frame, x, y, w, 540);
        phase.SetCaption("Phase");
        Put(Check2.Load(ch), phase, 90, 225, w - 150, 255).SetCaption("180 '");
        y += 585;
    } else {
        Put(Check2.Load(ch), frame, x, y, w, 255).SetCaption("Phase 180'");
        y += 315;
    }
    ui::CheckBox& mute = Put(Check1.Load(ch), frame, x, y, 540, 330);
    mute.SetStyle(1);
    mute.SetCaption("Mute");
    for (ui::Line* mark : {&Line6.Load(ch), &Line7.Load(ch)}) {
        mark->SetContainer(&frame);
        mark->SetBorderColor(ui::vbRed);
        mark->SetBorderWidth(2);
        mark->SetVisible(false);
    }
    Line6(ch).SetPoints(x, y, x + 540, y + 330);
    Line7(ch).SetPoints(x, y + 330, x + 540, y);
    ui::CommandButton& zero = Put(Command12.Load(ch), frame, x + 600, y, w - 600, 330);
    zero.SetCaption("0 dB");
    zero.SetToolTipText("Set gain to 0 dB");
    Put(Command90.Load(ch), frame, x, y + 375, w, 330)
        .SetCaption(output ? " Bypass Level" : "Bypass Gain");
    Put(Label13.Load(ch), frame, x + 360, height - 315, w - 360, 210)
        .SetCaption(Numbered(output ? "Out" : "Inp", ch % 8 + 1));
}
