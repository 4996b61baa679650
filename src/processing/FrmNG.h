// "Noise Gate": the modal dialog of the noise gate of one input (CurInCh) of the current
// device: enable, threshold, attack and release. Each edit is written into the image, sent,
// and repeated on the input's stereo partner or on the other members of its link set. The
// enable is also the editor window's "Enable" box of the input, which the dialog keeps in step.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;
namespace model {
struct ModelState;
}

class FrmNG : public ui::Form {
  public:
    explicit FrmNG(State& s);

    ui::CheckBox Check5{*this, "Check5"};  // "Enable"
    ui::Label LabelThr{*this, "LabelThr"};
    ui::Slider Slider3{*this, "Slider3"};  // threshold = -position dBu
    ui::TextBox Text6{*this, "Text6"};
    ui::Label LabelAttack{*this, "LabelAttack"};
    ui::Slider Slider7{*this, "Slider7"};  // attack index = 12 - position
    ui::TextBox Text7{*this, "Text7"};
    ui::Label LabelRelease{*this, "LabelRelease"};
    ui::Slider Slider8{*this, "Slider8"};  // release index = 28 - position
    ui::TextBox Text12{*this, "Text12"};

  protected:
    // Caption with the input's name; the controls from the image; nothing sent.
    void Form_Load() override;
    // Refused while an edit is under way.
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    void LayOut();
    // The enable click and the slider scrolls: the input's gate stored and sent, then repeated.
    void EditSequence();
    // Threshold, attack and release typed: Enter snaps the value to the nearest the device
    // takes, moves the slider and sends.
    void Text6_KeyPress(int16_t& key);
    void Text7_KeyPress(int16_t& key);
    void Text12_KeyPress(int16_t& key);
    // The keys the boxes take; true when key is Enter and the number x was read. A text that
    // is no number gives the message, Enter becomes "?".
    bool TypedNumber(ui::TextBox& box, int16_t& key, double& x);
    // An attack or release typed: the nearest entry of texts (by snap) shown, its slider set
    // (the last entry at the top) and sent.
    using SnapRoutine = int16_t (*)(const model::ModelState&, double);
    void EnterTableEntry(ui::TextBox& box, int16_t& key, SnapRoutine snap,
                         std::span<const std::string_view> texts, ui::Slider& slider);
    // The entry's slider is set: the gate stored and sent, then repeated unless that failed.
    void SendTypedEntry();
    // The three boxes from the sliders.
    void ShowValues();
    // The dialog's values into the parameter record, the image and the editor window's
    // controls of input i; the input's frame sent (TxFailed tells how it went).
    void RefreshNgCtrl(int16_t i);
    // The stereo partner or the link set members of the same source get input i's gate.
    void SendNgParams(int16_t i);
    // Target k takes input i's enable and gate bytes; one frame sent, true when it failed.
    bool CopyNgTo(int16_t i, int16_t k);

    State& s_;
};
