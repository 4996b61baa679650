// "Inputs EQ": the modal dialog in which the user edits the three equaliser bands of the
// current device's inputs, one input a tab. Each band row is sent as soon as it changes, its
// response drawn and the edit copied to the linked inputs; the dialog keeps no values of its
// own and loads everything from the device image and the editor window.
#pragma once

#include <cstdint>

#include "editor/TypedKeys.h"
#include "editor/senders/EqBandRow.h"
#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmEqIn : public ui::Form {
  public:
    explicit FrmEqIn(State& s);
    ~FrmEqIn() override;

    // The controls of band row b (0..2).
    ModFun::EqBandRow BandRow(int16_t b);
    // Check13(i) green for a Line input, yellow for a Mic input.
    void SetColorButtonLinkIn(int16_t i);
    // The dB scale of picture k shown in the "Mag" view, the phase scale otherwise.
    void LoadLabelGraph_In(int16_t k);
    // The band markers shown (band 1 in front) while "Show cursor" is ticked.
    void ShowGraphCursorIn(int16_t k);

    ui::TabStrip SSTab1{*this, "SSTab1"};  // tab i shows input i

    // The band rows, band 0..2.
    ui::Frame Frame5{*this, "Frame5"};                                // "EQ"
    ui::ControlArray<ui::Label> Label2{*this, "Label2"};              // "dB", "Hz", "Bw", "Q"
    ui::ControlArray<ui::Label> LabelBand{*this, "LabelBand"};        // "Band 1".."Band 3"
    ui::ControlArray<ui::CommandButton> Command3{*this, "Command3"};  // type
    ui::ControlArray<ui::TextBox> Text4{*this, "Text4"};              // frequency
    ui::ControlArray<ui::Slider> Slider2{*this, "Slider2"};           // gain
    ui::ControlArray<ui::TextBox> Text12{*this, "Text12"};
    ui::ControlArray<ui::TextBox> Text5{*this, "Text5"};  // Q
    ui::ControlArray<ui::UpDown> UpDown3{*this, "UpDown3"};
    ui::ControlArray<ui::TextBox> Text50{*this, "Text50"};            // bandwidth
    ui::ControlArray<ui::CommandButton> Command6{*this, "Command6"};  // "Byp"

    // The response picture (element 0) with its band markers, scales and view.
    ui::ControlArray<ui::PictureBox> Picture1{*this, "Picture1"};
    ui::ControlArray<ui::Label> Label5{*this, "Label5"};           // markers, band index
    ui::ControlArray<ui::Label> Label4{*this, "Label4"};           // "100Hz", "1KHz", "10KHz"
    ui::ControlArray<ui::Label> Label17{*this, "Label17"};         // dB scale
    ui::ControlArray<ui::Label> Label9{*this, "Label9"};           // phase scale
    ui::ControlArray<ui::OptionButton> Option3{*this, "Option3"};  // "Mag"
    ui::ControlArray<ui::OptionButton> Option4{*this, "Option4"};  // "Phase"
    ui::ControlArray<ui::CheckBox> Check3{*this, "Check3"};        // "Show cursor"

    ui::Frame Frame12{*this, "Frame12"};                       // "Input Linked"
    ui::ControlArray<ui::CheckBox> Check13{*this, "Check13"};  // input link set
    ui::CommandButton Command1{*this, "Command1"};             // "Flat Eq"
    ui::CommandButton Command2{*this, "Command2"};             // "Exit"

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    void LayOut();
    void LayOutBandRows();
    void LayOutGraph();
    void LayOutLinks();
    void WireEvents();

    // Input i's bands from the image into the rows, computed and drawn; the caller keeps
    // TxBlocked set so nothing is sent.
    void LoadEqInTab(int16_t i);
    // The common tail of a band edit: the band sent (pausing 20 ms after a slider or Q arrow
    // step), then unless the send failed redrawn and copied to the linked inputs.
    void BandSend(int16_t b, bool pause);

    void SSTab1_Click();
    void Slider2_Scroll(int16_t b);
    void UpDown3_Change(int16_t b);
    void Text12_KeyPress(int16_t b, int16_t& key);
    void Text4_KeyPress(int16_t b, int16_t& key);
    void Text5_KeyPress(int16_t b, int16_t& key);
    void Text50_KeyPress(int16_t b, int16_t& key);
    void Command6_Click(int16_t b);
    void Command3_Click(int16_t b);
    void Label5_MouseDown(int16_t b);
    void Label5_MouseMove(int16_t b, float x, float y);
    void Label5_MouseUp(int16_t b);
    void Option3_Click();
    void Check3_Click();
    void Check13_Click(int16_t i);
    void Command1_Click();

    // The key rule of a value box: True when key is Enter. A key the box does not take is
    // discarded without a word.
    bool KeyConfirms(int16_t& key, const editor::KeyRules& rules);
    // The entry's text is no number: the message, and Enter becomes replacement.
    void RejectEntry(int16_t& key, const char* message, char replacement);
    // The Q (or bandwidth) typed into band b's box set as its Q index; the arrows' handler
    // sends when the index changes.
    void EnterQIndex(int16_t b, int16_t& key, bool bandwidth);

    State& s_;
};

namespace ModEqIn {

// Shows "Inputs EQ" modally on input i (0..7) of CurDev.
void ShowFrmEqIn(State& s, int16_t i);

}  // namespace ModEqIn
