// "Switch": the switch presets of the current device. Chooses the current preset, switches
// its four outputs, stores its mask in the device, links the presets to the programs, and
// saves and loads the current preset's mask as a switch preset file (*.swc). Every change is
// sent at once; the outputs carry the names of NameSwitch.ini.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmSwitch : public ui::Form {
  public:
    explicit FrmSwitch(State& s);

    void Option1_Click(int16_t p);
    void Check5_Click(int16_t k);
    void Check1_Click();
    // 0 store to device, 1 SaveToPC, 2 LoadFromPC.
    void Command3_Click(int16_t index);
    // Opens the switch name editor and labels the outputs with the names it leaves.
    void Command1_Click();
    void Command2_Click() { Unload(); }

    // The current preset's mask into a switch preset file, written whole; a failed write
    // says so. The other bytes of an existing file stay as they were.
    void SaveToPC();
    // The first byte of a switch preset file becomes the current preset's mask, taken whole,
    // and is sent. An empty or unreadable file changes nothing; no file is created or deleted.
    void LoadFromPC();

    ui::Frame Frame20{*this, "Frame20"};
    ui::ControlArray<ui::CheckBox> Check5{*this, "Check5"};  // switch outputs 1..4
    ui::CommandButton Command1{*this, "Command1"};           // "Edit Switch Name"
    ui::Frame Frame1{*this, "Frame1"};
    ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // presets "1".."10"
    ui::Frame Frame2{*this, "Frame2"};                             // "Switch Preset n"
    ui::ControlArray<ui::CommandButton> Command3{*this, "Command3"};
    ui::Frame Frame3{*this, "Frame3"};
    ui::CheckBox Check1{*this, "Check1"};  // the presets follow the programs
    ui::CommandButton Command2{*this, "Command2"};

  protected:
    void Form_Load() override;

  private:
    void LayOut();
    // SwitchState from mask m, and the four boxes set to it with nothing sent.
    void ShowMask(int32_t m);
    int16_t CurrentPreset() const;

    State& s_;
};
