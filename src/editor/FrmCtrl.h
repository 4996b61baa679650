// The device editor window of one slot: every parameter of the device on eleven tabs. Its
// controls are the live parameter store that the senders and dialogs read and write. Control
// arrays keep the system's indices: channels 0..7 inputs and 8..15 outputs, output * 5 + band,
// output * 2 + filter, output * 8 + input, and the sparse jump labels of the overview.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "editor/TypedKeys.h"
#include "state/EditorDialog.h"
#include "ui/Controls.h"
#include "ui/Form.h"

struct State;
namespace ModFun {
enum class Dyn : uint8_t;
}

class FrmCtrl : public ui::Form {
  public:
    explicit FrmCtrl(State& s);

    // CurDev := the slot whose editor this window is; unchanged when none is.
    void LoadCorrectWindow();
    // OpDone := enable: False while an operation of this window runs.
    void EnableOtherWindow(bool enable);
    // Shows the dB scale of output o's graph in the "Mag" view, the phase scale otherwise.
    void LoadLabelGraph(int16_t o);
    // Shows MeterLevel(dev, ch) on channel ch's meter.
    void PrintVumeterIndB(int16_t dev, int16_t ch);
    // The magnitude scale of output o's graph from its "Step dB" and "Offset dB" arrows: the
    // scale state of CurDev's output o, the step and offset captions and the seven scale
    // labels (step s gives 5 (s + 1) dB a division, offset o moves 0 dB by (12 - o) divisions
    // of 10 dB).
    void SetOffset(int16_t o);

    // Outer window size in twips; the client area is 15735 x 9555.
    static constexpr ui::Twips kWidth = 15855;
    static constexpr ui::Twips kHeight = 10050;

    // Tabs of SSTab1.
    static constexpr int16_t kTabInputs = 0;
    static constexpr int16_t kTabRouting = 9;
    static constexpr int16_t kTabOverview = 10;

    // ---- Window frame: toolbar, status, tab strip and the strip below it ----
    ui::Toolbar Toolbar1{*this, "Toolbar1"};
    ui::ControlArray<ui::CommandButton> Command2{*this, "Command2"};  // toolbar 0..12
    ui::Label Label8{*this, "Label8"};                                // the running program
    ui::Label Label19{*this, "Label19"};                              // online status
    ui::TabStrip SSTab1{*this, "SSTab1"};
    ui::Frame FrameInLinked{*this, "FrameInLinked"};
    ui::Frame FrameOutLinked{*this, "FrameOutLinked"};
    ui::ControlArray<ui::CheckBox> Check13{*this, "Check13"};  // link boxes, channel
    ui::Frame FrameExtraProg{*this, "FrameExtraProg"};
    ui::Frame FrameUsbRs485{*this, "FrameUsbRs485"};
    ui::CommandButton Command11{*this, "Command11"};  // "Setup"
    ui::CommandButton Command9{*this, "Command9"};    // "Switch"
    ui::CheckBox Check12{*this, "Check12"};           // front-panel lock
    ui::CommandButton Command17{*this, "Command17"};  // "Version"
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::ControlArray<ui::Timer> Timer1{*this, "Timer1"};  // one element, index = slot

    // ---- Level strip of every channel (inputs on "Inputs", output k on its tab) ----
    ui::ControlArray<ui::Frame> FrameLevel{*this, "FrameLevel"};
    ui::ControlArray<ui::Slider> Slider1{*this, "Slider1"};
    ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};
    ui::ControlArray<ui::CommandButton> Command12{*this, "Command12"};  // "0 dB"
    ui::ControlArray<ui::CommandButton> Command90{*this, "Command90"};  // level bypass
    ui::ControlArray<ui::Frame> FramePhase{*this, "FramePhase"};        // outputs only
    ui::ControlArray<ui::CheckBox> Check2{*this, "Check2"};             // polarity
    ui::ControlArray<ui::CheckBox> Check1{*this, "Check1"};             // mute
    ui::ControlArray<ui::Line> Line6{*this, "Line6"};                   // mute mark
    ui::ControlArray<ui::Line> Line7{*this, "Line7"};
    ui::ControlArray<ui::ProgressBar> ProgressBar3{*this, "ProgressBar3"};  // meter bar
    ui::ControlArray<ui::Label> Label14{*this, "Label14"};                  // meter value
    ui::ControlArray<ui::Label> Label15{*this, "Label15"};                  // meter title
    ui::ControlArray<ui::Label> Label13{*this, "Label13"};                  // channel name

    // ---- "Inputs" tab, per input i ----
    ui::ControlArray<ui::Frame> Frame17{*this, "Frame17"};  // caption = channel name
    ui::ControlArray<ui::Frame> FrameMicLine{*this, "FrameMicLine"};
    ui::ControlArray<ui::ComboBox> Combo5{*this, "Combo5"};  // "Mic", "Line"
    ui::ControlArray<ui::CheckBox> Check4{*this, "Check4"};  // "Balanced"
    ui::ControlArray<ui::Frame> FrameInFilter{*this, "FrameInFilter"};
    ui::ControlArray<ui::ComboBox> Combo9{*this, "Combo9"};  // filter type
    ui::ControlArray<ui::TextBox> Text14{*this, "Text14"};   // filter frequency
    ui::ControlArray<ui::UpDown> UpDown6{*this, "UpDown6"};  // FreqTab31 index
    ui::ControlArray<ui::Label> LabelHz{*this, "LabelHz"};
    ui::ControlArray<ui::Frame> FrameNoiseGate{*this, "FrameNoiseGate"};
    ui::ControlArray<ui::CheckBox> Check5{*this, "Check5"};             // gate "Enable"
    ui::ControlArray<ui::CommandButton> Command13{*this, "Command13"};  // gate "Edit"
    ui::ControlArray<ui::Frame> FrameSelProc{*this, "FrameSelProc"};
    ui::ControlArray<ui::ComboBox> Combo1{*this, "Combo1"};             // "FBK", "EQ"
    ui::ControlArray<ui::Frame> Frame18{*this, "Frame18"};              // feedback panel
    ui::ControlArray<ui::ComboBox> Combo4{*this, "Combo4"};             // "OFF", "ON"
    ui::ControlArray<ui::Frame> Frame27{*this, "Frame27"};              // equaliser panel
    ui::ControlArray<ui::CommandButton> Command10{*this, "Command10"};  // equaliser "Edit"
    ui::ControlArray<ui::Line> Line1{*this, "Line1"};                   // Mic signal path
    ui::ControlArray<ui::Line> Line2{*this, "Line2"};                   // Line signal path
    ui::ControlArray<ui::CheckBox> Check11{*this, "Check11"};           // stereo mode, pair
    ui::Frame FrameFbkFreq{*this, "FrameFbkFreq"};
    ui::Slider Slider7{*this, "Slider7"};
    ui::TextBox Text6{*this, "Text6"};
    ui::ControlArray<ui::Frame> FrameMaster{*this, "FrameMaster"};
    ui::ControlArray<ui::Slider> Slider100{*this, "Slider100"};  // 0 gain %, 1 volume dB
    ui::ControlArray<ui::TextBox> Text100{*this, "Text100"};
    ui::CheckBox Check6{*this, "Check6"};  // phantom power

    // ---- Output tabs: response graph, per output o ----
    ui::ControlArray<ui::Frame> FrameGraph{*this, "FrameGraph"};
    ui::ControlArray<ui::PictureBox> Picture1{*this, "Picture1"};
    ui::ControlArray<ui::Label> Label5{*this, "Label5"};           // band markers, band index
    ui::ControlArray<ui::Label> Label17{*this, "Label17"};         // dB scale, 7 per output
    ui::ControlArray<ui::Label> Label9{*this, "Label9"};           // phase scale, 9 per output
    ui::ControlArray<ui::OptionButton> Option3{*this, "Option3"};  // "Mag"
    ui::ControlArray<ui::OptionButton> Option4{*this, "Option4"};  // "Phase"
    ui::ControlArray<ui::Frame> Frame30{*this, "Frame30"};         // "Step dB"
    ui::ControlArray<ui::UpDown> UpDown4{*this, "UpDown4"};
    ui::ControlArray<ui::Label> Label16{*this, "Label16"};
    ui::ControlArray<ui::Frame> Frame31{*this, "Frame31"};  // "Offset dB"
    ui::ControlArray<ui::UpDown> UpDown5{*this, "UpDown5"};
    ui::ControlArray<ui::Label> Label18{*this, "Label18"};
    ui::ControlArray<ui::CheckBox> Check3{*this, "Check3"};           // "Show cursor"
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};  // "Flat Eq"

    // ---- Output tabs: equaliser, band index b = output * 5 + band ----
    ui::ControlArray<ui::Frame> FrameEq{*this, "FrameEq"};
    ui::ControlArray<ui::Label> LabelEqRow{*this, "LabelEqRow"};      // output * 5 + row
    ui::ControlArray<ui::CommandButton> Command3{*this, "Command3"};  // band type
    ui::ControlArray<ui::TextBox> Text4{*this, "Text4"};              // frequency
    ui::ControlArray<ui::Slider> Slider2{*this, "Slider2"};           // gain
    ui::ControlArray<ui::TextBox> Text12{*this, "Text12"};
    ui::ControlArray<ui::TextBox> Text5{*this, "Text5"};  // Q
    ui::ControlArray<ui::UpDown> UpDown3{*this, "UpDown3"};
    ui::ControlArray<ui::TextBox> Text50{*this, "Text50"};            // bandwidth
    ui::ControlArray<ui::CommandButton> Command6{*this, "Command6"};  // band bypass

    // ---- Output tabs: crossover, filter index f = output * 2 + (0 HP, 1 LP) ----
    ui::ControlArray<ui::Frame> FrameXover{*this, "FrameXover"};
    ui::ControlArray<ui::ComboBox> Combo2{*this, "Combo2"};
    ui::ControlArray<ui::Label> LabelXoverFreq{*this, "LabelXoverFreq"};
    ui::ControlArray<ui::TextBox> Text8{*this, "Text8"};

    // ---- Output tabs: delay, per output o ----
    ui::ControlArray<ui::Frame> Frame3{*this, "Frame3"};
    ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};
    ui::ControlArray<ui::CommandButton> Command8{*this, "Command8"};  // delay "Bypass"
    ui::ControlArray<ui::Label> LabelAdj{*this, "LabelAdj"};
    ui::ControlArray<ui::UpDown> UpDown2{*this, "UpDown2"};  // whole milliseconds
    ui::ControlArray<ui::Label> LabelFine{*this, "LabelFine"};
    ui::ControlArray<ui::UpDown> UpDown1{*this, "UpDown1"};  // fine steps

    // ---- Output tabs: compressor and limiter, per output o ----
    ui::ControlArray<ui::Frame> FrameComp{*this, "FrameComp"};
    ui::ControlArray<ui::Label> LabelComp{*this, "LabelComp"};   // output * 5 + column
    ui::ControlArray<ui::Slider> Slider400{*this, "Slider400"};  // threshold
    ui::ControlArray<ui::Slider> Slider401{*this, "Slider401"};  // ratio
    ui::ControlArray<ui::Slider> Slider402{*this, "Slider402"};  // knee
    ui::ControlArray<ui::Slider> Slider403{*this, "Slider403"};  // attack
    ui::ControlArray<ui::Slider> Slider404{*this, "Slider404"};  // release
    ui::ControlArray<ui::TextBox> Text400{*this, "Text400"};
    ui::ControlArray<ui::TextBox> Text401{*this, "Text401"};
    ui::ControlArray<ui::TextBox> Text402{*this, "Text402"};
    ui::ControlArray<ui::TextBox> Text403{*this, "Text403"};
    ui::ControlArray<ui::TextBox> Text404{*this, "Text404"};
    ui::ControlArray<ui::CommandButton> Command5{*this, "Command5"};  // compressor "Bypass"
    ui::ControlArray<ui::Frame> FrameLim{*this, "FrameLim"};
    ui::ControlArray<ui::Label> LabelLim{*this, "LabelLim"};  // output * 3 + column
    ui::ControlArray<ui::Slider> Slider4{*this, "Slider4"};   // threshold
    ui::ControlArray<ui::Slider> Slider5{*this, "Slider5"};   // attack
    ui::ControlArray<ui::Slider> Slider6{*this, "Slider6"};   // release
    ui::ControlArray<ui::TextBox> Text9{*this, "Text9"};
    ui::ControlArray<ui::TextBox> Text10{*this, "Text10"};
    ui::ControlArray<ui::TextBox> Text11{*this, "Text11"};
    ui::ControlArray<ui::CommandButton> Command7{*this, "Command7"};    // limiter "Bypass"
    ui::ControlArray<ui::CommandButton> Command50{*this, "Command50"};  // "RMS Compressor"
    ui::ControlArray<ui::CommandButton> Command51{*this, "Command51"};  // "P. Limiter"

    // ---- "Routing" tab ----
    ui::Frame FrameRouting{*this, "FrameRouting"};
    ui::ControlArray<ui::Label> LabelRouteOut{*this, "LabelRouteOut"};  // column heads
    ui::ControlArray<ui::Label> Label130{*this, "Label130"};            // input names
    ui::ControlArray<ui::CheckBox> Check9{*this, "Check9"};  // crosspoint output * 8 + input
    ui::ControlArray<ui::Line> Line1000{*this, "Line1000"};
    ui::ControlArray<ui::Label> LabelRouteDest{*this, "LabelRouteDest"};
    ui::CommandButton Command4{*this, "Command4"};  // "Reset"
    ui::Frame FrameOutSel{*this, "FrameOutSel"};
    ui::ControlArray<ui::OptionButton> Option2{*this, "Option2"};  // caption = output name
    ui::Frame FrameMix{*this, "FrameMix"};
    ui::ControlArray<ui::Label> LabelMixIn{*this, "LabelMixIn"};
    ui::ControlArray<ui::Slider> Slider3{*this, "Slider3"};  // mix level per input
    ui::ControlArray<ui::TextBox> Text3{*this, "Text3"};

    // ---- "Overview" tab ----
    ui::ControlArray<ui::Label> Label300{*this, "Label300"};  // sources and outputs
    ui::ControlArray<ui::Label> Label100{*this, "Label100"};  // blocks, sparse indices
    ui::ControlArray<ui::Label> Label200{*this, "Label200"};  // mixer of each output
    ui::Frame FrameStatus{*this, "FrameStatus"};
    ui::ControlArray<ui::Label> LabelLampCol{*this, "LabelLampCol"};
    ui::ControlArray<ui::Label> LabelLampRow{*this, "LabelLampRow"};
    ui::ControlArray<ui::Shape> Shape7{*this, "Shape7"};  // "Limit"
    ui::ControlArray<ui::Shape> Shape6{*this, "Shape6"};  // "Sgn/Clip"
    ui::ControlArray<ui::Shape> Shape5{*this, "Shape5"};  // "Feedback"
    ui::ControlArray<ui::Shape> Shape4{*this, "Shape4"};  // "Mic"
    ui::ControlArray<ui::Shape> Shape3{*this, "Shape3"};  // "Line"
    ui::ControlArray<ui::Shape> Shape8{*this, "Shape8"};  // "Input Off"
    ui::ControlArray<ui::Shape> ShapeMuteIn{*this, "ShapeMuteIn"};
    ui::ControlArray<ui::Shape> ShapeMuteOut{*this, "ShapeMuteOut"};
    ui::Shape Shape1{*this, "Shape1"};  // "Phantom"
    ui::Frame FrameDelayUnit{*this, "FrameDelayUnit"};
    ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // 0 "Time", 1 "Meter"
    ui::Frame Frame33{*this, "Frame33"};                           // "Auto Mixer"
    ui::CheckBox Check7{*this, "Check7"};                          // "Active"
    ui::CommandButton Command14{*this, "Command14"};
    ui::Frame Frame34{*this, "Frame34"};  // "Ducker"
    ui::Frame FramePrio{*this, "FramePrio"};
    ui::Label LabelPrio{*this, "LabelPrio"};
    ui::ControlArray<ui::CheckBox> Check8{*this, "Check8"};  // priority inputs
    ui::CommandButton Command16{*this, "Command16"};         // "Confirm"
    ui::CommandButton Command15{*this, "Command15"};

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    void WireEvents();
    void WireDelayAndDynamics();
    // The slot whose editor this window is, or -1.
    int16_t OwnSlot() const;

    // The change-handler protocol of every parameter control: nothing while UiUpdating is
    // set; else EditBusy, CurDev from this window, OpDone cleared, the send, and only while
    // TxFailed is clear the follow-up (redraw, link repeat); OpDone set, EditBusy cleared.
    void RunChange(const std::function<void()>& send, const std::function<void()>& followUp);
    // The key-press protocol up to Enter: True when key is Enter and the entry is to be
    // confirmed. A key the box does not take shows message and becomes "?".
    bool KeyConfirms(int16_t& key, const editor::KeyRules& rules,
                     const char* message = kIncorrectValue, char replacement = '?');
    // A confirmed entry begins: EditBusy, OpDone cleared (CurDev as activation left it).
    void BeginEntry();
    // A confirmed entry ends: OpDone set, EditBusy cleared.
    void EndEntry();
    // The entry's text is no number: the message, Enter becomes "?" (or replacement), the
    // entry ends.
    void RejectEntry(int16_t& key, const char* message = kIncorrectValue, char replacement = '?');
    // The number in box; false when it holds none.
    bool ReadNumber(const ui::TextBox& box, double& value) const;
    static constexpr const char* kIncorrectValue = "  Incorrect value";

    // Tabs, jump labels, views and openers.
    void SSTab1_Click();
    void SSTab1_DblClick();
    void Label100_Click(int16_t index);
    void Label200_Click(int16_t index);
    void Label300_Click(int16_t index);
    void Option3_Click(int16_t o);
    void Option4_Click(int16_t o);
    void Check3_Click(int16_t o);
    void Check13_Click(int16_t ch);
    void Command2_Click(int16_t index);
    // EditBusy around the dialog, CurDev from this window.
    void OpenDialog(EditorDialog dialog, int16_t index = 0);

    // Meter poll.
    void Timer1_Timer(int16_t slot);
    void ShowStatusLamps();

    // Level, level bypass, 0 dB, polarity and mute of a channel; the master levels.
    void Slider1_Scroll(int16_t ch);
    void Text1_KeyPress(int16_t ch, int16_t& key);
    void Command12_Click(int16_t ch);
    void Command90_Click(int16_t ch);
    void Check2_Click(int16_t ch);
    void Check1_Click(int16_t ch);
    void Slider100_Scroll(int16_t k);
    void Text100_KeyPress(int16_t k, int16_t& key);
    // After a level edit: an output's graph, then the link repeat.
    void LevelFollowUp(int16_t ch);
    // The pointer of this window, unless a failed send has closed it.
    void SetPointer(int16_t pointer);

    // The "Inputs" tab, per input i or pair p, and the device-wide controls beside it.
    void WireInputsTab();
    void Check11_Click(int16_t p);
    void Combo9_Click(int16_t i);
    void UpDown6_Change(int16_t i);
    void Text14_KeyPress(int16_t i, int16_t& key);
    void Check4_Click(int16_t i);
    void Check5_Click(int16_t i);
    void Combo4_Click(int16_t i);
    void Combo5_Click(int16_t i);
    void Combo1_Click(int16_t i);
    void Command13_Click(int16_t i);
    void Check6_Click();
    void Slider7_Scroll();
    void Text6_KeyPress(int16_t& key);
    void Check12_Click();
    // The pointers of the main window and of CurDev's editor.
    void SetBusyPointers(int16_t pointer);

    // Graph scale arrows of output o.
    void UpDown4_Change(int16_t o);
    void UpDown5_Change(int16_t o);

    // Equaliser bands, b = output * 5 + band: type dialog, bypass, gain, Q, typed values and
    // the marker drag; "Flat Eq" of output o.
    void Command3_Click(int16_t b);
    void Command6_Click(int16_t b);
    void Slider2_Scroll(int16_t b);
    void UpDown3_Change(int16_t b);
    void Text12_KeyPress(int16_t b, int16_t& key);
    void Text4_KeyPress(int16_t b, int16_t& key);
    void Text5_KeyPress(int16_t b, int16_t& key);
    void Text50_KeyPress(int16_t b, int16_t& key);
    void Label5_MouseDown(int16_t b);
    void Label5_MouseMove(int16_t b, float x, float y);
    void Label5_MouseUp(int16_t b);
    void Command1_Click(int16_t o);
    // A band sent from a box or control: redraw and link repeat unless the send failed.
    void EqBandFollowUp(int16_t b);
    // The Q index a typed Q or bandwidth stands for, set into UpDown3(b) (which sends when it
    // changes); message on a text that is no number.
    void EnterQIndex(int16_t b, int16_t& key, bool bandwidth);

    // Crossover filters, f = output * 2 + (0 high-pass, 1 low-pass).
    void Combo2_Click(int16_t f);
    void Text8_KeyPress(int16_t f, int16_t& key);
    // The filter redrawn and repeated on every other output of the link set, waitMs before
    // each; stops when a send fails.
    void XoverFollowUp(int16_t f, int waitMs);

    // Delay of output o: the coarse and fine arrows, the typed delay, the bypass; the unit
    // option on the overview.
    void UpDown2_Change(int16_t o);
    void UpDown1_Change(int16_t o);
    void Text2_KeyPress(int16_t o, int16_t& key);
    void Command8_Click(int16_t o);
    void Option1_Click(int16_t unit);
    // After a delay edit: output o's graph, then the link repeat.
    void DelayFollowUp(int16_t o);

    // Compressor and limiter of output o: the bypasses and the typed values (the sliders are
    // wired to the senders directly).
    void Command5_Click(int16_t o);
    void Command7_Click(int16_t o);
    void DynamicsKeyPress(int16_t o, int16_t& key, ModFun::Dyn p);
    // The link repeat of a compressor (or limiter) edit of output o, unless the send failed.
    void DynamicsFollowUp(int16_t o, bool limiter);

    // Routing: output shown, crosspoint k = output * 8 + input, mix level of input i into the
    // output shown (slider or typed), reset of the whole matrix.
    void Option2_Click(int16_t o);
    void Check9_Click(int16_t k);
    void Slider3_Scroll(int16_t i);
    void Text3_KeyPress(int16_t i, int16_t& key);
    void Command4_Click();

    // Overview: automatic mixer "Active" and its dialog, the priority input boxes, their
    // "Confirm" and the ducker dialog.
    void Check7_Click();
    void Command14_Click();
    void Check8_Click(int16_t i);
    void Command16_Click();
    void Command15_Click();
    // A priority edit begins: EditBusy, CurDev from this window, OpDone cleared, the main
    // window's pointer busy; it ends with the pointer back to default, OpDone set, EditBusy
    // cleared.
    void BeginPriorityEdit();
    void EndPriorityEdit();

    // The design-time layout, one routine a tab or group (FrmCtrlLayout*.cpp).
    void LayoutFrame();
    void LayoutLevelStrip(int16_t ch, ui::Control& container, int16_t page, ui::Twips left,
                          ui::Twips top, ui::Twips width, ui::Twips height);
    void LayoutInputsTab();
    void LayoutInput(int16_t i);
    void LayoutDeviceWide();
    void LayoutOutputTab(int16_t o);
    void LayoutGraph(int16_t o);
    void LayoutEq(int16_t o);
    void LayoutXoverAndDelay(int16_t o);
    void LayoutDynamics(int16_t o);
    void LayoutRoutingTab();
    void LayoutOverviewTab();
    void LayoutBlockDiagram();
    void LayoutStatusLamps();
    void LayoutOverviewFrames();

    State& s_;
};

// The slot's editor window, open or closed: created (not loaded, not shown) only for a slot
// that never had one. A closed window stays the slot's until its opener makes the next one,
// so code still running for it (a handler, a dialog, a copy, the image application) finds it
// closed, sees Finished() and stops; it never gets a fresh window made behind the user's back.
FrmCtrl& FrmCtrlOf(State& s, int16_t slot);
// For the opener only: a fresh editor window in place of a closed one, which is released once
// nothing of it runs.
FrmCtrl& NewFrmCtrl(State& s, int16_t slot);
// The slot's editor window when one is loaded, else nullptr; creates nothing.
FrmCtrl* ExistingFrmCtrl(State& s, int16_t slot);
